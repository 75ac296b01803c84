// The context's own include files, the include callback, and programs read
// from files.
#include <new>

#include "driver/compile.h"
#include "runtime/runtime_state.h"

using namespace cgrt;

cgc::IncludeSource cgrt::includeSourceOf(CGcontext context) {
    return [context](const std::string& name, std::string& path, std::string& text) {
        auto lookUp = [&] {
            auto found = context->includeTexts.find(name);
            if (found == context->includeTexts.end()) return false;
            path = name;
            text = found->second;
            return true;
        };
        if (lookUp()) return true;
        if (!context->includeCallback) return false;
        context->includeCallback(context, name.c_str());
        // The callback may have destroyed the context; then nothing is found.
        return validContext(context) && lookUp();
    };
}

extern "C" {

void cgSetCompilerIncludeString(CGcontext context, const char* name, const char* source) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    if (!name) return raise(CG_INVALID_PARAMETER_ERROR);
    if (source) context->includeTexts[name] = source;
    else context->includeTexts.erase(name);
}

void cgSetCompilerIncludeFile(CGcontext context, const char* name, const char* filename) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    if (!name || !filename) return raise(CG_INVALID_PARAMETER_ERROR);
    std::string text;
    if (!cgc::readSourceFile(filename, text)) return raise(CG_FILE_READ_ERROR);
    context->includeTexts[name] = std::move(text);
}

void cgSetCompilerIncludeCallback(CGcontext context, CGIncludeCallbackFunc func) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    context->includeCallback = func;
}

CGIncludeCallbackFunc cgGetCompilerIncludeCallback(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    return context->includeCallback;
}

CGprogram cgCreateProgramFromFile(CGcontext context, CGenum programType, const char* programFile,
                                  CGprofile profile, const char* entry, const char** args) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    std::string text;
    if (!programFile) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return nullptr;
    }
    try {
        if (!cgc::readSourceFile(programFile, text)) {
            raise(CG_FILE_READ_ERROR);
            return nullptr;
        }
    } catch (const std::bad_alloc&) {
        raise(CG_MEMORY_ALLOC_ERROR);
        return nullptr;
    }
    return createProgram(context, programType, text.c_str(), profile, entry, args, programFile);
}

}  // extern "C"
