#include "base/naming.h"

namespace cgc {

std::string glslIdentifier(NameKind kind, const std::string& name, Stage stage) {
    std::string prefix;
    switch (kind) {
    case NameKind::Local: prefix = "l"; break;
    case NameKind::Global: prefix = "g"; break;
    case NameKind::Uniform: prefix = stage == Stage::Vertex ? "vu" : "fu"; break;
    case NameKind::Function: prefix = "f"; break;
    case NameKind::Struct: prefix = "S"; break;
    case NameKind::Member: prefix = "m"; break;
    }
    // GLSL reserves names with "__"; such names get an escaped spelling
    // under a prefix of their own, so the two sets never meet.
    if (name.find("__") == std::string::npos && name[0] != '_') return prefix + "_" + name;
    std::string escaped;
    for (char c : name) escaped += c == '_' ? std::string("_1") : std::string(1, c);
    return prefix + "x" + escaped;
}

}  // namespace cgc
