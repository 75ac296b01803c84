#include "base/semantics.h"

#include <cstdlib>

namespace cgc {
namespace {

// "TEXCOORD3" -> 3 for prefix "TEXCOORD"; a bare prefix counts as 0.
bool numbered(const std::string& semantic, const char* prefix, int limit, int& number) {
    std::string p = prefix;
    if (semantic.compare(0, p.size(), p) != 0) return false;
    std::string digits = semantic.substr(p.size());
    if (digits.empty()) {
        number = 0;
        return true;
    }
    if (digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    number = std::atoi(digits.c_str());
    return number < limit;
}

bool oneOf(const std::string& s, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (s == n) return true;
    return false;
}

}  // namespace

bool bindSemantic(Stage stage, bool output, const std::string& s, SemanticBinding& b) {
    int n = 0;
    b = SemanticBinding{};
    auto set = [&](std::string glsl, int size) {
        b.glsl = std::move(glsl);
        b.size = size;
        return true;
    };
    bool texcoord = numbered(s, "TEXCOORD", 8, n) || numbered(s, "TEX", 8, n);
    if (stage == Stage::Vertex && !output) {
        if (oneOf(s, {"POSITION", "POSITION0", "ATTR0"})) return set("gl_Vertex", 4);
        if (oneOf(s, {"NORMAL", "NORMAL0"})) return set("gl_Normal", 3);
        if (oneOf(s, {"COLOR", "COLOR0", "DIFFUSE"})) return set("gl_Color", 4);
        if (oneOf(s, {"COLOR1", "SPECULAR"})) return set("gl_SecondaryColor", 4);
        if (numbered(s, "TEXCOORD", 8, n)) return set("gl_MultiTexCoord" + std::to_string(n), 4);
        if (numbered(s, "ATTR", 16, n) && n > 0 && s != "ATTR") {
            b.attribute = n;
            return set("a_attr" + std::to_string(n), 4);
        }
        return false;
    }
    if (stage == Stage::Vertex) {
        if (oneOf(s, {"POSITION", "POSITION0", "HPOS"})) return set("gl_Position", 4);
        if (oneOf(s, {"COLOR", "COLOR0", "COL0", "COL"})) return set("gl_FrontColor", 4);
        if (oneOf(s, {"COLOR1", "COL1"})) return set("gl_FrontSecondaryColor", 4);
        if (texcoord) return set("gl_TexCoord[" + std::to_string(n) + "]", 4);
        if (oneOf(s, {"PSIZE", "PSIZ"})) return set("gl_PointSize", 1);
        return false;
    }
    if (!output) {
        if (oneOf(s, {"COLOR", "COLOR0", "COL0", "COL"})) return set("gl_Color", 4);
        if (oneOf(s, {"COLOR1", "COL1"})) return set("gl_SecondaryColor", 4);
        if (texcoord) return set("gl_TexCoord[" + std::to_string(n) + "]", 4);
        // A vertex output struct passed on whole brings its POSITION along.
        if (oneOf(s, {"WPOS", "POSITION", "POSITION0", "HPOS"})) return set("gl_FragCoord", 4);
        return false;
    }
    if (oneOf(s, {"COLOR", "COLOR0", "COL0", "COL"})) return set("gl_FragColor", 4);
    if (oneOf(s, {"DEPTH", "DEPR"})) return set("gl_FragDepth", 1);
    return false;
}

}  // namespace cgc
