// The parameter and profile calls without drawing: discovery, values in and
// out, the errors of misuse, and what each profile accepts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Cg/cg.h"
#include "Cg/cgGL.h"
#include "cg_context_fixture.h"

namespace {

class CgParameters : public CgContextTest {
protected:
    CGprogram compile(const char* source, CGprofile profile, const char* entry = "main") {
        CGprogram p = cgCreateProgram(context, CG_SOURCE, source, profile, entry, nullptr);
        const char* listing = cgGetLastListing(context);
        EXPECT_NE(p, nullptr) << (listing ? listing : "");
        return p;
    }
    // The error the last call raised, which must have gone through the callback once.
    CGerror raised() {
        EXPECT_EQ(callbackCalls, 1);
        callbackCalls = 0;
        return cgGetError();
    }
};

const char* vertexSource =
    "struct Light { float3 dir; float4 color; };\n"
    "struct In { float4 pos: POSITION; float2 uv: TEXCOORD0; };\n"
    "float4x4 mvp;\n"
    "float weights[3];\n"
    "Light lights[2];\n"
    "static float hidden = 1;\n"
    "float4 main(In vin, float3 n: NORMAL, uniform float2 size, uniform sampler2D tex,\n"
    "            out float4 color: COLOR0, inout float4 extra: TEXCOORD1): POSITION {\n"
    "  color = lights[1].color * weights[2] * n.x * size.x; extra += hidden;\n"
    "  return mul(mvp, vin.pos);\n"
    "}\n";

std::vector<std::string> names(CGparameter first, CGparameter (*next)(CGparameter)) {
    std::vector<std::string> out;
    for (CGparameter p = first; p; p = next(p)) out.push_back(cgGetParameterName(p));
    return out;
}

}  // namespace

