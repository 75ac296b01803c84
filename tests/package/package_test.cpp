// The game's Debian package: what it holds, what it depends on, whether its
// menu entry and metadata validate, and whether the game starts from it
// unpacked exactly as its menu entry starts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "game_on_screen.h"
#include "package_files.h"
#include "x_display.h"

namespace fs = std::filesystem;

namespace {

const std::string Deb = POUNCER_DEB_FILE;
const std::string DesktopEntry = "/usr/share/applications/pouncer.desktop";
const std::string Metainfo = "/usr/share/metainfo/org.zephra.pouncer.metainfo.xml";
const std::string Assets = "/usr/share/pouncer/data/";

// Width and height from a PNG's header; 0 x 0 for anything else.
std::pair<int, int> pngSize(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    if (!in || header[1] != 'P' || header[2] != 'N' || header[3] != 'G') return {0, 0};
    auto big = [&](int at) {
        return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
    };
    return {big(16), big(20)};
}

// Exit status and everything printed, of a command run through the shell.
std::pair<int, std::string> runChecked(const std::string& command) {
    const std::string output = runCommand(command + " 2>&1; echo \"status=$?\"");
    const size_t at = output.rfind("status=");
    return {std::stoi(output.substr(at + 7)), output.substr(0, at)};
}

}  // namespace

TEST(PackageContents, HoldsBothProgramsEveryAssetTheMenuEntryIconsAndLicences) {
    const std::set<std::string> files = packageContents(Deb);
    ASSERT_FALSE(files.empty()) << Deb << " cannot be read";
    for (const char* program : {"/usr/bin/pouncer", "/usr/bin/pouncer_windowed"})
        EXPECT_TRUE(files.count(program)) << program;

    int assets = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(ZEPHRA_SOURCE_DIR) / "data")) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name == "CMakeLists.txt") continue;
        EXPECT_TRUE(files.count(Assets + name)) << name << " is not in the package";
        ++assets;
    }
    EXPECT_TRUE(files.count(Assets + "calibri.ttf"));
    EXPECT_GT(assets, 20);

    EXPECT_TRUE(files.count(DesktopEntry));
    EXPECT_TRUE(files.count(Metainfo));
    for (const char* size : {"48x48", "128x128", "256x256"})
        EXPECT_TRUE(files.count("/usr/share/icons/hicolor/" + std::string(size) + "/apps/pouncer.png"))
            << size;
    EXPECT_TRUE(files.count("/usr/share/doc/pouncer/font-license-OFL-1.1.txt"));
    EXPECT_TRUE(files.count("/usr/share/doc/pouncer/copyright"));

    // Players get the game only: no engine, no tools, no build files, and
    // nothing outside /usr.
    for (const std::string& path : files) {
        EXPECT_EQ(path.rfind("/usr/", 0), 0u) << path;
        EXPECT_EQ(path.rfind("/usr/include", 0), std::string::npos) << path;
        EXPECT_EQ(path.rfind("/usr/lib", 0), std::string::npos) << path;
        EXPECT_EQ(path.find("CMakeLists"), std::string::npos) << path;
        EXPECT_EQ(path.rfind(Assets + "desktop", 0), std::string::npos) << path;
        EXPECT_EQ(path.find("pouncer_trace"), std::string::npos) << path;
    }
}

TEST(PackageControl, NamesItsVersionAndTheLibrariesItsProgramsLoad) {
    EXPECT_EQ(packageField(Deb, "Package"), "pouncer");
    EXPECT_EQ(packageField(Deb, "Version"), POUNCER_VERSION);
    const std::string depends = packageField(Deb, "Depends");
    // Computed from the programs: each library package with its least version.
    for (const char* library : {"libc6 (>=", "libstdc++6 (>=", "libsdl2-2.0-0 (>=",
                                "libsdl2-mixer-2.0-0 (>=", "libfreetype6 (>=", "libpng16-16 (>=",
                                "libjpeg62-turbo (>=", "libgl1", "libglu1-mesa", "libx11-6"})
        EXPECT_NE(depends.find(library), std::string::npos) << library << " missing in: " << depends;
}

