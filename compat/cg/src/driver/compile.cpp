#include "driver/compile.h"

#include "base/diagnostics.h"
#include "check/checker.h"
#include "check/entry_point.h"
#include "check/parameter_tree.h"
#include "generate/glsl_es.h"
#include "generate/program_writer.h"
#include "parse/node_arena.h"
#include "parse/parser.h"
#include "preprocess/include_files.h"
#include "preprocess/preprocessor.h"

namespace cgc {

CompileOutput compileProgram(const std::string& source, Stage stage, const std::string& entry,
                             const std::vector<std::string>& args, const SourceInfo& info,
                             const ProfileRules& rules) {
    CompileOutput out;
    Diagnostics diag;
    PreprocessOptions options;
    options.path = info.path;
    options.includeSource = info.includeSource;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-I" && i + 1 < args.size()) {
            options.includeDirs.push_back(args[++i]);
        } else if (a.compare(0, 2, "-I") == 0 && a.size() > 2) {
            options.includeDirs.push_back(a.substr(2));
        } else if (a.compare(0, 2, "-D") == 0 && a.size() > 2) {
            size_t eq = a.find('=');
            options.defines.emplace_back(a.substr(2, eq == std::string::npos ? std::string::npos : eq - 2),
                                         eq == std::string::npos ? "1" : a.substr(eq + 1));
        }
        // Other options change nothing here.
    }
    NodeArena arena;  // outlives the module below
    try {
        std::unique_ptr<TokenStream> tokens = preprocess(source, options, diag);
        Module module = parse(*tokens, diag);
        tokens.reset();
        if (!diag.hasErrors()) {
            checkModule(module, diag);
            EntryInterface interface;
            if (!diag.hasErrors() && analyzeEntry(module, stage, entry, diag, interface, rules)) {
                out.glsl = writeProgram(module, interface, stage);
                if (rules.es) out.glsl = toGlslEs(out.glsl, stage);
                out.parameters = parameterTree(module, interface);
                out.uniforms = std::move(interface.uniforms);
                out.attributes = std::move(interface.attributes);
                out.ok = true;
            }
        }
    } catch (const CompileAbort&) {
        out.ok = false;
    }
    if (diag.hasErrors()) out.ok = false;
    out.listing = diag.listing();
    return out;
}

}  // namespace cgc

bool cgc::readSourceFile(const std::string& path, std::string& text) { return readFile(path, text); }
