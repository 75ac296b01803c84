// Compiling a source for the "main" entry without OpenGL, and expecting a
// listing: shared by the suites that read the generated GLSL or the
// diagnostics.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver/compile.h"

namespace cgtest {

inline cgc::CompileOutput compile(const std::string& source, cgc::Stage stage = cgc::Stage::Fragment) {
    return cgc::compileProgram(source, stage, "main", {});
}

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The compile fails and its listing holds listingPart.
inline void expectError(const std::string& source, const std::string& listingPart,
                        cgc::Stage stage = cgc::Stage::Fragment) {
    cgc::CompileOutput out = compile(source, stage);
    EXPECT_FALSE(out.ok) << source;
    EXPECT_TRUE(contains(out.listing, listingPart)) << "listing was: " << out.listing;
}

}  // namespace cgtest
