#include <algorithm>
#include <cmath>

#include "check/entry_point.h"

namespace cgc {

bool constantValue(const Expr& e, std::vector<float>& out) {
    switch (e.kind) {
    case ExprKind::IntLiteral:
    case ExprKind::BoolLiteral: out.push_back(static_cast<float>(e.intValue)); return true;
    case ExprKind::FloatLiteral: out.push_back(static_cast<float>(e.floatValue)); return true;
    case ExprKind::Unary: {
        if (e.op != Op::Negate && e.op != Op::Plus) return false;
        size_t start = out.size();
        if (!constantValue(*e.args[0], out)) return false;
        if (e.op == Op::Negate)
            for (size_t i = start; i < out.size(); ++i) out[i] = -out[i];
        return true;
    }
    case ExprKind::Construct:
        for (const ExprPtr& a : e.args)
            if (!constantValue(*a, out)) return false;
        return true;
    case ExprKind::Cast:
    case ExprKind::Convert: {
        std::vector<float> inner;
        if (!constantValue(*e.args[0], inner)) return false;
        const Type& from = e.args[0]->type;
        const Type& to = e.type;
        if (!to.isNumeric() || !from.isNumeric()) return false;
        for (int r = 0; r < to.rows; ++r)
            for (int c = 0; c < to.cols; ++c) {
                float v = from.isScalar() ? inner[0]
                          : from.isMatrix() ? inner[static_cast<size_t>(r * from.cols + c)]
                                            : inner[static_cast<size_t>(c)];
                if (to.base == BaseType::Int) v = std::trunc(v);
                if (to.base == BaseType::Bool) v = v != 0.0f ? 1.0f : 0.0f;
                out.push_back(v);
            }
        return true;
    }
    case ExprKind::Name:
        // Another global's initial value: a uniform's default may be worked
        // out from the defaults before it.
        return e.var && e.var->isGlobal && e.var->init && !e.var->type.isArray() && constantValue(*e.var->init, out);
    case ExprKind::Binary: {
        if (e.op != Op::Add && e.op != Op::Subtract && e.op != Op::Multiply && e.op != Op::Divide) return false;
        if (e.args[0]->type.isMatrix() || e.args[1]->type.isMatrix()) return false;
        std::vector<float> a, b;
        if (!constantValue(*e.args[0], a) || !constantValue(*e.args[1], b)) return false;
        size_t n = std::max(a.size(), b.size());
        if ((a.size() != n && a.size() != 1) || (b.size() != n && b.size() != 1)) return false;
        for (size_t i = 0; i < n; ++i) {
            float x = a[a.size() == 1 ? 0 : i], y = b[b.size() == 1 ? 0 : i];
            float v = e.op == Op::Add ? x + y : e.op == Op::Subtract ? x - y : e.op == Op::Multiply ? x * y : x / y;
            if (e.type.base == BaseType::Int) v = std::trunc(v);
            out.push_back(v);
        }
        return true;
    }
    default: return false;
    }
}

}  // namespace cgc
