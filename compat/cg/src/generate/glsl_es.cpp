#include "generate/glsl_es.h"

#include <cctype>
#include <set>
#include <vector>

namespace cgc {
namespace {

const int varyingCount = 10;  // cg_Color0, cg_Color1, cg_TexCoord0 to 7

bool identifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The name that ES gives a fixed-function variable of GLSL 1.20, or "".
// `index` is the number inside gl_TexCoord[n].
std::string esName(const std::string& name, int index, Stage stage, int& location) {
    location = -1;
    if (stage == Stage::Vertex) {
        if (name == "gl_Vertex") return location = 0, "cg_Vertex";
        if (name == "gl_Normal") return location = 2, "cg_Normal";
        if (name == "gl_Color") return location = 3, "cg_InColor0";
        if (name == "gl_SecondaryColor") return location = 4, "cg_InColor1";
        if (name.compare(0, 16, "gl_MultiTexCoord") == 0) {
            location = 8 + std::stoi(name.substr(16));
            return "cg_InTexCoord" + name.substr(16);
        }
        if (name == "gl_FrontColor") return "cg_Color0";
        if (name == "gl_FrontSecondaryColor") return "cg_Color1";
    } else {
        if (name == "gl_Color") return "cg_Color0";
        if (name == "gl_SecondaryColor") return "cg_Color1";
        if (name == "gl_FragColor") return "cg_FragColor";
    }
    if (name == "gl_TexCoord" && index >= 0) return "cg_TexCoord" + std::to_string(index);
    return "";
}

std::string textureFunction(const std::string& name) {
    static const char* const table[][2] = {
        {"texture2D", "texture"},          {"texture3D", "texture"},
        {"textureCube", "texture"},        {"texture2DProj", "textureProj"},
        {"texture3DProj", "textureProj"},  {"texture2DLod", "textureLod"},
        {"texture3DLod", "textureLod"},    {"textureCubeLod", "textureLod"},
        {"texture2DProjLod", "textureProjLod"}, {"texture2DGradARB", "textureGrad"},
        {"texture3DGradARB", "textureGrad"}, {"textureCubeGradARB", "textureGrad"},
    };
    for (const auto& row : table)
        if (name == row[0]) return row[1];
    return "";
}

// Rewrites identifiers outside the preprocessor lines; collects the inputs
// used (with their locations) so that they are declared once.
std::string rewriteBody(const std::string& text, Stage stage, std::set<std::pair<int, std::string>>& attributes,
                        std::set<std::string>& varyingsIn, bool& fragColor) {
    std::string out;
    out.reserve(text.size() + 256);
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (!identifierChar(c) || (i > 0 && identifierChar(text[i - 1]))) {
            out += c;
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && identifierChar(text[end])) ++end;
        std::string word = text.substr(i, end - i);
        int index = -1;
        size_t after = end;
        if (word == "gl_TexCoord" && after < text.size() && text[after] == '[') {
            size_t close = text.find(']', after);
            index = std::stoi(text.substr(after + 1, close - after - 1));
            after = close + 1;
        }
        int location = -1;
        std::string replacement = esName(word, index, stage, location);
        if (replacement.empty()) replacement = textureFunction(word);
        if (replacement.empty()) {
            out += word;
            i = end;
            continue;
        }
        if (location >= 0) attributes.insert({location, replacement});
        else if (stage == Stage::Fragment && replacement.compare(0, 8, "cg_Color") == 0) varyingsIn.insert(replacement);
        else if (stage == Stage::Fragment && replacement.compare(0, 11, "cg_TexCoord") == 0) varyingsIn.insert(replacement);
        if (replacement == "cg_FragColor") fragColor = true;
        out += replacement;
        i = after;
    }
    return out;
}

std::string varyingName(int i) { return i < 2 ? "cg_Color" + std::to_string(i) : "cg_TexCoord" + std::to_string(i - 2); }

}  // namespace

