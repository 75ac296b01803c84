// The process-wide table of OpenGL extension entry points that the device
// requires at start-up. Every pass looks up all 40 names in a fixed order and
// stores each result, null included; the engine calls only three of them.
#pragma once

namespace Zephra {
namespace GLEntryPoints {

constexpr int count = 40;

// The name of slot in look-up order (0 to count - 1), or null.
const char* name(int slot);

// Slots of the entries the engine calls.
enum Slot {
    VertexAttrib4fv = 3,
    MultiTexCoord4fv = 4,
    ChoosePixelFormat = 5  // "wglChoosePixelFormatARB": the platform's own chooser
};

// The entry stored for slot by the last pass, or null.
void* get(int slot);

// Resolves one name to an entry point, or null when it is not available.
using Resolver = void* (*)(const char* name);

// The default resolver: the platform's look-up. Where the platform hands
// out a stub for any name, an answer is accepted only when the current
// context really offers the function (by GL version or extension).
void* resolveInCurrentContext(const char* name);

// Replaces the resolver for later passes (tests); null restores the default.
void setResolver(Resolver resolver);

// One pass over all names; true when every one resolved.
bool lookUp();

}  // namespace GLEntryPoints
}  // namespace Zephra
