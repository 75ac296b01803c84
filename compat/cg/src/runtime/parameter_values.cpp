// Parameter values in and out: scalars and vectors, matrices, arrays and the
// all-at-once value calls, in float, double and int.
#include <algorithm>

#include "Cg/cgGL.h"
#include "runtime/parameter_checks.h"
#include "runtime/vertex_inputs.h"

using namespace cgrt;

namespace {

size_t componentCount(const _CGparameter& p) { return p.leaf.value.size(); }

// Sets the first n components of a uniform scalar or vector (the rest stay),
// or the current value of a varying vertex input.
template <typename T>
void setVector(CGparameter p, int n, const T* v) {
    if (!checkParameter(p) || !checkPointer(v)) return;
    if (isVertexInput(*p)) {
        double values[4] = {0, 0, 0, 1};  // what OpenGL fills in for missing components
        for (int i = 0; i < n; ++i) values[i] = static_cast<double>(v[i]);
        return setVertexInputValue(*p, values);
    }
    if (!checkUniformValue(p)) return;
    if (p->leaf.type.isMatrix()) return raise(CG_INVALID_PARAMETER_TYPE_ERROR);
    size_t count = std::min(componentCount(*p), static_cast<size_t>(n));
    for (size_t i = 0; i < count; ++i) p->leaf.value[i] = static_cast<float>(v[i]);
    valueChanged(*p);
}

template <typename T>
void getVector(CGparameter p, int n, T* v) {
    if (!checkUniformValue(p) || !checkPointer(v)) return;
    if (p->leaf.type.isMatrix()) return raise(CG_INVALID_PARAMETER_TYPE_ERROR);
    size_t count = std::min(componentCount(*p), static_cast<size_t>(n));
    for (size_t i = 0; i < count; ++i) v[i] = static_cast<T>(p->leaf.value[i]);
}

// Index of row r, column c in an array laid out row by row or column by column.
size_t matrixIndex(const cgc::Type& t, int r, int c, bool rowMajor) {
    return static_cast<size_t>(rowMajor ? r * t.cols + c : c * t.rows + r);
}

template <typename T>
void storeLeaf(_CGparameter& p, const T* v, bool rowMajor) {
    const cgc::Type& t = p.leaf.type;
    for (int r = 0; r < t.rows; ++r)
        for (int c = 0; c < t.cols; ++c)
            p.leaf.value[static_cast<size_t>(r * t.cols + c)] = static_cast<float>(v[matrixIndex(t, r, c, rowMajor)]);
    valueChanged(p);
}

// The current value, or the source's default value.
template <typename T>
void loadLeaf(const _CGparameter& p, T* v, bool rowMajor, bool defaults = false) {
    const cgc::Type& t = p.leaf.type;
    const std::vector<float>& from = defaults ? p.defaultValue : p.leaf.value;
    for (int r = 0; r < t.rows; ++r)
        for (int c = 0; c < t.cols; ++c) {
            size_t i = static_cast<size_t>(r * t.cols + c);
            v[matrixIndex(t, r, c, rowMajor)] = static_cast<T>(i < from.size() ? from[i] : 0.0f);
        }
}

template <typename T>
void setMatrix(CGparameter p, const T* m, bool rowMajor) {
    if (!checkUniformValue(p)) return;
    if (!p->leaf.type.isMatrix()) return raise(CG_NOT_MATRIX_PARAM_ERROR);
    if (checkPointer(m)) storeLeaf(*p, m, rowMajor);
}

template <typename T>
void getMatrix(CGparameter p, T* m, bool rowMajor) {
    if (!checkUniformValue(p)) return;
    if (!p->leaf.type.isMatrix()) return raise(CG_NOT_MATRIX_PARAM_ERROR);
    if (checkPointer(m)) loadLeaf(*p, m, rowMajor);
}

// The uniform numeric leaves under p, in order; false (raised) when p is
// not a numeric value or an array of them.
bool numericLeaves(CGparameter p, std::vector<_CGparameter*>& leaves) {
    if (!checkParameter(p)) return false;
    if (p->node.kind == cgc::ParameterKind::Array) {
        for (_CGparameter* element : p->children)
            if (!numericLeaves(element, leaves)) return false;
        return true;
    }
    if (p->node.kind == cgc::ParameterKind::Struct) {
        raise(CG_INVALID_PARAMETER_TYPE_ERROR);
        return false;
    }
    if (!checkUniformValue(p)) return false;
    leaves.push_back(p);
    return true;
}

size_t totalValues(const std::vector<_CGparameter*>& leaves) {
    size_t total = 0;
    for (const _CGparameter* leaf : leaves) total += componentCount(*leaf);
    return total;
}

template <typename T>
void setValue(CGparameter p, int n, const T* v, bool rowMajor) {
    std::vector<_CGparameter*> leaves;
    if (!numericLeaves(p, leaves) || !checkPointer(v)) return;
    if (n < 0 || static_cast<size_t>(n) < totalValues(leaves)) return raise(CG_NOT_ENOUGH_DATA_ERROR);
    for (_CGparameter* leaf : leaves) {
        storeLeaf(*leaf, v, rowMajor);
        v += componentCount(*leaf);
    }
}

template <typename T>
int getValue(CGparameter p, int n, T* v, bool rowMajor, bool defaults = false) {
    std::vector<_CGparameter*> leaves;
    if (!numericLeaves(p, leaves) || !checkPointer(v)) return 0;
    size_t total = totalValues(leaves);
    if (n < 0 || static_cast<size_t>(n) < total) {
        raise(CG_NOT_ENOUGH_DATA_ERROR);
        return 0;
    }
    for (const _CGparameter* leaf : leaves) {
        loadLeaf(*leaf, v, rowMajor, defaults);
        v += componentCount(*leaf);
    }
    return static_cast<int>(total);
}

// The elements [offset, offset + count) of an array of scalars or vectors
// (or of matrices); count 0 means all from offset on.
bool arrayElements(CGparameter p, long offset, long count, bool matrices, std::vector<_CGparameter*>& elements) {
    if (!checkParameter(p)) return false;
    if (p->node.kind != cgc::ParameterKind::Array) {
        raise(CG_ARRAY_PARAM_ERROR);
        return false;
    }
    long size = static_cast<long>(p->children.size());
    if (count == 0) count = size - offset;
    if (offset < 0 || count < 0 || offset > size || count > size - offset) {
        raise(CG_OUT_OF_ARRAY_BOUNDS_ERROR);
        return false;
    }
    for (long i = offset; i < offset + count; ++i) {
        _CGparameter* e = p->children[static_cast<size_t>(i)];
        if (!checkUniformValue(e)) return false;
        if (e->leaf.type.isMatrix() != matrices) {
            raise(matrices ? CG_NOT_MATRIX_PARAM_ERROR : CG_INVALID_PARAMETER_TYPE_ERROR);
            return false;
        }
        elements.push_back(e);
    }
    return true;
}

// n values per element, of which each element takes as many as it has.
template <typename T>
void setArray(CGparameter p, int n, long offset, long count, const T* v) {
    std::vector<_CGparameter*> elements;
    if (!arrayElements(p, offset, count, false, elements) || !checkPointer(v)) return;
    for (_CGparameter* e : elements) {
        size_t used = std::min(componentCount(*e), static_cast<size_t>(n));
        for (size_t i = 0; i < used; ++i) e->leaf.value[i] = static_cast<float>(v[i]);
        valueChanged(*e);
        v += n;
    }
}

template <typename T>
void getArray(CGparameter p, int n, long offset, long count, T* v) {
    std::vector<_CGparameter*> elements;
    if (!arrayElements(p, offset, count, false, elements) || !checkPointer(v)) return;
    for (const _CGparameter* e : elements) {
        size_t used = std::min(componentCount(*e), static_cast<size_t>(n));
        for (size_t i = 0; i < used; ++i) v[i] = static_cast<T>(e->leaf.value[i]);
        v += n;
    }
}

template <typename T>
void setMatrixArray(CGparameter p, long offset, long count, const T* m, bool rowMajor) {
    std::vector<_CGparameter*> elements;
    if (!arrayElements(p, offset, count, true, elements) || !checkPointer(m)) return;
    for (_CGparameter* e : elements) {
        storeLeaf(*e, m, rowMajor);
        m += componentCount(*e);
    }
}

template <typename T>
void getMatrixArray(CGparameter p, long offset, long count, T* m, bool rowMajor) {
    std::vector<_CGparameter*> elements;
    if (!arrayElements(p, offset, count, true, elements) || !checkPointer(m)) return;
    for (const _CGparameter* e : elements) {
        loadLeaf(*e, m, rowMajor);
        m += componentCount(*e);
    }
}

// Every value of a numeric parameter or array, row by row, as doubles.
const double* allValues(CGparameter p, CGenum which, int* count) {
    if (count) *count = 0;
    if (!checkParameter(p)) return nullptr;
    if (which != CG_CURRENT && which != CG_DEFAULT && which != CG_CONSTANT) {
        raise(CG_INVALID_ENUMERANT_ERROR);
        return nullptr;
    }
    if (!checkPointer(count)) return nullptr;
    // Constants are folded into the code: no parameter of ours is one.
    if (which == CG_CONSTANT) return nullptr;
    std::vector<_CGparameter*> leaves;
    if (!numericLeaves(p, leaves)) return nullptr;
    std::vector<double>& values = p->valuesCache;
    values.assign(totalValues(leaves), 0.0);
    double* out = values.data();
    for (const _CGparameter* leaf : leaves) {
        loadLeaf(*leaf, out, true, which == CG_DEFAULT);
        out += componentCount(*leaf);
    }
    *count = static_cast<int>(values.size());
    return values.data();
}

}  // namespace

