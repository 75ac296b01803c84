#include "runtime/uniform_upload.h"

#include "runtime/gl_api.h"

namespace cgrt {

void sendUniform(const _CGparameter& param, int location) {
    const cgc::Type& t = param.leaf.type;
    if (location < 0 || t.isSampler()) return;
    const std::vector<float>& v = param.leaf.value;
    if (t.isMatrix() && !t.isThinMatrix()) {
        // Row by row is what the transposed GLSL matrix reads column by column.
        using Upload = void (*)(GLint, GLsizei, GLboolean, const GLfloat*);
        Upload table[5][5] = {};
        table[2][2] = gl.glUniformMatrix2fv;
        table[3][3] = gl.glUniformMatrix3fv;
        table[4][4] = gl.glUniformMatrix4fv;
        table[2][3] = gl.glUniformMatrix2x3fv;
        table[3][2] = gl.glUniformMatrix3x2fv;
        table[2][4] = gl.glUniformMatrix2x4fv;
        table[4][2] = gl.glUniformMatrix4x2fv;
        table[3][4] = gl.glUniformMatrix3x4fv;
        table[4][3] = gl.glUniformMatrix4x3fv;
        if (Upload f = table[t.rows][t.cols]) f(location, 1, GL_FALSE, v.data());
        return;
    }
    // Thin matrices are float vectors in GLSL.
    int n = t.isThinMatrix() ? t.rows * t.cols : t.cols;
    if (t.base == cgc::BaseType::Float || t.isThinMatrix()) {
        using Upload = void (*)(GLint, GLsizei, const GLfloat*);
        Upload table[] = {nullptr, gl.glUniform1fv, gl.glUniform2fv, gl.glUniform3fv, gl.glUniform4fv};
        table[n](location, 1, v.data());
        return;
    }
    GLint ints[4] = {};
    for (int i = 0; i < n; ++i) ints[i] = static_cast<GLint>(v[static_cast<size_t>(i)]);
    using Upload = void (*)(GLint, GLsizei, const GLint*);
    Upload table[] = {nullptr, gl.glUniform1iv, gl.glUniform2iv, gl.glUniform3iv, gl.glUniform4iv};
    table[n](location, 1, ints);
}

}  // namespace cgrt