// The lines of a text file, each with trailing blanks removed.
std::vector<std::string> linesOf(const std::string& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(PackageControl, NamesItsMaintainerAndHomepageAsTheReadmeDoes) {
    const std::string maintainer = packageField(Deb, "Maintainer");
    const std::string homepage = packageField(Deb, "Homepage");
    EXPECT_EQ(maintainer.rfind("The Pouncer and Zephra authors <", 0), 0u) << maintainer;
    ASSERT_NE(maintainer.find('<'), std::string::npos);
    const std::string mail = maintainer.substr(maintainer.find('<') + 1,
                                               maintainer.find('>') - maintainer.find('<') - 1);
    EXPECT_EQ(homepage.rfind("https://", 0), 0u) << homepage;
    for (const std::string& value : {mail, homepage}) {
        EXPECT_EQ(value.find("localhost"), std::string::npos) << value;
        EXPECT_EQ(value.find("example."), std::string::npos) << value;
    }
    std::ifstream in(std::string(ZEPHRA_SOURCE_DIR) + "/README.md");
    const std::string readme((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(readme.find(mail), std::string::npos) << mail << " is not in the README";
    EXPECT_NE(readme.find(homepage), std::string::npos) << homepage << " is not in the README";
}

TEST(PackageCopyright, IsOurZlibLicenceInDebiansFormat) {
    UnpackedPackage package(Deb);
    const std::vector<std::string> copyright =
        linesOf(package.root() + "/usr/share/doc/pouncer/copyright");
    ASSERT_FALSE(copyright.empty()) << "no /usr/share/doc/pouncer/copyright";
    EXPECT_EQ(copyright.front(),
              "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/");
    const auto has = [&](const std::string& line) {
        return std::find(copyright.begin(), copyright.end(), line) != copyright.end();
    };
    EXPECT_TRUE(has("Files: *"));
    EXPECT_TRUE(has("License: Zlib"));
    EXPECT_TRUE(has("License: OFL-1.1")) << "the font's licence is not named";
    // Every line of LICENSE, as a continuation line of the licence's text.
    const auto license = std::find(copyright.begin(), copyright.end(), "License: Zlib");
    const std::vector<std::string> ours = linesOf(std::string(ZEPHRA_SOURCE_DIR) + "/LICENSE");
    ASSERT_GT(ours.size(), 10u);
    auto at = std::find(std::next(license), copyright.end(), "License: Zlib");
    ASSERT_NE(at, copyright.end()) << "no licence text for Zlib";
    for (const std::string& line : ours) {
        ++at;
        ASSERT_NE(at, copyright.end()) << "the licence text ends before: " << line;
        EXPECT_EQ(*at, line.empty() ? " ." : " " + line);
    }
}

TEST(PackageMetadata, MenuEntryAndMetadataPassTheValidatorsAndNameWhatIsInstalled) {
    UnpackedPackage package(Deb);
    const auto [desktopStatus, desktopOutput] =
        runChecked("desktop-file-validate '" + package.root() + DesktopEntry + "'");
    EXPECT_EQ(desktopStatus, 0) << desktopOutput;
    EXPECT_EQ(desktopOutput, "");
    const auto [metaStatus, metaOutput] =
        runChecked("appstreamcli validate --no-net '" + package.root() + Metainfo + "'");
    EXPECT_EQ(metaStatus, 0) << metaOutput;

    const auto entry = readDesktopEntry(package.root() + DesktopEntry);
    EXPECT_EQ(entry.at("Exec"), "/usr/bin/pouncer_windowed");
    EXPECT_EQ(entry.at("Path"), "/usr/share/pouncer");
    EXPECT_EQ(entry.at("Icon"), "pouncer");
    EXPECT_TRUE(fs::exists(package.root() + entry.at("Path") + "/data/shader.cg"));

    for (int size : {48, 128, 256}) {
        const std::string icon = package.root() + "/usr/share/icons/hicolor/" +
                                 std::to_string(size) + "x" + std::to_string(size) +
                                 "/apps/pouncer.png";
        EXPECT_EQ(pngSize(icon), std::make_pair(size, size)) << icon;
    }
}

// Staged installs, as distributions make them: the files land under DESTDIR,
// the menu entry names where they will be once the stage is copied to /.
TEST(GameInstall, StagedInstallGivesAMenuEntryNamingTheFinalPrefix) {
    TempDir stage;
    const std::string root = stage.path().string();
    const auto [status, output] =
        runChecked("DESTDIR='" + root + "' " CMAKE_COMMAND " --install " ZEPHRA_BINARY_DIR
                   " --component game --prefix /opt/pouncer");
    ASSERT_EQ(status, 0) << output;
    const auto entry = readDesktopEntry(root + "/opt/pouncer/share/applications/pouncer.desktop");
    EXPECT_EQ(entry.at("Exec"), "/opt/pouncer/bin/pouncer_windowed");
    EXPECT_EQ(entry.at("Path"), "/opt/pouncer/share/pouncer");
    EXPECT_TRUE(fs::exists(root + entry.at("Exec")));
    EXPECT_TRUE(fs::exists(root + entry.at("Path") + "/data/shader.cg"));
}

// Started from the unpacked package as the menu starts it: the program its
// Exec line names, in the folder its Path line names, both under the
// temporary root instead of /.
class PackagedGame : public GameOnScreen {};

TEST_F(PackagedGame, StartsFromItsMenuEntryShowsItsWindowAndEndsOnEscape) {
    UnpackedPackage package(Deb);
    const auto entry = readDesktopEntry(package.root() + DesktopEntry);
    ASSERT_TRUE(entry.count("Exec") && entry.count("Path"));
    ASSERT_EQ(entry.at("Exec").find(' '), std::string::npos) << "arguments in " << entry.at("Exec");
    program = package.root() + entry.at("Exec");
    ASSERT_NO_FATAL_FAILURE(startGame(package.root() + entry.at("Path")));
    EXPECT_LT(differenceFromPage(screenshot("packaged_splash"), "data/splash.png"), 20.0);
    // Docks find the menu entry (and its icon) of a window by the window's class.
    EXPECT_NE(runCommand("xprop -id " + window.id + " WM_CLASS")
                  .find("\"" + entry.at("StartupWMClass") + "\""),
              std::string::npos);
    quitWithEscape();
}