extern "C" {

#define CGRT_SETTERS(prefix, T, suffix)                                                                        \
    void prefix##1##suffix(CGparameter p, T x) { setVector<T>(p, 1, &x); }                                    \
    void prefix##2##suffix(CGparameter p, T x, T y) { const T v[] = {x, y}; setVector(p, 2, v); }             \
    void prefix##3##suffix(CGparameter p, T x, T y, T z) { const T v[] = {x, y, z}; setVector(p, 3, v); }     \
    void prefix##4##suffix(CGparameter p, T x, T y, T z, T w) { const T v[] = {x, y, z, w}; setVector(p, 4, v); } \
    void prefix##1##suffix##v(CGparameter p, const T* v) { setVector(p, 1, v); }                              \
    void prefix##2##suffix##v(CGparameter p, const T* v) { setVector(p, 2, v); }                              \
    void prefix##3##suffix##v(CGparameter p, const T* v) { setVector(p, 3, v); }                              \
    void prefix##4##suffix##v(CGparameter p, const T* v) { setVector(p, 4, v); }
CGRT_SETTERS(cgSetParameter, float, f)
CGRT_SETTERS(cgSetParameter, double, d)
CGRT_SETTERS(cgSetParameter, int, i)
CGRT_SETTERS(cgGLSetParameter, float, f)
CGRT_SETTERS(cgGLSetParameter, double, d)
#undef CGRT_SETTERS

#define CGRT_GETTERS(T, suffix)                                                     \
    void cgGLGetParameter1##suffix(CGparameter p, T* v) { getVector(p, 1, v); }     \
    void cgGLGetParameter2##suffix(CGparameter p, T* v) { getVector(p, 2, v); }     \
    void cgGLGetParameter3##suffix(CGparameter p, T* v) { getVector(p, 3, v); }     \
    void cgGLGetParameter4##suffix(CGparameter p, T* v) { getVector(p, 4, v); }
CGRT_GETTERS(float, f)
CGRT_GETTERS(double, d)
#undef CGRT_GETTERS

#define CGRT_MATRIX(prefix, T, suffix)                                                                   \
    void prefix##SetMatrixParameter##suffix##r(CGparameter p, const T* m) { setMatrix(p, m, true); }   \
    void prefix##SetMatrixParameter##suffix##c(CGparameter p, const T* m) { setMatrix(p, m, false); }  \
    void prefix##GetMatrixParameter##suffix##r(CGparameter p, T* m) { getMatrix(p, m, true); }         \
    void prefix##GetMatrixParameter##suffix##c(CGparameter p, T* m) { getMatrix(p, m, false); }
CGRT_MATRIX(cg, float, f)
CGRT_MATRIX(cg, double, d)
CGRT_MATRIX(cg, int, i)
CGRT_MATRIX(cgGL, float, f)
CGRT_MATRIX(cgGL, double, d)
#undef CGRT_MATRIX

#define CGRT_VALUES(T, suffix)                                                                                  \
    void cgSetParameterValue##suffix##r(CGparameter p, int n, const T* v) { setValue(p, n, v, true); }        \
    void cgSetParameterValue##suffix##c(CGparameter p, int n, const T* v) { setValue(p, n, v, false); }       \
    int cgGetParameterValue##suffix##r(CGparameter p, int n, T* v) { return getValue(p, n, v, true); }        \
    int cgGetParameterValue##suffix##c(CGparameter p, int n, T* v) { return getValue(p, n, v, false); }
CGRT_VALUES(float, f)
CGRT_VALUES(double, d)
CGRT_VALUES(int, i)
#undef CGRT_VALUES

#define CGRT_DEFAULTS(T, suffix)                                                                                 \
    int cgGetParameterDefaultValue##suffix##r(CGparameter p, int n, T* v) { return getValue(p, n, v, true, true); } \
    int cgGetParameterDefaultValue##suffix##c(CGparameter p, int n, T* v) { return getValue(p, n, v, false, true); }
CGRT_DEFAULTS(float, f)
CGRT_DEFAULTS(double, d)
CGRT_DEFAULTS(int, i)
#undef CGRT_DEFAULTS

const double* cgGetParameterValues(CGparameter param, CGenum value_type, int* nvalues) {
    return allValues(param, value_type, nvalues);
}

#define CGRT_ARRAYS(n, T, suffix)                                                                   \
    void cgGLSetParameterArray##n##suffix(CGparameter p, long offset, long count, const T* v) {    \
        setArray(p, n, offset, count, v);                                                           \
    }                                                                                               \
    void cgGLGetParameterArray##n##suffix(CGparameter p, long offset, long count, T* v) {          \
        getArray(p, n, offset, count, v);                                                           \
    }
