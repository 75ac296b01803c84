#include <array>
#include <string>

#include "Cg/cgGL.h"
#include "render/matrix.h"
#include "render/program.h"
#include "render/texture.h"
#include "render_fixture.h"
#include "test_matrices.h"
#include "utils/exceptions.h"

using namespace Zephra;

namespace {

// Declares all six state names in the vertex program and uses each of them.
const char* const stateSource =
    "float4x4 StateWorld;\n"
    "float4x4 StateView;\n"
    "float4x4 StateProjection;\n"
    "float4x4 StateWorldView;\n"
    "float4x4 StateViewProjection;\n"
    "float4x4 StateComplete;\n"
    "float4 vsMain(float4 p : POSITION) : POSITION {\n"
    "    float4 sum = mul(StateWorld, p) + mul(StateView, p) + mul(StateProjection, p)\n"
    "               + mul(StateWorldView, p) + mul(StateViewProjection, p);\n"
    "    return mul(StateComplete, p) + 0.001 * sum;\n"
    "}\n"
    "float4 psMain() : COLOR { return float4(1, 1, 1, 1); }\n";

// Compiled apart, so that only the fragment program declares a state name.
const char* const plainVertexSource = "float4 vsMain(float4 p : POSITION) : POSITION { return p; }\n";
const char* const fragmentStateSource =
    "float4x4 StateWorld;\n"
    "float4 psMain() : COLOR { return StateWorld[0]; }\n";

const char* const stateNames[6] = {"StateWorld",     "StateView",           "StateProjection",
                                   "StateWorldView", "StateViewProjection", "StateComplete"};

using Values = std::array<float, 16>;

Values valuesOf(const Matrix4& m) {
    Values v;
    for (int i = 0; i < 16; ++i) v[i] = m[i];
    return v;
}

Values readBack(CGparameter parameter) {
    Values v;
    v.fill(-1);
    cgGLGetMatrixParameterfc(parameter, v.data());
    return v;
}

Matrix4 sentinel() {
    Matrix4 m;
    for (int i = 0; i < 16; ++i) m[i] = 100.0f + i;
    return m;
}

class ProgramTest : public RenderTest {
protected:
    void SetUp() override {
        stateWorld = translation(1, 2, 3);
        stateView = scale(2);
        stateProjection = translation(0, 0, -5);
    }
    void TearDown() override { resetStateMatrices(); }

    // What each state name must hold with the current state matrices.
    static std::array<Values, 6> expected() {
        return {valuesOf(stateWorld),
                valuesOf(stateView),
                valuesOf(stateProjection),
                valuesOf(stateView * stateWorld),
                valuesOf(stateProjection * stateView),
                valuesOf(stateProjection * (stateView * stateWorld))};
    }
    static void fillWithSentinel(const Program& program) {
        for (const char* name : stateNames) program.getParameter(name).setMatrix(sentinel());
    }
};

}  // namespace

TEST_F(ProgramTest, StateMatricesAreUploadedOnlyWhenTheirInputsChanged) {
    Program program(stateSource, "vsMain", "psMain");
    for (const char* name : stateNames) ASSERT_NE(program.getParameter(name).vertex, nullptr) << name;

    program.bind();
    EXPECT_TRUE(stateWorldChanged && stateViewChanged && stateProjectionChanged);
    program.applyStateMatrices();
    EXPECT_FALSE(stateWorldChanged || stateViewChanged || stateProjectionChanged);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(readBack(program.getParameter(stateNames[i]).vertex), expected()[i])
            << stateNames[i];

    // A second call in a row uploads nothing.
    fillWithSentinel(program);
    program.applyStateMatrices();
    for (const char* name : stateNames)
        EXPECT_EQ(readBack(program.getParameter(name).vertex), valuesOf(sentinel())) << name;

    // Binding again forces everything, even for the same program.
    program.bind();
    program.applyStateMatrices();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(readBack(program.getParameter(stateNames[i]).vertex), expected()[i])
            << stateNames[i];

    // A new view reaches exactly the four names that depend on it.
    fillWithSentinel(program);
    resetViewMatrix();
    program.applyStateMatrices();
    const bool dependsOnView[6] = {false, true, false, true, true, true};
    for (int i = 0; i < 6; ++i) {
        Values want = dependsOnView[i] ? expected()[i] : valuesOf(sentinel());
        EXPECT_EQ(readBack(program.getParameter(stateNames[i]).vertex), want) << stateNames[i];
    }
}

TEST_F(ProgramTest, FragmentOnlyStateParameterReceivesItsValue) {
    Program program(plainVertexSource, fragmentStateSource, "vsMain", "psMain");
    Program::Parameter world = program.getParameter("StateWorld");
    EXPECT_EQ(world.vertex, nullptr);
    ASSERT_NE(world.fragment, nullptr);
    program.bind();
    program.applyStateMatrices();
    EXPECT_EQ(readBack(world.fragment), valuesOf(stateWorld));
}

TEST_F(ProgramTest, ProgramWithoutStateNamesStillClearsTheFlags) {
    const char* source = "float4 vsMain(float4 p : POSITION) : POSITION { return p; }\n"
                         "float4 psMain() : COLOR { return float4(0, 1, 0, 1); }\n";
    Program program(source, "vsMain", "psMain");
    program.bind();
    program.applyStateMatrices();
    EXPECT_FALSE(stateWorldChanged || stateViewChanged || stateProjectionChanged);
}

TEST_F(ProgramTest, SettersReachTheProgramsThatDeclareTheName) {
    const char* source =
        "float4 tint;\n"
        "float4 vsMain(float4 p : POSITION) : POSITION { return p; }\n"
        "float4 psMain() : COLOR { return tint; }\n";
    Program program(source, "vsMain", "psMain");
    Program::Parameter tint = program.getParameter("tint");
    ASSERT_NE(tint.fragment, nullptr);
    const float values[4] = {0.25f, 0.5f, 0.75f, 1};
    tint.setFloat4(values);
    float back[4] = {};
    EXPECT_EQ(cgGetParameterValuefr(tint.fragment, 4, back), 4);
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(back[i], values[i]);

    // Undeclared names: null handles, and the setters do nothing.
    Program::Parameter unknown = program.getParameter("NoSuchName");
    EXPECT_EQ(unknown.vertex, nullptr);
    EXPECT_EQ(unknown.fragment, nullptr);
    Texture texture;
    EXPECT_NO_THROW({
        unknown.setFloat4(values);
        unknown.setMatrix(Matrix4());
        unknown.setTexture(texture);
    });
    EXPECT_EQ(cgGetError(), CG_NO_ERROR);
}

TEST_F(ProgramTest, SyntaxErrorThrowsWithTheErrorStringAndTheListing) {
    const char* broken = "float4 vsMain(float4 p : POSITION) : POSITION { return p +; }\n"
                         "float4 psMain() : COLOR { return float4(1, 1, 1, 1); }\n";
    try {
        Program program(broken, "vsMain", "psMain");
        FAIL() << "no exception";
    } catch (const Exceptions::Exception& e) {
        const std::string& message = e.getMessage();
        std::string head = std::string(cgGetErrorString(CG_COMPILER_ERROR)) + "\n";
        EXPECT_EQ(message.compare(0, head.size(), head), 0) << message;
        const char* listing =
            cgGetLastListing(reinterpret_cast<CGcontext>(device->getHandle(3)));
        ASSERT_NE(listing, nullptr);
        EXPECT_NE(std::string(listing), "");
        EXPECT_NE(message.find(listing), std::string::npos) << message;
        EXPECT_EQ(message.substr(message.size() - 2), "\n\n");
    }
}
