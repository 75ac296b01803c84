// The game's sprite program compiles through our Cg runtime with the entry
// points and parameters the drawing code looks up.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Cg/cg.h"
#include "utils/file.h"

namespace {

class GameShader : public ::testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<char[]> text(Zephra::Utils::readText("data/shader.cg"));
        source = text.get();
        context = cgCreateContext();
    }
    void TearDown() override { cgDestroyContext(context); }

    CGprogram compile(const char* entry, CGprofile profile) {
        CGprogram program = cgCreateProgram(context, CG_SOURCE, source.c_str(), profile, entry, nullptr);
        const char* listing = cgGetLastListing(context);
        EXPECT_NE(program, nullptr) << entry << ": " << (listing ? listing : "(no listing)");
        return program;
    }

    std::string source;
    CGcontext context = nullptr;
};

}  // namespace

TEST_F(GameShader, VertexEntryCompilesForTheVertexProfile) {
    EXPECT_NE(compile("vsMain", CG_PROFILE_ARBVP1), nullptr);
}

TEST_F(GameShader, FragmentEntryCompilesWithTheTextureAndColourParameters) {
    CGprogram fragment = compile("psMain", CG_PROFILE_ARBFP1);
    ASSERT_NE(fragment, nullptr);
    EXPECT_NE(cgGetNamedParameter(fragment, "texture"), nullptr);
    EXPECT_NE(cgGetNamedParameter(fragment, "color"), nullptr);
    // The colour parameter holds what the game sets.
    const float white[4] = {1, 1, 1, 1};
    cgSetParameter4fv(cgGetNamedParameter(fragment, "color"), white);
    float back[4] = {0, 0, 0, 0};
    EXPECT_EQ(cgGetParameterValuefr(cgGetNamedParameter(fragment, "color"), 4, back), 4);
    EXPECT_EQ(back[3], 1.0f);
}