std::string toGlslEs(const std::string& glsl120, Stage stage) {
    // The writer's header: "#version" and "#extension" lines, then the code.
    std::string body;
    size_t at = 0;
    while (at < glsl120.size() && glsl120[at] == '#') {
        size_t eol = glsl120.find('\n', at);
        at = eol == std::string::npos ? glsl120.size() : eol + 1;
    }
    body = glsl120.substr(at);

    // Generic attributes: "attribute vec4 a_attrN;" gets its location.
    std::string declarations;
    std::string code;
    size_t line = 0;
    while (line < body.size()) {
        size_t eol = body.find('\n', line);
        std::string text = body.substr(line, eol == std::string::npos ? std::string::npos : eol - line + 1);
        line = eol == std::string::npos ? body.size() : eol + 1;
        const std::string prefix = "attribute vec4 a_attr";
        if (text.compare(0, prefix.size(), prefix) == 0) {
            int n = std::stoi(text.substr(prefix.size()));
            declarations += "layout(location = " + std::to_string(n) + ") in vec4 a_attr" + std::to_string(n) + ";\n";
            continue;
        }
        code += text;
    }

    std::set<std::pair<int, std::string>> attributes;
    std::set<std::string> varyingsIn;
    bool fragColor = false;
    code = rewriteBody(code, stage, attributes, varyingsIn, fragColor);

    std::string header = "#version 300 es\nprecision highp float;\nprecision highp int;\n"
                         "precision highp sampler3D;\n";
    for (const auto& a : attributes)
        header += "layout(location = " + std::to_string(a.first) + ") in " +
                  (a.second == "cg_Normal" ? "vec3 " : "vec4 ") + a.second + ";\n";
    if (stage == Stage::Vertex) {
        for (int v = 0; v < varyingCount; ++v) header += "out vec4 " + varyingName(v) + ";\n";
    } else {
        for (const std::string& v : varyingsIn) header += "in vec4 " + v + ";\n";
        if (fragColor) header += "layout(location = 0) out vec4 cg_FragColor;\n";
    }

    // A vertex program starts every varying at 0 and the point size at 1,
    // which ES leaves undefined when not written.
    if (stage == Stage::Vertex) {
        const std::string mainStart = "\nvoid main()\n{\n";
        size_t m = code.rfind(mainStart);
        if (m != std::string::npos) {
            std::string init;
            for (int v = 0; v < varyingCount; ++v) init += "    " + varyingName(v) + " = vec4(0.0);\n";
            init += "    gl_PointSize = 1.0;\n";
            code.insert(m + mainStart.size(), init);
        }
    }
    return header + declarations + code;
}

std::string glslEsStandIn(Stage missing) {
    if (missing == Stage::Fragment)
        return "#version 300 es\nprecision highp float;\nin vec4 cg_Color0;\n"
               "layout(location = 0) out vec4 cg_FragColor;\nvoid main()\n{\n    cg_FragColor = cg_Color0;\n}\n";
    std::string text = "#version 300 es\nlayout(location = 0) in vec4 cg_Vertex;\n"
                       "layout(location = 3) in vec4 cg_InColor0;\nlayout(location = 4) in vec4 cg_InColor1;\n";
    std::string body = "    gl_Position = cg_Vertex;\n    gl_PointSize = 1.0;\n";
    for (int v = 0; v < varyingCount; ++v) {
        std::string input = v < 2 ? "cg_InColor" + std::to_string(v) : "cg_InTexCoord" + std::to_string(v - 2);
        if (v >= 2)
            text += "layout(location = " + std::to_string(8 + v - 2) + ") in vec4 " + input + ";\n";
        text += "out vec4 " + varyingName(v) + ";\n";
        body += "    " + varyingName(v) + " = " + input + ";\n";
    }
    return text + "void main()\n{\n" + body + "}\n";
}

}  // namespace cgc
