#include "check/conversions.h"

#include <algorithm>

namespace cgc {
namespace {

int baseRank(BaseType b) { return b == BaseType::Bool ? 0 : b == BaseType::Int ? 1 : 2; }

}  // namespace

int conversionCost(const Type& from, const Type& to) {
    if (from.isError() || to.isError()) return 0;
    if (from == to) return 0;
    if (!from.isNumeric() || !to.isNumeric()) return -1;
    int baseCost = from.base == to.base ? 0 : 1;
    if (from.shape == to.shape && from.rows == to.rows && from.cols == to.cols) return baseCost;
    // A one-row or one-column matrix and a vector of its size are one value.
    bool thinAndVector = (from.isThinMatrix() && !to.isMatrix()) || (to.isThinMatrix() && !from.isMatrix()) ||
                         (from.isThinMatrix() && to.isThinMatrix());
    if (thinAndVector && from.components() == to.components()) return 1 + baseCost;
    if (from.shape == Shape::Scalar) return 2 + baseCost;
    if (from.shape == Shape::Vector && to.shape == Shape::Vector && to.cols < from.cols) return 3 + baseCost;
    if (from.shape == Shape::Vector && to.shape == Shape::Scalar) return 4 + baseCost;
    if (from.shape == Shape::Matrix && to.shape == Shape::Matrix && to.rows <= from.rows &&
        to.cols <= from.cols && !to.isThinMatrix())
        return 3;
    return -1;
}

bool isTruncation(const Type& from, const Type& to) {
    if (!from.isNumeric() || !to.isNumeric() || from.isScalar()) return false;
    return to.components() < from.components();
}

bool castAllowed(const Type& from, const Type& to) {
    if (conversionCost(from, to) >= 0) return true;
    // A cast may also take the first component of a vector.
    return from.isVector() && to.isScalar();
}

ExprPtr convertTo(ExprPtr e, const Type& to) {
    if (e->type == to || e->type.isError() || to.isError()) return e;
    auto c = std::make_unique<Expr>(ExprKind::Convert, e->line);
    c->type = to;
    c->depth = e->depth + 1;
    c->args.push_back(std::move(e));
    return c;
}

// A thin matrix next to a scalar or vector counts as the vector it is held as.
static Type asVector(const Type& t, const Type& other) {
    if (!t.isThinMatrix() || other.isMatrix()) return t;
    return Type::vector(t.base, t.components());
}

bool commonType(const Type& first, const Type& second, Type& result, bool& truncated) {
    truncated = false;
    if (!first.isNumeric() || !second.isNumeric()) return false;
    Type a = asVector(first, second), b = asVector(second, first);
    BaseType base = baseRank(a.base) >= baseRank(b.base) ? a.base : b.base;
    if (a.shape == Shape::Scalar) {
        result = b.withBase(b.shape == Shape::Matrix ? BaseType::Float : base);
        return true;
    }
    if (b.shape == Shape::Scalar) {
        result = a.withBase(a.shape == Shape::Matrix ? BaseType::Float : base);
        return true;
    }
    if (a.shape != b.shape) return false;
    if (a.shape == Shape::Vector) {
        truncated = a.cols != b.cols;
        result = Type::vector(base, std::min(a.cols, b.cols));
        return true;
    }
    if (a.rows != b.rows || a.cols != b.cols) return false;
    result = a;
    return true;
}

}  // namespace cgc
