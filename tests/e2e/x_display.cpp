#include "x_display.h"

#include <cstdlib>
#include <sstream>

Picture takeScreenshot(int x, int y, int width, int height, const std::string& label) {
    std::ostringstream command;
    command << "import -window root -crop " << width << "x" << height << "+" << x << "+" << y
            << " +repage -depth 8 ppm:- 2>/dev/null";
    Picture picture = parsePpm(runCommand(command.str()));
    if (const char* folder = std::getenv("ZEPHRA_E2E_SHOTS"))
        writePpm(picture, std::string(folder) + "/" + label + ".ppm");
    return picture;
}
