// Typing of operators, names, members, indexing, constructors and casts.
#include <algorithm>

#include "check/checker_state.h"
#include "check/gl_state.h"
#include "check/conversions.h"

namespace cgc {
namespace {

bool anyError(const Expr& e) {
    for (const ExprPtr& a : e.args)
        if (a->type.isError()) return true;
    return false;
}

bool isConstantIndex(const Expr& e, long long& value) {
    if (e.kind == ExprKind::IntLiteral) {
        value = e.intValue;
        return true;
    }
    if (e.kind == ExprKind::Convert && e.args[0]->kind == ExprKind::IntLiteral) {
        value = e.args[0]->intValue;
        return true;
    }
    return false;
}

}  // namespace

ExprPtr Checker::convertOrReport(ExprPtr e, const Type& to, const char* context) {
    if (e->type.isError() || to.isError()) return e;
    if (conversionCost(e->type, to) < 0) {
        diag.error(e->line, std::string("cannot convert ") + typeName(e->type) + " to " + typeName(to) +
                                " " + context);
        e->type = Type::error();
        return e;
    }
    warnTruncation(*e, to);
    return convertTo(std::move(e), to);
}

void Checker::warnTruncation(const Expr& e, const Type& to) {
    if (isTruncation(e.type, to))
        diag.warning(e.line, "implicit truncation of " + typeName(e.type) + " to " + typeName(to));
}

void Checker::markWritten(Expr& target) {
    Expr* root = &target;
    while ((root->kind == ExprKind::Member || root->kind == ExprKind::Index) && !root->args.empty())
        root = root->args[0].get();
    if (root->kind == ExprKind::Name && root->var) root->var->written = true;
}

ExprPtr Checker::checkAs(ExprPtr e, const Type& to, const char* context) {
    return convertOrReport(check(std::move(e)), to, context);
}

ExprPtr Checker::toCondition(ExprPtr e, const char* context) {
    e = check(std::move(e));
    if (e->type.isError()) return e;
    if (!e->type.isScalar()) {
        diag.error(e->line, std::string("the ") + context + " must be a scalar, not " + typeName(e->type));
        e->type = Type::error();
        return e;
    }
    return convertTo(std::move(e), Type::scalar(BaseType::Bool));
}

ExprPtr Checker::check(ExprPtr e) {
    if (e->kind == ExprKind::Convert) return e;  // already checked
    for (ExprPtr& a : e->args)
        if (e->kind != ExprKind::InitList) a = check(std::move(a));
    switch (e->kind) {
    case ExprKind::IntLiteral: e->type = Type::scalar(BaseType::Int); break;
    case ExprKind::FloatLiteral: e->type = Type::scalar(BaseType::Float); break;
    case ExprKind::BoolLiteral: e->type = Type::scalar(BaseType::Bool); break;
    case ExprKind::Name: checkName(*e); break;
    case ExprKind::Unary:
    case ExprKind::Postfix: checkUnary(*e); break;
    case ExprKind::Binary: checkBinary(*e); break;
    case ExprKind::Assign: checkAssign(*e); break;
    case ExprKind::Ternary: checkTernary(*e); break;
    case ExprKind::Call: checkCall(*e); break;
    case ExprKind::Construct: checkConstruct(*e); break;
    case ExprKind::Cast: checkCast(*e); break;
    case ExprKind::Member: checkMember(*e); break;
    case ExprKind::Index: checkIndex(*e); break;
    case ExprKind::InitList:
        diag.error(e->line, "an initializer list is only allowed in a declaration");
        e->type = Type::error();
        break;
    case ExprKind::Convert: break;
    }
    return e;
}

void Checker::checkName(Expr& e) {
    VarDecl* v = lookup(e.text);
    if (!v && e.text == "glstate") {
        // Built on first use, behind every declaration of the program's own.
        declareGlState(module);
        v = module.glstate.get();
    }
    if (!v) {
        reportUndeclared(e.line, "'" + e.text + "' is not declared");
        e.type = Type::error();
        return;
    }
    e.var = v;
    e.type = v->type;
    // A uniform may be changed too: the program then works on its own copy.
    e.lvalue = !v->isConst;
}

namespace {

// The variable at the root of a chain of members and constant indices.
const VarDecl* samplerRoot(const Expr& e) {
    if (e.kind == ExprKind::Name) return e.var;
    if (e.kind == ExprKind::Member) return samplerRoot(*e.args[0]);
    if (e.kind == ExprKind::Index && e.args[1]->kind == ExprKind::IntLiteral) return samplerRoot(*e.args[0]);
    return nullptr;
}

}  // namespace

bool Checker::aliasSampler(const VarDecl& v, const Expr& value, int line) {
    const VarDecl* root = samplerRoot(value);
    bool uniformRoot = root && (root->isUniform || root->alias) && !(root->isGlobal && root->written && !root->alias);
    if (!(value.type == v.type) || !uniformRoot) {
        diag.error(line, "sampler '" + v.name + "' can only name a sampler parameter or uniform (a member or "
                         "constant element of one), not a computed value");
        return false;
    }
    if (v.isGlobal && !root->isGlobal && !root->isUniform) {
        diag.error(line, "global sampler '" + v.name + "' can only name a uniform");
        return false;
    }
    v.alias = &value;
    v.aliasedIn = current;
    return true;
}

// The profile documentation gives bitwise operators to the gp4 profiles,
// which have integers: refused where an entry reaches them.
void Checker::refuseBitwise(int line) {
    static const char* const message = "bitwise operators are only available in the gp4 and newer profiles";
    if (!current) return diag.error(line, message);
    markUnavailable(line, message);
}

void Checker::checkUnary(Expr& e) {
    Expr& a = *e.args[0];
    e.type = Type::error();
    if (a.type.isError()) return;
    const char* op = spelling(e.op);
    if (e.op == Op::BitNot) {
        refuseBitwise(e.line);
        return;
    }
    if (!a.type.isNumeric()) {
        diag.error(e.line, std::string("operator '") + op + "' needs a number, not " + typeName(a.type));
        return;
    }
    switch (e.op) {
    case Op::Not:
        if (a.type.isMatrix()) {
            diag.error(e.line, "operator '!' does not take matrices");
            return;
        }
        e.type = a.type.withBase(BaseType::Bool);
        e.args[0] = convertTo(std::move(e.args[0]), e.type);
        return;
    case Op::PreIncrement:
    case Op::PreDecrement:
    case Op::PostIncrement:
    case Op::PostDecrement:
        if (!a.lvalue) {
            diag.error(e.line, std::string("operator '") + op + "' needs a variable it can change");
            return;
        }
        if (a.type.base == BaseType::Bool) {
            diag.error(e.line, std::string("operator '") + op + "' does not take bool");
            return;
        }
        markWritten(a);
        e.type = a.type;
        return;
    default:
        // Unary minus and plus; a negated bool counts as an int.
        e.type = a.type.base == BaseType::Bool ? a.type.withBase(BaseType::Int) : a.type;
        e.args[0] = convertTo(std::move(e.args[0]), e.type);
        return;
    }
}

void Checker::checkBinary(Expr& e) {
    e.type = Type::error();
    if (anyError(e)) return;
    const char* op = spelling(e.op);
    const Type& a = e.args[0]->type;
    const Type& b = e.args[1]->type;
    if (e.op == Op::Comma) {
        e.type = b;
        return;
    }
    if (isBitwise(e.op)) {
        refuseBitwise(e.line);
        return;
    }
    Type common;
    bool truncated = false;
    if (isLogical(e.op)) {
        // Component by component on vectors, as the comparisons are.
        if (!a.isNumeric() || !b.isNumeric() || a.isMatrix() || b.isMatrix() ||
            !commonType(a, b, common, truncated) || truncated) {
            diag.error(e.line, std::string("operator '") + op + "' cannot combine " + typeName(a) + " and " + typeName(b));
            return;
        }
        common = common.withBase(BaseType::Bool);
        for (ExprPtr& arg : e.args) arg = convertTo(std::move(arg), common);
        e.type = common;
        return;
    }
    if (!commonType(a, b, common, truncated)) {
        diag.error(e.line, std::string("operator '") + op + "' cannot combine " + typeName(a) + " and " + typeName(b));
        return;
    }
    if (truncated) diag.warning(e.line, "the longer vector is cut to " + typeName(common));
    if (isComparison(e.op)) {
        if (common.isMatrix()) {
            diag.error(e.line, "matrices cannot be compared");
            return;
        }
        e.args[0] = convertTo(std::move(e.args[0]), common);
        e.args[1] = convertTo(std::move(e.args[1]), common);
        e.type = common.withBase(BaseType::Bool);
        return;
    }
    // Arithmetic on bool operands counts in int.
    if (common.base == BaseType::Bool) common = common.withBase(BaseType::Int);
    if (e.op == Op::Modulo && common.base == BaseType::Int && !common.isScalar()) {
        diag.error(e.line, "operator '%' on integer vectors is not supported");
        return;
    }
    // A scalar next to a vector or matrix stays a scalar: GLSL smears it itself.
    for (ExprPtr& arg : e.args) {
        Type target = arg->type.isScalar() ? Type::scalar(common.base) : common;
        arg = convertTo(std::move(arg), target);
    }
    e.type = common;
}

void Checker::checkAssign(Expr& e) {
    e.type = Type::error();
    if (anyError(e)) return;
    Expr& left = *e.args[0];
    if (!left.lvalue) {
        std::string what = left.var && left.var->isConst ? "const '" + left.var->name + "'" : std::string("this expression");
        diag.error(e.line, "cannot assign to " + what);
        return;
    }
    const char* op = spelling(e.op);
    if (isBitwise(e.op)) {
        refuseBitwise(e.line);
        return;
    }
    Type target = left.type;
    if (e.op == Op::Assign && target.isSampler() && left.kind == ExprKind::Name && left.var->isGlobal &&
        !left.var->alias) {
        // A global sampler set once (by the entry, for helpers to use) names
        // that sampler everywhere.
        if (aliasSampler(*left.var, *e.args[1], e.line)) e.type = target;
        return;
    }
    if (target.element().isSampler() || (target.element().isStruct() && target.element().structInfo->hasSampler())) {
        diag.error(e.line, "a sampler cannot be assigned; pick the sampler where it is used");
        return;
    }
    if (e.op != Op::Assign && !target.isNumeric()) {
        diag.error(e.line, std::string("operator '") + op + "' needs a number, not " + typeName(target));
        return;
    }
    if (e.op == Op::ModuloAssign && target.base == BaseType::Int && !target.isScalar()) {
        diag.error(e.line, "operator '%=' on integer vectors is not supported");
        return;
    }
    markWritten(left);
    e.args[1] = convertOrReport(std::move(e.args[1]), target, "in the assignment");
    e.type = e.args[1]->type.isError() ? Type::error() : target;
}

void Checker::checkTernary(Expr& e) {
    e.type = Type::error();
    if (anyError(e)) return;
    const Type& c = e.args[0]->type;
    if (!c.isScalar() && !c.isVector()) {
        diag.error(e.line, "the condition of '?:' must be a scalar or a vector, not " + typeName(c));
        return;
    }
    const Type& a = e.args[1]->type;
    const Type& b = e.args[2]->type;
    Type common = a;
    bool truncated = false;
    if (!(a == b) && !commonType(a, b, common, truncated)) {
        diag.error(e.line, "the two sides of '?:' have types " + typeName(a) + " and " + typeName(b));
        return;
    }
    if (common.isSampler()) {
        diag.error(e.line, "'?:' cannot choose between samplers");
        return;
    }
    if (c.isVector()) {
        // Chooses component by component: both sides take the condition's size.
        if (common.isScalar()) common = Type::vector(common.base, c.cols);
        if (!common.isVector() || common.cols != c.cols) {
            diag.error(e.line, "a " + typeName(c) + " condition cannot choose between " + typeName(a) + " and " +
                                   typeName(b));
            return;
        }
    }
    e.args[0] = convertTo(std::move(e.args[0]), c.withBase(BaseType::Bool));
    e.args[1] = convertTo(std::move(e.args[1]), common);
    e.args[2] = convertTo(std::move(e.args[2]), common);
    e.type = common;
}

void Checker::checkMember(Expr& e) {
    e.type = Type::error();
    Expr& base = *e.args[0];
    if (base.type.isError()) return;
    const std::string& name = e.text;
    const Type& t = base.type;
    if (t.isStruct()) {
        for (const StructMember& m : t.structInfo->members)
            if (m.name == name) {
                e.memberKind = MemberKind::StructMember;
                e.type = m.type;
                e.lvalue = base.lvalue;
                return;
            }
        diag.error(e.line, "'" + typeName(t) + "' has no member '" + name + "'");
        return;
    }
    if (t.isMatrix()) {
        // _m<row><col> counts from 0, _<row><col> from 1.
        std::vector<int> parts;
        size_t i = 0;
        bool ok = !name.empty();
        while (ok && i < name.size()) {
            int origin = 1;
            if (name.compare(i, 2, "_m") == 0) {
                origin = 0;
                i += 2;
            } else if (name[i] == '_') {
                i += 1;
            } else {
                ok = false;
                break;
            }
            if (i + 2 > name.size()) {
                ok = false;
                break;
            }
            int r = name[i] - '0' - origin, c = name[i + 1] - '0' - origin;
            if (r < 0 || r >= t.rows || c < 0 || c >= t.cols) {
                ok = false;
                break;
            }
            parts.push_back(r);
            parts.push_back(c);
            i += 2;
        }
        if (!ok || parts.size() > 8) {
            diag.error(e.line, "'" + name + "' is not a valid swizzle of " + typeName(t));
            return;
        }
        e.memberKind = MemberKind::MatrixSwizzle;
        e.components = parts;
        e.type = Type::vector(BaseType::Float, static_cast<int>(parts.size() / 2));
        e.lvalue = base.lvalue && parts.size() == 2;
        return;
    }
    if (t.isScalar() || t.isVector()) {
        int size = t.isScalar() ? 1 : t.cols;
        // stpq is GLSL's set, met in shaders written for both languages:
        // taken with a warning, as xyzw.
        static const char* const sets[] = {"xyzw", "rgba", "stpq"};
        std::vector<int> comps;
        bool ok = name.size() <= 4;
        bool glslSet = false;
        for (const char* set : sets) {
            glslSet = set == sets[2];
            comps.clear();
            ok = name.size() <= 4;
            for (char ch : name) {
                const char* at = std::char_traits<char>::find(set, 4, ch);
                if (!at || at - set >= size) {
                    ok = false;
                    break;
                }
                comps.push_back(static_cast<int>(at - set));
            }
            if (ok) break;
        }
        if (!ok) {
            diag.error(e.line, "'" + name + "' is not a valid swizzle of " + typeName(t));
            return;
        }
        if (glslSet) {
            diag.warning(e.line, "'" + name + "' is a GLSL swizzle: taken as its xyzw components");
            e.text.clear();
            for (int c : comps) e.text += "xyzw"[c];
        }
        std::vector<int> sorted = comps;
        std::sort(sorted.begin(), sorted.end());
        bool repeats = std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
        e.memberKind = t.isScalar() ? MemberKind::ScalarSwizzle : MemberKind::Swizzle;
        e.components = comps;
        e.type = Type::vector(t.base, static_cast<int>(comps.size()));
        e.lvalue = base.lvalue && !repeats && (t.isVector() || comps.size() == 1);
        return;
    }
    diag.error(e.line, "'" + typeName(t) + "' has no members");
}

void Checker::checkIndex(Expr& e) {
    e.type = Type::error();
    if (anyError(e)) return;
    const Type& t = e.args[0]->type;
    Expr& index = *e.args[1];
    if (!index.type.isScalar() || index.type.base == BaseType::Bool) {
        diag.error(e.line, "an index must be a whole number, not " + typeName(index.type));
        return;
    }
    e.args[1] = convertTo(std::move(e.args[1]), Type::scalar(BaseType::Int));
    int limit = 0;
    if (t.isArray()) {
        e.type = t.element();
        limit = t.arraySize;
    } else if (t.isVector()) {
        e.type = Type::scalar(t.base);
        limit = t.cols;
    } else if (t.isMatrix()) {
        e.type = Type::vector(BaseType::Float, t.cols);  // M[i] is row i
        limit = t.rows;
    } else {
        diag.error(e.line, "'" + typeName(t) + "' cannot be indexed");
        return;
    }
    long long value = 0;
    if (isConstantIndex(*e.args[1], value) && (value < 0 || value >= limit)) {
        diag.error(e.line, "index " + std::to_string(value) + " is out of range for " + typeName(t));
        e.type = Type::error();
        return;
    }
    e.lvalue = e.args[0]->lvalue;
}

void Checker::checkConstruct(Expr& e) {
    const Type& target = e.targetType;
    e.type = Type::error();
    if (anyError(e)) return;
    if (target.isStruct() && !target.isArray()) return checkStructConstruct(e);
    if (!target.isNumeric()) {
        diag.error(e.line, "'" + typeName(target) + "' cannot be constructed this way; use an initializer list");
        return;
    }
    if (e.args.empty()) {
        diag.error(e.line, "'" + typeName(target) + "' needs arguments");
        return;
    }
    int count = 0;
    for (const ExprPtr& a : e.args) {
        if (!a->type.isNumeric()) {
            diag.error(a->line, "cannot build " + typeName(target) + " from " + typeName(a->type));
            return;
        }
        if (a->type.isMatrix() && a->type.components() > 1 && e.args.size() > 1) {
            diag.error(a->line, "a matrix can only be converted alone");
            return;
        }
        count += a->type.components();
    }
    bool single = e.args.size() == 1;
    bool ok = count == target.components() || (single && e.args[0]->type.isScalar()) ||
              (single && conversionCost(e.args[0]->type, target) >= 0);
    if (!ok) {
        diag.error(e.line, typeName(target) + " needs " + std::to_string(target.components()) +
                               " values, " + std::to_string(count) + " given");
        return;
    }
    if (single && e.args[0]->type.components() != target.components()) {
        // A smear or a cut is a conversion.
        ExprPtr arg = std::move(e.args[0]);
        e.kind = ExprKind::Convert;
        e.args.clear();
        e.type = target;
        e.args.push_back(std::move(arg));
        return;
    }
    e.type = target;
}

// A struct built by its name, one value a member, in order: what the Cg
// language reference allows besides the initializer list.
void Checker::checkStructConstruct(Expr& e) {
    const Type& target = e.targetType;
    const std::vector<StructMember>& members = target.structInfo->members;
    if (target.structInfo->hasSampler()) {
        diag.error(e.line, "'" + typeName(target) + "' holds a sampler and cannot be built in an expression");
        return;
    }
    if (e.args.size() != members.size()) {
        diag.error(e.line, "'" + typeName(target) + "' has " + std::to_string(members.size()) + " members, " +
                               std::to_string(e.args.size()) + " values given");
        return;
    }
    for (size_t i = 0; i < members.size(); ++i) {
        std::string context = "as member '" + members[i].name + "'";
        e.args[i] = convertOrReport(std::move(e.args[i]), members[i].type, context.c_str());
        if (e.args[i]->type.isError()) return;
    }
    e.type = target;
}

void Checker::checkCast(Expr& e) {
    e.type = Type::error();
    if (anyError(e)) return;
    const Type& from = e.args[0]->type;
    if (!castAllowed(from, e.targetType)) {
        diag.error(e.line, "cannot cast " + typeName(from) + " to " + typeName(e.targetType));
        return;
    }
    e.type = e.targetType;
}

void Checker::flattenInitList(ExprPtr e, std::vector<ExprPtr>& out, int& count) {
    if (e->kind == ExprKind::InitList) {
        for (ExprPtr& a : e->args) flattenInitList(std::move(a), out, count);
        return;
    }
    e = check(std::move(e));
    if (e->type.isNumeric() && !e->type.isMatrix()) {
        count += e->type.components();
    } else if (!e->type.isError()) {
        diag.error(e->line, "an initializer value cannot be " + typeName(e->type));
        e->type = Type::error();
    }
    out.push_back(std::move(e));
}

// An array of vectors given all its values in one list, as C allows:
// each run of an element's worth of values builds one element.
ExprPtr Checker::elidedBraces(ExprPtr list, const Type& to) {
    int line = list->line;
    auto build = std::make_unique<Expr>(ExprKind::Construct, line);
    build->targetType = to;
    build->depth = list->depth;
    build->type = Type::error();
    std::vector<ExprPtr> values;
    int count = 0;
    for (ExprPtr& a : list->args) flattenInitList(std::move(a), values, count);
    for (const ExprPtr& v : values)
        if (v->type.isError()) return build;
    const Type element = to.element();
    const int per = element.components();
    if (count != per * to.arraySize) {
        diag.error(line, typeName(to) + " needs " + std::to_string(to.arraySize) + " values (or " +
                             std::to_string(per * to.arraySize) + " components), " + std::to_string(count) + " given");
        return build;
    }
    size_t next = 0;
    for (int i = 0; i < to.arraySize; ++i) {
        auto part = std::make_unique<Expr>(ExprKind::Construct, line);
        part->targetType = element;
        part->type = element;
        int have = 0;
        while (have < per) {
            have += values[next]->type.components();
            part->args.push_back(std::move(values[next++]));
        }
        if (have != per) {
            diag.error(line, "a value of " + typeName(to) + "'s list straddles two elements");
            return build;
        }
        if (element.isScalar()) build->args.push_back(convertTo(std::move(part->args[0]), element));
        else build->args.push_back(std::move(part));
    }
    build->type = to;
    return build;
}

ExprPtr Checker::checkInitializer(ExprPtr e, const Type& to) {
    if (e->kind != ExprKind::InitList) return checkAs(std::move(e), to, "in the initialization");
    int line = e->line;
    auto build = std::make_unique<Expr>(ExprKind::Construct, line);
    build->targetType = to;
    build->depth = e->depth;
    if (to.isArray() || to.isStruct()) {
        size_t expected = to.isArray() ? static_cast<size_t>(to.arraySize) : to.structInfo->members.size();
        const Type element = to.element();
        if (e->args.size() != expected && to.isArray() && element.isNumeric() && !element.isMatrix())
            return elidedBraces(std::move(e), to);
        if (e->args.size() != expected) {
            diag.error(line, typeName(to) + " needs " + std::to_string(expected) + " values, " +
                                 std::to_string(e->args.size()) + " given");
            build->type = Type::error();
            return build;
        }
        for (size_t i = 0; i < expected; ++i) {
            Type part = to.isArray() ? to.element() : to.structInfo->members[i].type;
            build->args.push_back(checkInitializer(std::move(e->args[i]), part));
        }
        build->type = to;
        return build;
    }
    if (!to.isNumeric()) {
        diag.error(line, typeName(to) + " cannot take an initializer list");
        build->type = Type::error();
        return build;
    }
    int count = 0;
    for (ExprPtr& a : e->args) flattenInitList(std::move(a), build->args, count);
    for (const ExprPtr& a : build->args)
        if (a->type.isError()) {
            build->type = Type::error();
            return build;
        }
    if (count != to.components()) {
        diag.error(line, typeName(to) + " needs " + std::to_string(to.components()) + " values, " +
                             std::to_string(count) + " given");
        build->type = Type::error();
        return build;
    }
    if (to.isScalar()) return convertTo(std::move(build->args[0]), to);
    build->type = to;
    return build;
}

}  // namespace cgc