TEST_F(CgParameters, TheTreeListsEntryParametersThenGlobals) {
    CGprogram p = compile(vertexSource, CG_PROFILE_ARBVP1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(names(cgGetFirstParameter(p, CG_PROGRAM), cgGetNextParameter),
              (std::vector<std::string>{"vin", "n", "size", "tex", "color", "extra", "mvp", "weights", "lights"}));
    EXPECT_EQ(names(cgGetFirstLeafParameter(p, CG_PROGRAM), cgGetNextLeafParameter),
              (std::vector<std::string>{"vin.pos", "vin.uv", "n", "size", "tex", "color", "extra", "mvp", "weights[0]",
                                        "weights[1]", "weights[2]", "lights[0].dir", "lights[0].color",
                                        "lights[1].dir", "lights[1].color"}));
    EXPECT_EQ(cgGetFirstParameter(p, CG_GLOBAL), nullptr);
    EXPECT_EQ(cgGetNamedProgramParameter(p, CG_GLOBAL, "mvp"), nullptr);
    EXPECT_EQ(cgGetNamedProgramParameter(p, CG_PROGRAM, "mvp"), cgGetNamedParameter(p, "mvp"));
    EXPECT_EQ(callbackCalls, 0);

    CGparameter vin = cgGetNamedParameter(p, "vin");
    EXPECT_EQ(cgGetParameterType(vin), CG_STRUCT);
    EXPECT_EQ(cgGetParameterVariability(vin), CG_VARYING);
    EXPECT_EQ(names(cgGetFirstStructParameter(vin), cgGetNextParameter), (std::vector<std::string>{"vin.pos", "vin.uv"}));
    EXPECT_STREQ(cgGetParameterSemantic(cgGetNamedParameter(p, "vin.uv")), "TEXCOORD0");

    CGparameter lights = cgGetNamedParameter(p, "lights");
    EXPECT_EQ(cgGetParameterType(lights), CG_ARRAY);
    EXPECT_EQ(cgGetParameterBaseType(lights), CG_STRUCT);
    EXPECT_EQ(cgGetArrayDimension(lights), 1);
    EXPECT_EQ(cgGetArraySize(lights, 0), 2);
    CGparameter second = cgGetArrayParameter(lights, 1);
    EXPECT_STREQ(cgGetParameterName(second), "lights[1]");
    EXPECT_EQ(cgGetNamedParameter(p, "lights[1].color"), cgGetNextParameter(cgGetFirstStructParameter(second)));
    EXPECT_EQ(cgGetArrayParameter(lights, 2), nullptr);
    EXPECT_EQ(raised(), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    EXPECT_EQ(cgGetArraySize(cgGetNamedParameter(p, "mvp"), 0), 0);
    EXPECT_EQ(raised(), CG_ARRAY_PARAM_ERROR);
    EXPECT_EQ(cgGetFirstStructParameter(cgGetNamedParameter(p, "mvp")), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_TYPE_ERROR);

    // A static global is the program's own, not a parameter.
    EXPECT_EQ(cgGetNamedParameter(p, "hidden"), nullptr);
    EXPECT_EQ(callbackCalls, 0);
}

TEST_F(CgParameters, EachParameterKnowsItsTypeShapeAndRole) {
    CGprogram p = compile(vertexSource, CG_PROFILE_ARBVP1);
    ASSERT_NE(p, nullptr);
    struct Expect {
        const char* name;
        CGtype type, base;
        int rows, columns;
        CGenum variability, direction;
        const char* semantic;
    } cases[] = {
        {"mvp", CG_FLOAT4x4, CG_FLOAT, 4, 4, CG_UNIFORM, CG_IN, ""},
        {"weights", CG_ARRAY, CG_FLOAT, 1, 1, CG_UNIFORM, CG_IN, ""},
        {"weights[1]", CG_FLOAT, CG_FLOAT, 1, 1, CG_UNIFORM, CG_IN, ""},
        {"lights[0].dir", CG_FLOAT3, CG_FLOAT, 1, 3, CG_UNIFORM, CG_IN, ""},
        {"size", CG_FLOAT2, CG_FLOAT, 1, 2, CG_UNIFORM, CG_IN, ""},
        {"tex", CG_SAMPLER2D, CG_SAMPLER2D, 0, 0, CG_UNIFORM, CG_IN, ""},
        {"n", CG_FLOAT3, CG_FLOAT, 1, 3, CG_VARYING, CG_IN, "NORMAL"},
        {"color", CG_FLOAT4, CG_FLOAT, 1, 4, CG_VARYING, CG_OUT, "COLOR0"},
        {"extra", CG_FLOAT4, CG_FLOAT, 1, 4, CG_VARYING, CG_INOUT, "TEXCOORD1"},
        {"vin", CG_STRUCT, CG_STRUCT, 0, 0, CG_VARYING, CG_IN, ""},
    };
    for (const Expect& e : cases) {
        SCOPED_TRACE(e.name);
        CGparameter param = cgGetNamedParameter(p, e.name);
        ASSERT_TRUE(cgIsParameter(param));
        EXPECT_EQ(cgGetParameterProgram(param), p);
        EXPECT_EQ(cgGetParameterType(param), e.type);
        EXPECT_EQ(cgGetParameterBaseType(param), e.base);
        EXPECT_EQ(cgGetParameterRows(param), e.rows);
        EXPECT_EQ(cgGetParameterColumns(param), e.columns);
        EXPECT_EQ(cgGetParameterVariability(param), e.variability);
        EXPECT_EQ(cgGetParameterDirection(param), e.direction);
        EXPECT_STREQ(cgGetParameterSemantic(param), e.semantic);
    }
    EXPECT_EQ(callbackCalls, 0);

    // Types by the numbers the Cg Toolkit gives them, both ways.
    EXPECT_EQ(CG_FLOAT4x4, 1064);
    EXPECT_EQ(CG_INT4x4, 1113);
    EXPECT_EQ(CG_BOOL4x4, 1134);
    const char* spellings[] = {"float", "float1", "float4", "float2x3", "float4x4", "int", "int1", "int3",
                               "int4x4", "bool", "bool2", "bool1x1", "half4", "fixed3x3", "sampler2D",
                               "samplerRECT", "samplerCUBE", "struct", "array"};
    for (const char* s : spellings) EXPECT_STREQ(cgGetTypeString(cgGetType(s)), s);
    EXPECT_EQ(cgGetType("float2x3"), CG_FLOAT2x3);
    EXPECT_EQ(cgGetType("int2"), CG_INT2);
    EXPECT_EQ(cgGetType("half4"), CG_HALF4);
    EXPECT_EQ(cgGetType("nothing"), CG_UNKNOWN_TYPE);
    EXPECT_STREQ(cgGetTypeString(static_cast<CGtype>(2000)), "unknown");

    CGprogram ints = compile("int3 k; bool2 b; float4 main(): COLOR { return float4(k, b.x); }", CG_PROFILE_ARBFP1);
    EXPECT_EQ(cgGetParameterType(cgGetNamedParameter(ints, "k")), CG_INT3);
    EXPECT_EQ(cgGetParameterBaseType(cgGetNamedParameter(ints, "b")), CG_BOOL);
    EXPECT_EQ(cgGetParameterType(cgGetNamedParameter(ints, "b")), CG_BOOL2);
}

TEST_F(CgParameters, HandlesOutliveNothingTheyBelongTo) {
    CGprogram p = compile(vertexSource, CG_PROFILE_ARBVP1);
    CGparameter mvp = cgGetNamedParameter(p, "mvp");
    EXPECT_TRUE(cgIsContext(context));
    EXPECT_TRUE(cgIsProgram(p));
    EXPECT_FALSE(cgIsProgram(nullptr));
    EXPECT_FALSE(cgIsParameter(nullptr));
    cgDestroyProgram(p);
    EXPECT_FALSE(cgIsProgram(p));
    EXPECT_FALSE(cgIsParameter(mvp));
    EXPECT_EQ(cgGetParameterName(mvp), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAM_HANDLE_ERROR);
    EXPECT_EQ(cgGetFirstParameter(p, CG_PROGRAM), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PROGRAM_HANDLE_ERROR);
    CGcontext other = cgCreateContext();
    cgDestroyContext(other);
    EXPECT_FALSE(cgIsContext(other));
}

TEST_F(CgParameters, ScalarAndVectorSettersOfEveryFlavour) {
    CGprogram p = compile("float4 v; float s; int2 k; float4 main(): COLOR { return v * s + k.x; }", CG_PROFILE_ARBFP1);
    CGparameter v = cgGetNamedParameter(p, "v"), s = cgGetNamedParameter(p, "s"), k = cgGetNamedParameter(p, "k");
    float f[4] = {};
    double d[4] = {};

    cgSetParameter4f(v, 1, 2, 3, 4);
    cgSetParameter2d(v, 5, 6);  // fewer values leave the rest
    cgGLGetParameter4f(v, f);
    EXPECT_EQ(std::vector<float>(f, f + 4), (std::vector<float>{5, 6, 3, 4}));
    const double three[3] = {7, 8, 9};
    cgGLSetParameter3dv(v, three);
    cgGLGetParameter4d(v, d);
    EXPECT_EQ(std::vector<double>(d, d + 4), (std::vector<double>{7, 8, 9, 4}));
    const int ints[4] = {-1, -2, -3, -4};
    cgSetParameter4iv(v, ints);
    cgGLSetParameter1f(v, 0.5f);
    cgGLGetParameter4f(v, f);
    EXPECT_EQ(std::vector<float>(f, f + 4), (std::vector<float>{0.5f, -2, -3, -4}));

    // More values than components: the extra ones are ignored, and a getter
    // asking for more leaves the caller's extra slots alone.
    cgSetParameter4f(s, 2.5f, 9, 9, 9);
    float out[4] = {-7, -7, -7, -7};
    cgGLGetParameter4f(s, out);
    EXPECT_EQ(std::vector<float>(out, out + 4), (std::vector<float>{2.5f, -7, -7, -7}));

    cgSetParameter2i(k, 3, 4);
    int back[2] = {};
    EXPECT_EQ(cgGetParameterValueir(k, 2, back), 2);
    EXPECT_EQ(back[1], 4);
    EXPECT_EQ(callbackCalls, 0);

    // Misuse names its reason and changes nothing.
    cgSetParameter1f(nullptr, 1);
    EXPECT_EQ(raised(), CG_INVALID_PARAM_HANDLE_ERROR);
    cgSetParameter4fv(v, nullptr);
    EXPECT_EQ(raised(), CG_INVALID_POINTER_ERROR);
    CGprogram q = compile("float4x4 m; float4 main(float4 c: COLOR0): COLOR { return mul(m, c); }", CG_PROFILE_ARBFP1);
    cgSetParameter4f(cgGetNamedParameter(q, "m"), 1, 2, 3, 4);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_TYPE_ERROR);
    cgSetParameter4f(cgGetNamedParameter(q, "c"), 1, 2, 3, 4);  // a fragment input has no value to set
    EXPECT_EQ(raised(), CG_CANNOT_SET_NON_UNIFORM_PARAMETER_ERROR);
}

TEST_F(CgParameters, MatricesRowsColumnsAndAllAtOnce) {
    CGprogram p = compile(
        "float2x3 m; float3x3 w[2]; float4 main(): COLOR { return float4(mul(m, float3(1, 1, 1)), w[1][2][0], 1); }",
        CG_PROFILE_ARBFP1);
    CGparameter m = cgGetNamedParameter(p, "m");
    EXPECT_EQ(cgGetParameterRows(m), 2);
    EXPECT_EQ(cgGetParameterColumns(m), 3);
    const float rows[6] = {1, 2, 3, 4, 5, 6};  // row 0: 1 2 3, row 1: 4 5 6
    cgSetMatrixParameterfr(m, rows);
    float columns[6] = {};
    cgGLGetMatrixParameterfc(m, columns);
    EXPECT_EQ(std::vector<float>(columns, columns + 6), (std::vector<float>{1, 4, 2, 5, 3, 6}));
    const double byColumn[6] = {10, 40, 20, 50, 30, 60};
    cgGLSetMatrixParameterdc(m, byColumn);
    double again[6] = {};
    cgGetMatrixParameterdr(m, again);
    EXPECT_EQ(std::vector<double>(again, again + 6), (std::vector<double>{10, 20, 30, 40, 50, 60}));

    // A whole array of matrices in one call, each matrix row by row.
    CGparameter w = cgGetNamedParameter(p, "w");
    std::vector<float> all(18);
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<float>(i);
    cgSetParameterValuefr(w, 18, all.data());
    float element[9] = {};
    cgGetMatrixParameterfr(cgGetArrayParameter(w, 1), element);
    EXPECT_EQ(element[6], 15.0f);  // second matrix, row 2, column 0
    std::vector<float> columnwise(18);
    EXPECT_EQ(cgGetParameterValuefc(w, 18, columnwise.data()), 18);
    EXPECT_EQ(columnwise[1], 3.0f);  // first matrix, column 0, row 1
    EXPECT_EQ(callbackCalls, 0);

    cgSetParameterValuefr(w, 17, all.data());
    EXPECT_EQ(raised(), CG_NOT_ENOUGH_DATA_ERROR);
    EXPECT_EQ(cgGetParameterValuefr(w, 4, all.data()), 0);
    EXPECT_EQ(raised(), CG_NOT_ENOUGH_DATA_ERROR);
    cgSetMatrixParameterfr(cgGetNamedParameter(compile("float4 c; float4 main(): COLOR { return c; }", CG_PROFILE_ARBFP1), "c"), rows);
    EXPECT_EQ(raised(), CG_NOT_MATRIX_PARAM_ERROR);
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_IDENTITY);
    EXPECT_EQ(raised(), CG_NOT_4x4_MATRIX_ERROR);
}

