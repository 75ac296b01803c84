#include "package_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "x_display.h"

std::set<std::string> packageContents(const std::string& deb) {
    // "-rwxr-xr-x root/root 123 2026-12-09 13:00 ./usr/bin/pouncer": the
    // path is the last field (no path in the package has a space).
    std::set<std::string> paths;
    std::istringstream listing(runCommand("dpkg-deb -c '" + deb + "' 2>/dev/null"));
    for (std::string line; std::getline(listing, line);) {
        const size_t at = line.rfind(" ./");
        if (at != std::string::npos) paths.insert(line.substr(at + 2));
    }
    return paths;
}

std::string packageField(const std::string& deb, const std::string& field) {
    std::string value = runCommand("dpkg-deb -f '" + deb + "' " + field + " 2>/dev/null");
    while (!value.empty() && (value.back() == '\n' || value.back() == ' ')) value.pop_back();
    return value;
}

UnpackedPackage::UnpackedPackage(const std::string& deb) {
    if (system(("dpkg-deb -x '" + deb + "' '" + root() + "'").c_str()) != 0)
        throw std::runtime_error("dpkg-deb -x " + deb + " failed");
}

std::map<std::string, std::string> readDesktopEntry(const std::string& file) {
    std::map<std::string, std::string> keys;
    std::ifstream in(file);
    bool inEntry = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const size_t equals = line.find('=');
        if (inEntry && equals != std::string::npos && line[0] != '#')
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}
