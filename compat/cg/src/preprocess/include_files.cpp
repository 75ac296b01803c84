#include "preprocess/include_files.h"

#include <cstdio>
#include <sys/stat.h>

namespace cgc {
namespace {

bool absolute(const std::string& p) {
    return (!p.empty() && (p[0] == '/' || p[0] == '\\')) || (p.size() > 1 && p[1] == ':');
}

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Drops "." and "dir/.." steps, so that one file reached two ways has one
// name (for #pragma once and for listings).
std::string normalized(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    bool rooted = !path.empty() && (path[0] == '/' || path[0] == '\\');
    while (start <= path.size()) {
        size_t end = path.find_first_of("/\\", start);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..") parts.pop_back();
            else if (!rooted) parts.push_back(part);
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result = rooted ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) result += (i ? "/" : "") + parts[i];
    return result;
}

std::string join(const std::string& dir, const std::string& name) {
    if (dir.empty() || absolute(name)) return normalized(name);
    return normalized(dir + "/" + name);
}

}  // namespace

bool readFile(const std::string& path, std::string& text) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    text.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool findInclude(const std::string& name, bool quoted, const std::string& includer,
                 const std::vector<std::string>& dirs, const IncludeSource& source, std::string& path,
                 std::string& text) {
    if (name.empty()) return false;
    if (source && source(name, path, text)) return true;
    if (quoted || absolute(name)) {
        path = join(folderOf(includer), name);
        if (readFile(path, text)) return true;
    }
    if (absolute(name)) return false;
    for (const std::string& dir : dirs) {
        path = join(dir, name);
        if (readFile(path, text)) return true;
    }
    return false;
}

}  // namespace cgc
