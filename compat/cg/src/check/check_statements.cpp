// Statements and declarations inside functions.
#include "check/checker_state.h"
#include "check/conversions.h"

namespace cgc {

void Checker::declare(VarDecl& v) {
    auto& scope = scopes.back();
    if (scope.count(v.name)) {
        diag.error(v.line, "'" + v.name + "' is already declared");
        return;
    }
    scope[v.name] = &v;
}

VarDecl* Checker::lookup(const std::string& name) const {
    for (auto s = scopes.rbegin(); s != scopes.rend(); ++s) {
        auto found = s->find(name);
        if (found != s->end()) return found->second;
    }
    return nullptr;
}

void Checker::checkDeclaration(VarDecl& v, bool global) {
    if (v.type.innerArraySize && ((global && v.isUniform) || v.init)) {
        diag.error(v.line, "array of arrays '" + v.name + "' can only be a local or static variable without an "
                           "initial value: GLSL 1.20 holds it as one flat array");
        declare(v);
        return;
    }
    if (v.type.isSampler() && !global && v.init) {
        // A local sampler names the sampler it starts with.
        v.init = check(std::move(v.init));
        if (!v.init->type.isError()) aliasSampler(v, *v.init, v.line);
        v.isConst = true;
    } else if (v.type.element().isSampler() && !global) {
        diag.error(v.line, "sampler '" + v.name + "' must be a global or a parameter, or name one in its initial value");
    } else if (v.type.isStruct() && v.type.structInfo->hasSampler() && !(global && v.isUniform)) {
        diag.error(v.line, "'" + v.name + "' holds a sampler and must be a uniform");
    } else if (v.init) {
        v.init = checkInitializer(std::move(v.init), v.type);
    }
    declare(v);
}

void Checker::checkStatement(Stmt& s) {
    switch (s.kind) {
    case StmtKind::Block:
        pushScope();
        for (StmtPtr& child : s.body) checkStatement(*child);
        popScope();
        break;
    case StmtKind::Expr:
        s.expr = check(std::move(s.expr));
        break;
    case StmtKind::Decl:
        for (VarDeclPtr& v : s.decls) checkDeclaration(*v, false);
        break;
    case StmtKind::If:
        s.expr = toCondition(std::move(s.expr), "condition of 'if'");
        pushScope();
        checkStatement(*s.then);
        popScope();
        if (s.otherwise) {
            pushScope();
            checkStatement(*s.otherwise);
            popScope();
        }
        break;
    case StmtKind::For:
        pushScope();
        checkStatement(*s.init);
        if (s.expr) s.expr = toCondition(std::move(s.expr), "loop condition");
        if (s.step) s.step = check(std::move(s.step));
        ++loopDepth;
        pushScope();
        checkStatement(*s.then);
        popScope();
        --loopDepth;
        popScope();
        break;
    case StmtKind::While:
    case StmtKind::DoWhile:
        s.expr = toCondition(std::move(s.expr), "loop condition");
        ++loopDepth;
        pushScope();
        checkStatement(*s.then);
        popScope();
        --loopDepth;
        break;
    case StmtKind::Return: {
        const Type& want = current->returnType;
        if (!s.expr) {
            if (want.base != BaseType::Void) diag.error(s.line, "'" + current->name + "' must return a value");
        } else if (want.base == BaseType::Void) {
            diag.error(s.line, "'" + current->name + "' returns void but a value is given");
            s.expr = check(std::move(s.expr));
        } else {
            s.expr = checkAs(std::move(s.expr), want, "in the return value");
        }
        break;
    }
    case StmtKind::Discard:
        if (!current->discardLine) current->discardLine = s.line;
        break;
    case StmtKind::Break:
    case StmtKind::Continue:
        if (loopDepth == 0) diag.error(s.line, std::string("'") + (s.kind == StmtKind::Break ? "break" : "continue") + "' outside a loop");
        break;
    case StmtKind::Empty:
        break;
    }
}

}  // namespace cgc
