// inverse(M): GLSL 1.20 has none, so a helper per size. Our matrices hold a
// Cg matrix transposed, and the inverse of the transpose is the transpose
// of the inverse: the helper inverts what it is given.
#include "generate/glsl_writer.h"

namespace cgc {

std::string GlslWriter::inverse(const Type& m, const std::string& value) {
    std::string t = type(m);
    std::string body = t + " cg_inverse(" + t + " m)\n{\n";
    if (m.rows == 2) {
        body += "    return mat2(m[1][1], -m[0][1], -m[1][0], m[0][0]) / (m[0][0] * m[1][1] - m[0][1] * m[1][0]);\n}\n";
    } else if (m.rows == 3) {
        // The rows of the inverse are the cross products of the other two columns.
        body += "    vec3 r0 = cross(m[1], m[2]), r1 = cross(m[2], m[0]), r2 = cross(m[0], m[1]);\n"
                "    return transpose(mat3(r0, r1, r2)) / dot(m[0], r0);\n}\n";
    } else {
        // Cofactors from the 2x2 minors of the first two and the last two columns.
        body += "    float a00 = m[0][0], a01 = m[0][1], a02 = m[0][2], a03 = m[0][3];\n"
                "    float a10 = m[1][0], a11 = m[1][1], a12 = m[1][2], a13 = m[1][3];\n"
                "    float a20 = m[2][0], a21 = m[2][1], a22 = m[2][2], a23 = m[2][3];\n"
                "    float a30 = m[3][0], a31 = m[3][1], a32 = m[3][2], a33 = m[3][3];\n"
                "    float b00 = a00 * a11 - a01 * a10, b01 = a00 * a12 - a02 * a10, b02 = a00 * a13 - a03 * a10;\n"
                "    float b03 = a01 * a12 - a02 * a11, b04 = a01 * a13 - a03 * a11, b05 = a02 * a13 - a03 * a12;\n"
                "    float b06 = a20 * a31 - a21 * a30, b07 = a20 * a32 - a22 * a30, b08 = a20 * a33 - a23 * a30;\n"
                "    float b09 = a21 * a32 - a22 * a31, b10 = a21 * a33 - a23 * a31, b11 = a22 * a33 - a23 * a32;\n"
                "    float det = b00 * b11 - b01 * b10 + b02 * b09 + b03 * b08 - b04 * b07 + b05 * b06;\n"
                "    return mat4(a11 * b11 - a12 * b10 + a13 * b09, a02 * b10 - a01 * b11 - a03 * b09,\n"
                "                a31 * b05 - a32 * b04 + a33 * b03, a22 * b04 - a21 * b05 - a23 * b03,\n"
                "                a12 * b08 - a10 * b11 - a13 * b07, a00 * b11 - a02 * b08 + a03 * b07,\n"
                "                a32 * b02 - a30 * b05 - a33 * b01, a20 * b05 - a22 * b02 + a23 * b01,\n"
                "                a10 * b10 - a11 * b08 + a13 * b06, a01 * b08 - a00 * b10 - a03 * b06,\n"
                "                a30 * b04 - a31 * b02 + a33 * b00, a21 * b02 - a20 * b04 - a23 * b00,\n"
                "                a11 * b07 - a10 * b09 - a12 * b06, a00 * b09 - a01 * b07 + a02 * b06,\n"
                "                a31 * b01 - a30 * b03 - a32 * b00, a20 * b03 - a21 * b01 + a22 * b00) / det;\n}\n";
    }
    extraHelpers["cg_inverse " + t] = body;
    return "cg_inverse(" + value + ")";
}

}  // namespace cgc
