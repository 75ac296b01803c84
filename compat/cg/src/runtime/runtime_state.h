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

struct _CGbuffer;

struct _CGcontext {
    std::vector<std::unique_ptr<_CGprogram>> programs;
    std::vector<std::unique_ptr<_CGparameter>> sharedParameters;  // cgCreateParameter*, with their children
    std::vector<std::unique_ptr<_CGbuffer>> buffers;
    std::string listing;
    bool hasListing = false;
    std::map<std::string, std::string> includeTexts;  // name -> source, for #include
    CGIncludeCallbackFunc includeCallback = nullptr;
    CGenum settingMode = CG_IMMEDIATE_PARAMETER_SETTING;
    CGenum autoCompile = CG_COMPILE_IMMEDIATE;
    CGbehavior behavior = CG_BEHAVIOR_2200;
    bool manageTextures = false;
    int glslVersion = 0;  // a CGGLglslversion
};

struct _CGparameter {
    _CGprogram* program = nullptr;  // null for a shared parameter of the context
    _CGcontext* context = nullptr;
    cgc::ParameterNode node;
    size_t order = 0;              // position in the program's depth-first list
    _CGparameter* parent = nullptr;
    _CGparameter* next = nullptr;  // the following sibling (or root)
    std::vector<_CGparameter*> children;  // struct members or array elements
    bool isUniformLeaf = false;    // a uniform value of its own: `leaf` is valid
    cgc::UniformLeaf leaf;
    unsigned version = 1;    // bumped on every change, so links know what to resend
    unsigned texture = 0;    // samplers: the recorded GL texture name
    std::vector<float> defaultValue;  // uniform leaves: the value the source gave
    bool literal = false;             // cgSetParameterVariability(CG_LITERAL)
    bool duplicate = false;  // in a combined program, a namesake of an earlier domain's parameter
    _CGparameter* source = nullptr;   // cgConnectParameter: the parameter this one follows
    std::vector<_CGparameter*> connectedTo;  // the parameters that follow this one
    bool isString = false;            // CG_STRING shared parameters
    std::string stringValue;
    std::string semanticOverride;     // cgSetParameterSemantic
    bool hasSemanticOverride = false;
    std::vector<double> valuesCache;  // what cgGetParameterValues last returned
    // Vertex inputs: what the semantic binds to, worked out on first use
    // (the semantic never changes), so that setting a current value every
    // frame does no string work; the generic attribute it is on ES.
    bool inputBound = false;
    bool inputBindable = false;
    cgc::SemanticBinding input;
    int esInputLocation = 0;
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
    bool compiled = true;    // false after a change that asks for a compile (literal parameters)
    int outputVertices = 0;  // cgSetProgramOutputVertices: kept, used by no profile here
    std::string path;        // the source's file, "" when given as text
    std::vector<std::string> options;  // the compiler options it was created with
    std::vector<const char*> optionList;  // the same, NULL-terminated, for cgGetProgramOptions
    // Combined programs: the programs of each domain, in the order given;
    // a domain program knows the combined program that owns it.
    std::vector<std::unique_ptr<_CGprogram>> domains;
    _CGprogram* combined = nullptr;
    bool isCombined() const { return !domains.empty(); }
};

struct _CGbuffer {
    _CGcontext* context = nullptr;
    unsigned object = 0;  // the GL buffer object
    int size = 0;
    bool managed = true;  // deleted with the buffer
    bool mapped = false;
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
    // Samplers: where the program reads whether their texture compares
    // depths, and what it was last told (-1: nothing yet).
    std::map<const _CGparameter*, int> compareLocations;
    std::map<const _CGparameter*, int> compareSent;
};

struct RuntimeState {
    CGerror error = CG_NO_ERROR;
    CGerror firstError = CG_NO_ERROR;
    std::string errorDetail;  // what is known of the last error's cause, for cgGetLastErrorString
    std::string lastErrorText;
    CGerrorCallbackFunc callback = nullptr;
    CGerrorHandlerFunc handler = nullptr;
    void* handlerData = nullptr;
    _CGcontext* callContext = nullptr;  // the context of the handle last found valid
    bool glDebug = false;
    CGenum lockingPolicy = CG_THREAD_SAFE_POLICY;
    CGenum semanticCasePolicy = CG_FORCE_UPPER_CASE_POLICY;
    std::set<const _CGcontext*> contexts;
    std::set<const _CGprogram*> programs;
    std::set<const _CGparameter*> parameters;
    std::set<const _CGbuffer*> buffers;
    bool vertexEnabled = false, fragmentEnabled = false;
    _CGprogram* boundVertex = nullptr;
    _CGprogram* boundFragment = nullptr;
    std::map<std::pair<const _CGprogram*, const _CGprogram*>, std::unique_ptr<LinkedPair>> links;
    LinkedPair* active = nullptr;
};

RuntimeState& state();

// Sets the error and calls the handler and the callback, which may throw.
// Callers leave their objects consistent before they raise.
void raise(CGerror error);
// The same with a word on the cause, which cgGetLastErrorString adds.
void raise(CGerror error, const std::string& detail);

// Each also notes the handle's context as the one a following error
// concerns, or none when the handle is not valid.
bool validContext(CGcontext c);
bool validProgram(CGprogram p);
bool validParameter(CGparameter p);
bool validBuffer(CGbuffer b);
// For calls that concern no context: a following error reaches the handler
// with none. Returns false.
bool noContext();

// The context a parameter belongs to, through its program when it has one.
_CGcontext* contextOf(const _CGparameter& p);

// Compiles and registers a program; path is the source's file, "" for text.
CGprogram createProgram(CGcontext context, CGenum programType, const char* program, CGprofile profile,
                        const char* entry, const char** args, const std::string& path);
// Compiles a program that no context lists yet (raises and returns null on
// a failure); registerProgram makes its handles valid.
std::unique_ptr<_CGprogram> compileProgram(CGcontext context, const std::string& source, CGprofile profile,
                                           const std::string& entry, const std::vector<std::string>& options,
                                           const std::string& path);
void registerProgram(_CGprogram* program);
// Forgets a program's handles and GL objects (and its domains'); the caller frees it.
void unregisterProgram(_CGprogram* program);
// What #include finds among the context's own files and through its callback.
cgc::IncludeSource includeSourceOf(CGcontext context);

// Re-evaluates which pair is in use after a bind or a profile change:
// links it on first use, makes it current and sends stale values.
void updateActivePair();
// Sends one parameter to the pair in use when that pair holds its program.
void sendIfActive(_CGparameter& param);
// Sends the values of program's parameters that the pair in use has not had.
void sendStale(const _CGprogram* program);
// Forgets and deletes every link that holds program.
void dropLinks(const _CGprogram* program);
// Tells the pair in use, per sampler, whether the texture it reads compares
// depths; asked at binds and whenever the runtime binds or records a texture.
void refreshCompareModes();

}  // namespace cgrt
