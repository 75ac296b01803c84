// The game's Debian package as its tests see it: the file list, the control
// fields, a copy unpacked into a temporary folder, and desktop entries.
#pragma once

#include <map>
#include <set>
#include <string>

#include "temp_dir.h"

// Paths as dpkg-deb -c lists them, without the leading "." ("/usr/bin/pouncer");
// folders end in "/".
std::set<std::string> packageContents(const std::string& deb);
// One control field (Depends, Version, ...); empty when the field is absent.
std::string packageField(const std::string& deb, const std::string& field);

// dpkg-deb -x into a fresh temporary folder, removed again with this object.
class UnpackedPackage {
public:
    explicit UnpackedPackage(const std::string& deb);

    // The folder that stands for the root of the installed system.
    std::string root() const { return folder.path().string(); }

private:
    TempDir folder;
};

// The keys of a desktop entry file's [Desktop Entry] group.
std::map<std::string, std::string> readDesktopEntry(const std::string& file);