TEST_F(CgParameters, ArraysTakeRangesOfElements) {
    CGprogram p = compile("float4 v[4]; float s[3]; float4 main(): COLOR { return v[3] + s[2]; }", CG_PROFILE_ARBFP1);
    CGparameter v = cgGetNamedParameter(p, "v"), s = cgGetNamedParameter(p, "s");
    const float values[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    cgGLSetParameterArray4f(v, 0, 0, values);  // 0 elements: all of them
    float back[4] = {};
    cgGLGetParameter4f(cgGetArrayParameter(v, 3), back);
    EXPECT_EQ(back[0], 13.0f);
    cgGLSetParameterArray2f(v, 1, 2, values);  // two values each into elements 1 and 2
    float range[8] = {};
    cgGLGetParameterArray4f(v, 1, 2, range);
    EXPECT_EQ(std::vector<float>(range, range + 8), (std::vector<float>{1, 2, 7, 8, 3, 4, 11, 12}));
    cgGLSetParameterArray1f(s, 1, 0, values);  // from element 1 to the end
    float scalars[3] = {};
    cgGLGetParameterArray1f(s, 0, 3, scalars);
    EXPECT_EQ(std::vector<float>(scalars, scalars + 3), (std::vector<float>{0, 1, 2}));
    EXPECT_EQ(callbackCalls, 0);

    cgGLSetParameterArray4f(v, 3, 2, values);
    EXPECT_EQ(raised(), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    cgGLSetParameterArray4f(v, -1, 1, values);
    EXPECT_EQ(raised(), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    cgGLSetParameterArray4f(cgGetArrayParameter(v, 0), 0, 1, values);
    EXPECT_EQ(raised(), CG_ARRAY_PARAM_ERROR);
    cgSetParameter4fv(v, values);
    EXPECT_EQ(raised(), CG_ARRAY_PARAM_ERROR);
    cgGLGetParameter4f(cgGetArrayParameter(v, 0), back);
    EXPECT_EQ(back[0], 1.0f);  // none of the refused calls wrote anything
}

TEST_F(CgParameters, ProfilesByNameAndWhatEachAllows) {
    const struct {
        CGprofile profile;
        const char* name;
        int value;
    } profiles[] = {{CG_PROFILE_ARBVP1, "arbvp1", 6150}, {CG_PROFILE_ARBFP1, "arbfp1", 7000},
                    {CG_PROFILE_VP20, "vp20", 6146},     {CG_PROFILE_FP20, "fp20", 6147},
                    {CG_PROFILE_VP30, "vp30", 6148},     {CG_PROFILE_FP30, "fp30", 6149},
                    {CG_PROFILE_VP40, "vp40", 7001},     {CG_PROFILE_FP40, "fp40", 6151},
                    {CG_PROFILE_GLSLV, "glslv", 7007},   {CG_PROFILE_GLSLF, "glslf", 7008}};
    const char* source =
        "float4 vs(float4 p: POSITION): POSITION { return p; }\n"
        "float4 fs(float2 uv: TEXCOORD0): COLOR { return float4(uv, 0, 1); }\n";
    std::string arbVertex, arbFragment;
    for (const auto& p : profiles) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.profile, p.value);
        EXPECT_EQ(cgGetProfile(p.name), p.profile);
        EXPECT_STREQ(cgGetProfileString(p.profile), p.name);
        bool vertex = p.name[0] == 'v' || p.name[4] == 'v' || std::string(p.name) == "arbvp1";
        CGprogram prog = compile(source, p.profile, vertex ? "vs" : "fs");
        ASSERT_NE(prog, nullptr);
        EXPECT_EQ(cgGetProgramProfile(prog), p.profile);
        EXPECT_STREQ(cgGetProgramString(prog, CG_PROGRAM_PROFILE), p.name);
        // Every profile of a stage compiles to the same GLSL.
        std::string& first = vertex ? arbVertex : arbFragment;
        if (first.empty()) first = cgGetProgramString(prog, CG_COMPILED_PROGRAM);
        EXPECT_EQ(cgGetProgramString(prog, CG_COMPILED_PROGRAM), first);
        cgGLSetOptimalOptions(p.profile);
    }
    EXPECT_EQ(cgGetProfile("ps_2_0"), CG_PROFILE_UNKNOWN);
    EXPECT_EQ(cgGetProfileString(static_cast<CGprofile>(1)), nullptr);
    EXPECT_EQ(callbackCalls, 0);
    cgGLSetOptimalOptions(CG_PROFILE_UNKNOWN);
    EXPECT_EQ(raised(), CG_INVALID_PROFILE_ERROR);
    EXPECT_EQ(cgGLGetLatestProfile(static_cast<CGGLenum>(CG_GL_MODELVIEW_MATRIX)), CG_PROFILE_UNKNOWN);
    EXPECT_EQ(raised(), CG_INVALID_ENUMERANT_ERROR);

    // A vertex texture fetch: a diagnostic in the profiles without one.
    const char* fetch = "sampler2D s; float4 vs(float4 p: POSITION): POSITION { return p + tex2D(s, p.xy); }";
    for (CGprofile without : {CG_PROFILE_ARBVP1, CG_PROFILE_VP20, CG_PROFILE_VP30}) {
        EXPECT_EQ(cgCreateProgram(context, CG_SOURCE, fetch, without, "vs", nullptr), nullptr);
        EXPECT_EQ(raised(), CG_COMPILER_ERROR);
        EXPECT_NE(std::string(cgGetLastListing(context)).find("(1,67): error: texture lookups are only available in fragment"),
                  std::string::npos)
            << cgGetLastListing(context);
    }
    for (CGprofile with : {CG_PROFILE_VP40, CG_PROFILE_GLSLV}) EXPECT_NE(compile(fetch, with, "vs"), nullptr);
}

TEST_F(CgParameters, ProgramStringsByTheirToolkitNumbers) {
    EXPECT_EQ(CG_PROGRAM_SOURCE, 4104);
    EXPECT_EQ(CG_PROGRAM_ENTRY, 4105);
    EXPECT_EQ(CG_COMPILED_PROGRAM, 4106);
    EXPECT_EQ(CG_PROGRAM_PROFILE, 4107);
    const char* source = "float4 psMain(): COLOR { return 1; }";
    CGprogram p = compile(source, CG_PROFILE_FP30, "psMain");
    EXPECT_STREQ(cgGetProgramString(p, CG_PROGRAM_SOURCE), source);
    EXPECT_STREQ(cgGetProgramString(p, CG_PROGRAM_ENTRY), "psMain");
    EXPECT_STREQ(cgGetProgramString(p, CG_PROGRAM_PROFILE), "fp30");
    EXPECT_STREQ(cgGetProgramString(p, CG_SOURCE), "");
    EXPECT_EQ(raised(), CG_INVALID_ENUMERANT_ERROR);
    EXPECT_STREQ(cgGetProgramString(nullptr, CG_PROGRAM_SOURCE), "");
    EXPECT_EQ(raised(), CG_INVALID_PROGRAM_HANDLE_ERROR);
}