CGRT_ARRAYS(1, float, f)
CGRT_ARRAYS(2, float, f)
CGRT_ARRAYS(3, float, f)
CGRT_ARRAYS(4, float, f)
CGRT_ARRAYS(1, double, d)
CGRT_ARRAYS(2, double, d)
CGRT_ARRAYS(3, double, d)
CGRT_ARRAYS(4, double, d)
#undef CGRT_ARRAYS

#define CGRT_MATRIX_ARRAYS(T, suffix)                                                                     \
    void cgGLSetMatrixParameterArray##suffix##r(CGparameter p, long offset, long count, const T* m) {    \
        setMatrixArray(p, offset, count, m, true);                                                        \
    }                                                                                                     \
    void cgGLSetMatrixParameterArray##suffix##c(CGparameter p, long offset, long count, const T* m) {    \
        setMatrixArray(p, offset, count, m, false);                                                       \
    }                                                                                                     \
    void cgGLGetMatrixParameterArray##suffix##r(CGparameter p, long offset, long count, T* m) {          \
        getMatrixArray(p, offset, count, m, true);                                                        \
    }                                                                                                     \
    void cgGLGetMatrixParameterArray##suffix##c(CGparameter p, long offset, long count, T* m) {          \
        getMatrixArray(p, offset, count, m, false);                                                       \
    }
CGRT_MATRIX_ARRAYS(float, f)
CGRT_MATRIX_ARRAYS(double, d)
#undef CGRT_MATRIX_ARRAYS

}  // extern "C"
