// The icon and version the Windows programs carry, read from the .exe files
// the way Explorer reads them, and the icon the game's window shows.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/window.h"

namespace {

// The program as Wine names it: the Unix root is drive Z:.
std::string programPath(const std::string& name) {
    std::string path = "Z:" PROGRAM_DIR "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// side (256 for 0) -> the image bytes of each entry of an .ico file.
std::map<int, std::vector<unsigned char>> icoImages(const std::vector<unsigned char>& ico) {
    std::map<int, std::vector<unsigned char>> images;
    if (ico.size() < 6) return images;
    const int count = ico[4] | ico[5] << 8;
    for (int i = 0; i < count; ++i) {
        const unsigned char* entry = &ico[6 + 16 * i];
        std::uint32_t size = 0, offset = 0;
        std::memcpy(&size, entry + 8, 4);
        std::memcpy(&offset, entry + 12, 4);
        if (offset + size > ico.size()) break;
        images[entry[0] ? entry[0] : 256].assign(&ico[offset], &ico[offset] + size);
    }
    return images;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// side -> the image bytes of each icon in the program's icon group 1.
std::map<int, std::vector<unsigned char>> programIcons(HMODULE program) {
    std::map<int, std::vector<unsigned char>> images;
    HRSRC group = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (!group) return images;
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(program, group)));
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 3);
    for (int i = 0; i < header[2]; ++i) {
        HRSRC icon = FindResourceA(program, MAKEINTRESOURCEA(entries[i].id), MAKEINTRESOURCEA(3));  // RT_ICON
        if (!icon) continue;
        const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(program, icon)));
        images[entries[i].width ? entries[i].width : 256].assign(bytes, bytes + SizeofResource(program, icon));
    }
    return images;
}

std::string versionString(const std::string& path, const char* name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (!size) return "";
    std::vector<char> info(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return "";
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) return "";
    return std::string(value);
}

class ProgramResources : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(ProgramResources, CarriesTheCatIconAtEverySizeExplorerAsksFor) {
    const std::string path = programPath(GetParam());
    HMODULE program = LoadLibraryExA(path.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr) << path;
    const auto carried = programIcons(program);
    const auto drawn = icoImages(fileBytes(ZEPHRA_SOURCE_DIR "/data/desktop/pouncer.ico"));
    ASSERT_FALSE(drawn.empty());
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        ASSERT_TRUE(carried.count(side)) << side << " x " << side << " is missing";
        EXPECT_TRUE(carried.at(side) == drawn.at(side)) << side << " x " << side << " is not our cat";
    }
    FreeLibrary(program);
    EXPECT_GE(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0), 1u);
}

TEST_P(ProgramResources, CarriesTheVersionAndTheLicence) {
    const std::string path = programPath(GetParam());
    EXPECT_EQ(versionString(path, "ProductVersion"), POUNCER_VERSION);
    EXPECT_EQ(versionString(path, "FileVersion"), POUNCER_VERSION);
    EXPECT_EQ(versionString(path, "ProductName"), "Pouncer");
    EXPECT_EQ(versionString(path, "OriginalFilename"), GetParam());
    EXPECT_NE(versionString(path, "LegalCopyright").find("zlib"), std::string::npos);

    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, info.size(), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string numeric = std::to_string(HIWORD(fixed->dwProductVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwProductVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwProductVersionLS));
    EXPECT_EQ(numeric, POUNCER_VERSION);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramResources,
                         ::testing::Values("pouncer.exe", "pouncer_windowed.exe"));

TEST(GameWindowIcon, IsTheProgramsOwnIcon) {
    // This suite carries the game's resources, as the game does.
    HICON own = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    ASSERT_NE(own, nullptr);
    Zephra::Window window(64, 64, true);
    HWND hwnd = static_cast<HWND>(window.getNativeHandle());
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON)), own);
    EXPECT_NE(own, LoadIconA(nullptr, IDI_WINLOGO));
}
