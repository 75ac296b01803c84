// Statements and function definitions.
#include "generate/glsl_writer.h"

namespace cgc {

std::string GlslWriter::declarators(const std::vector<VarDeclPtr>& decls) {
    std::string s = type(decls[0]->type) + " ";
    for (size_t i = 0; i < decls.size(); ++i) {
        const VarDecl& v = *decls[i];
        if (i) s += ", ";
        s += variableName(v);
        if (v.type.isArray()) s += "[" + std::to_string(v.type.arraySize) + "]";
        if (v.init) s += " = " + expression(*v.init);
    }
    return s;
}

void GlslWriter::statement(const Stmt& s, int indent, std::string& out) {
    std::string pad(static_cast<size_t>(indent) * 4, ' ');
    switch (s.kind) {
    case StmtKind::Block:
        out += pad + "{\n";
        for (const StmtPtr& child : s.body) statement(*child, indent + 1, out);
        out += pad + "}\n";
        break;
    case StmtKind::Expr: out += pad + expression(*s.expr) + ";\n"; break;
    case StmtKind::Decl:
        // Declarators of one statement share a type only up to arrays.
        for (const VarDeclPtr& v : s.decls) {
            out += pad + declaration(v->type, variableName(*v));
            if (v->init) out += " = " + expression(*v->init);
            out += ";\n";
        }
        break;
    case StmtKind::If:
        out += pad + "if (" + expression(*s.expr) + ")\n";
        statement(*s.then, s.then->kind == StmtKind::Block ? indent : indent + 1, out);
        if (s.otherwise) {
            out += pad + "else\n";
            statement(*s.otherwise, s.otherwise->kind == StmtKind::Block ? indent : indent + 1, out);
        }
        break;
    case StmtKind::For: {
        std::string init;
        if (s.init->kind == StmtKind::Decl) init = declarators(s.init->decls);
        else if (s.init->kind == StmtKind::Expr) init = expression(*s.init->expr);
        out += pad + "for (" + init + "; " + (s.expr ? expression(*s.expr) : std::string()) + "; " +
               (s.step ? expression(*s.step) : std::string()) + ")\n";
        statement(*s.then, s.then->kind == StmtKind::Block ? indent : indent + 1, out);
        break;
    }
    case StmtKind::While:
        out += pad + "while (" + expression(*s.expr) + ")\n";
        statement(*s.then, s.then->kind == StmtKind::Block ? indent : indent + 1, out);
        break;
    case StmtKind::DoWhile:
        out += pad + "do\n";
        statement(*s.then, s.then->kind == StmtKind::Block ? indent : indent + 1, out);
        out += pad + "while (" + expression(*s.expr) + ");\n";
        break;
    case StmtKind::Return: out += pad + (s.expr ? "return " + expression(*s.expr) : std::string("return")) + ";\n"; break;
    case StmtKind::Discard: out += pad + "discard;\n"; break;
    case StmtKind::Break: out += pad + "break;\n"; break;
    case StmtKind::Continue: out += pad + "continue;\n"; break;
    case StmtKind::Empty: break;
    }
}

std::string GlslWriter::function(const FunctionDecl& f, bool prototypeOnly) {
    std::string s = type(f.returnType) + " " + functionName(f) + "(";
    for (size_t i = 0; i < f.params.size(); ++i) {
        const VarDecl& p = *f.params[i];
        s += i ? ", " : "";
        s += p.isOut ? (p.isIn ? "inout " : "out ") : "in ";
        s += declaration(p.type, variableName(p));
    }
    s += ")";
    if (prototypeOnly) return s + ";\n";
    s += "\n";
    statement(*f.body, 0, s);
    return s;
}

std::string GlslWriter::helpers() const {
    std::string s;
    // Cg's fmod keeps the sign of x (truncating division), unlike GLSL's mod.
    for (const std::string& t : helperTypes[0])
        s += t + " cg_fmod(" + t + " x, " + t + " y)\n{\n    " + t + " q = x / y;\n    return x - y * (sign(q) * floor(abs(q)));\n}\n";
    for (const std::string& t : helperTypes[1]) {
        std::string test = t == "float" ? "x < 0.0" : "any(lessThan(x, " + t + "(0.0)))";
        s += "void cg_clip(" + t + " x)\n{\n    if (" + test + ")\n        discard;\n}\n";
    }
    if (!helperTypes[2].empty()) s += "int cg_imod(int x, int y)\n{\n    return x - y * (x / y);\n}\n";
    for (const auto& [name, code] : extraHelpers) s += code;
    return s;
}

}  // namespace cgc
