// The runtime's objects behind the opaque handles, and the process-wide
// state: the last error, the callback, the bound programs and the cache of
// linked vertex/fragment pairs. Single-threaded, like the GL context it drives.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Cg/cg.h"
#include "driver/compile.h"

struct _CGcontext {
    std::vector<std::unique_ptr<_CGprogram>> programs;
    std::string listing;
    bool hasListing = false;
    std::map<std::string, std::string> includeTexts;  // name -> source, for #include
    CGIncludeCallbackFunc includeCallback = nullptr;
};

struct _CGparameter {
    _CGprogram* program = nullptr;
    cgc::ParameterNode node;
    size_t order = 0;              // position in the program's depth-first list
    _CGparameter* parent = nullptr;
    _CGparameter* next = nullptr;  // the following sibling (or root)
    std::vector<_CGparameter*> children;  // struct members or array elements
    bool isUniformLeaf = false;    // a uniform value of its own: `leaf` is valid
    cgc::UniformLeaf leaf;
    unsigned version = 1;    // bumped on every change, so links know what to resend
    unsigned texture = 0;    // samplers: the recorded GL texture name
};

struct _CGprogram {
    _CGcontext* context = nullptr;
    CGprofile profile = CG_PROFILE_UNKNOWN;
    cgc::Stage stage = cgc::Stage::Vertex;
    std::string source, entry, glsl;
    std::vector<std::unique_ptr<_CGparameter>> params;  // every parameter, depth-first
    std::vector<_CGparameter*> uniforms;                // the uniform leaves among them
    std::vector<cgc::AttributeBinding> attributes;
    unsigned shader = 0;  // GL shader object once loaded
    bool loaded = false;
};

namespace cgrt {

// One GL program object made of a vertex and a fragment program (either may
// be absent), with its uniform locations and what it was last sent.
struct LinkedPair {
    unsigned program = 0;
    _CGprogram* vertex = nullptr;
    _CGprogram* fragment = nullptr;
    std::map<const _CGparameter*, int> locations;
    std::map<const _CGparameter*, unsigned> sent;
};

struct RuntimeState {
    CGerror error = CG_NO_ERROR;
    CGerrorCallbackFunc callback = nullptr;
    std::set<const _CGcontext*> contexts;
    std::set<const _CGprogram*> programs;
    std::set<const _CGparameter*> parameters;
    bool vertexEnabled = false, fragmentEnabled = false;
    _CGprogram* boundVertex = nullptr;
    _CGprogram* boundFragment = nullptr;
    std::map<std::pair<const _CGprogram*, const _CGprogram*>, std::unique_ptr<LinkedPair>> links;
    LinkedPair* active = nullptr;
};

RuntimeState& state();

// Sets the error and calls the callback, which may throw. Callers leave
// their objects consistent before they raise.
void raise(CGerror error);

bool validContext(CGcontext c);
bool validProgram(CGprogram p);
bool validParameter(CGparameter p);

// Compiles and registers a program; path is the source's file, "" for text.
CGprogram createProgram(CGcontext context, CGenum programType, const char* program, CGprofile profile,
                        const char* entry, const char** args, const std::string& path);
// What #include finds among the context's own files and through its callback.
cgc::IncludeSource includeSourceOf(CGcontext context);

// Re-evaluates which pair is in use after a bind or a profile change:
// links it on first use, makes it current and sends stale values.
void updateActivePair();
// Sends one parameter to the pair in use when that pair holds its program.
void sendIfActive(_CGparameter& param);
// Forgets and deletes every link that holds program.
void dropLinks(const _CGprogram* program);

}  // namespace cgrt
