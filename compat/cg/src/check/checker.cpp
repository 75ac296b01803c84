#include "check/checker.h"

#include <algorithm>
#include <utility>

#include "check/builtins.h"
#include "check/checker_state.h"

namespace cgc {

bool sameSignature(const FunctionDecl& a, const FunctionDecl& b) {
    if (a.params.size() != b.params.size()) return false;
    for (size_t i = 0; i < a.params.size(); ++i)
        if (a.params[i]->type != b.params[i]->type || a.params[i]->isOut != b.params[i]->isOut ||
            a.params[i]->isIn != b.params[i]->isIn)
            return false;
    return true;
}

namespace {

bool anyMemberSemantic(const StructInfo& s) {
    for (const StructMember& m : s.members)
        if (!m.semantic.empty() || (m.type.structInfo && anyMemberSemantic(*m.type.structInfo))) return true;
    return false;
}

// Samplers are always uniform in Cg: a sampler parameter is uniform without
// the word, and so is a struct parameter that carries samplers and binds
// none of its members to a semantic (a host's bundle of a texture and its
// sizes), whose members would otherwise read as nothing.
bool implicitlyUniform(const VarDecl& p) {
    if (p.isUniform || p.isOut) return false;
    const Type& t = p.type.element();
    if (t.isSampler()) return true;
    return t.isStruct() && t.structInfo->hasSampler() && !anyMemberSemantic(*t.structInfo);
}

}  // namespace

void Checker::checkFunction(FunctionDecl& f) {
    current = &f;
    pushScope();
    for (VarDeclPtr& p : f.params) {
        if (implicitlyUniform(*p)) p->isUniform = true;
        declare(*p);
    }
    // The body's outer block shares the parameters' scope, as in C.
    for (StmtPtr& s : f.body->body) checkStatement(*s);
    popScope();
    current = nullptr;
}

void Checker::resolveFunctions() {
    // Prototypes point to their definition; a second definition is an error.
    // Names in order, so that the diagnostics come in a stable order.
    std::vector<std::pair<const std::string*, std::vector<FunctionDecl*>*>> byName;
    byName.reserve(functions.size());
    for (auto& [name, list] : functions) byName.emplace_back(&name, &list);
    std::sort(byName.begin(), byName.end(), [](const auto& a, const auto& b) { return *a.first < *b.first; });
    for (auto& [namePtr, listPtr] : byName) {
        const std::string& name = *namePtr;
        std::vector<FunctionDecl*>& list = *listPtr;
        for (size_t i = 0; i < list.size(); ++i) {
            FunctionDecl* f = list[i];
            for (size_t j = 0; j < i; ++j) {
                FunctionDecl* g = list[j];
                if (!sameSignature(*f, *g)) continue;
                if (f->returnType != g->returnType)
                    diag.error(f->line, "'" + name + "' is declared again with another return type");
                else if (f->body && g->body)
                    diag.error(f->line, "'" + name + "' is defined twice");
            }
        }
        for (FunctionDecl* f : list) {
            if (f->body) {
                f->definition = f;
                continue;
            }
            for (FunctionDecl* g : list)
                if (g->body && sameSignature(*f, *g)) f->definition = g;
        }
    }
}

void Checker::run() {
    pushScope();
    int index = 0;
    for (FunctionDeclPtr& f : module.functions) {
        if (findBuiltin(f->name) && !functions.count(f->name))
            diag.warning(f->line, "'" + f->name + "' hides the standard function of that name");
        auto& list = functions[f->name];
        f->overloadIndex = index++;
        list.push_back(f.get());
    }
    for (VarDeclPtr& g : module.globals) {
        if (g->type.element().isSampler() && !g->isUniform)
            diag.error(g->line, "sampler '" + g->name + "' cannot be static or const");
        checkDeclaration(*g, true);
    }
    for (FunctionDeclPtr& f : module.functions)
        if (f->body) checkFunction(*f);
    resolveFunctions();
    popScope();
    // A program with errors stops before its entry is traced: the undeclared
    // names it holds back for that are errors too, so that none goes unsaid.
    if (diag.hasErrors())
        for (FunctionDeclPtr& f : module.functions) {
            for (const auto& [line, message] : f->undeclared) diag.error(line, message);
            f->undeclared.clear();
        }
}

void checkModule(Module& module, Diagnostics& diagnostics) { Checker(module, diagnostics).run(); }

}  // namespace cgc
