// The program API without drawing: errors and their handler, context
// settings, copies and combinations of programs, shared parameters and
// connections, resources, type and profile queries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Cg/cg.h"
#include "Cg/cgGL.h"
#include "cg_context_fixture.h"

namespace {

class CgProgramApi : public CgContextTest {};

const char* vertexSource =
    "struct Light { float3 dir; float4 color; };\n"
    "float4x4 mvp;\n"
    "float4 tint = {0.5, 0.25, 1, 1};\n"
    "float unused = 3;\n"
    "Light lights[2];\n"
    "float4 main(float4 pos: POSITION, float2 uv: TEXCOORD3, uniform float2 size,\n"
    "            out float4 color: COLOR0): POSITION {\n"
    "  color = lights[1].color * tint * size.x;\n"
    "  return mul(mvp, pos);\n"
    "}\n";

const char* fragmentSource =
    "sampler2D tex; float4 tint;\n"
    "float4 main(float2 uv: TEXCOORD0): COLOR { return tex2D(tex, uv) * tint; }\n";

struct HandlerCall {
    CGcontext context;
    CGerror error;
    void* data;
};
std::vector<HandlerCall> handlerCalls;
void recordingHandler(CGcontext context, CGerror error, void* data) { handlerCalls.push_back({context, error, data}); }

}  // namespace

TEST_F(CgProgramApi, ErrorsReachTheHandlerWithTheirContextAndData) {
    int data = 0;
    handlerCalls.clear();
    cgGetFirstError();  // what earlier tests left
    cgSetErrorHandler(recordingHandler, &data);
    void* got = nullptr;
    EXPECT_EQ(cgGetErrorHandler(&got), recordingHandler);
    EXPECT_EQ(got, &data);
    CGprogram p = compile(fragmentSource, CG_PROFILE_ARBFP1);
    cgGetArrayParameter(cgGetNamedParameter(p, "tint"), 0);  // not an array
    ASSERT_EQ(handlerCalls.size(), 1u);
    EXPECT_EQ(handlerCalls[0].context, context);
    EXPECT_EQ(handlerCalls[0].error, CG_ARRAY_PARAM_ERROR);
    EXPECT_EQ(handlerCalls[0].data, &data);
    EXPECT_EQ(callbackCalls, 1);  // the callback still runs, after the handler
    // A call that concerns no context, or an invalid handle, reaches it with none.
    cgGetSupportedProfile(-1);
    cgGetParameterName(nullptr);
    ASSERT_EQ(handlerCalls.size(), 3u);
    EXPECT_EQ(handlerCalls[1].context, nullptr);
    EXPECT_EQ(handlerCalls[2].context, nullptr);

    // The first error stays until it is read; the last one is the latest.
    cgDestroyProgram(nullptr);
    EXPECT_EQ(cgGetFirstError(), CG_ARRAY_PARAM_ERROR);
    EXPECT_EQ(cgGetFirstError(), CG_NO_ERROR);
    CGerror last = CG_NO_ERROR;
    const char* text = cgGetLastErrorString(&last);
    EXPECT_EQ(last, CG_INVALID_PROGRAM_HANDLE_ERROR);
    EXPECT_STREQ(text, cgGetErrorString(CG_INVALID_PROGRAM_HANDLE_ERROR));
    EXPECT_EQ(cgGetLastErrorString(&last), nullptr);  // read, and so cleared
    EXPECT_EQ(last, CG_NO_ERROR);
    cgSetErrorHandler(nullptr, nullptr);
    EXPECT_EQ(cgGetErrorHandler(nullptr), nullptr);
    EXPECT_EQ(cgGetErrorCallback(), cgGetErrorCallback());
    // Every code of the headers has its own text.
    for (int e = CG_COMPILER_ERROR; e <= CG_GLSLG_UNCOMBINED_LOAD_ERROR; ++e)
        EXPECT_STRNE(cgGetErrorString(static_cast<CGerror>(e)), "Unknown error.") << e;
}

TEST_F(CgProgramApi, ContextSettingsAreKeptAndCheckedPerContext) {
    CGcontext other = cgCreateContext();
    EXPECT_EQ(cgGetParameterSettingMode(context), CG_IMMEDIATE_PARAMETER_SETTING);
    cgSetParameterSettingMode(context, CG_DEFERRED_PARAMETER_SETTING);
    EXPECT_EQ(cgGetParameterSettingMode(context), CG_DEFERRED_PARAMETER_SETTING);
    EXPECT_EQ(cgGetParameterSettingMode(other), CG_IMMEDIATE_PARAMETER_SETTING);
    cgSetParameterSettingMode(context, CG_COMPILE_LAZY);
    EXPECT_EQ(raised(), CG_INVALID_ENUMERANT_ERROR);
    EXPECT_EQ(cgGetAutoCompile(context), CG_COMPILE_IMMEDIATE);
    cgSetAutoCompile(context, CG_COMPILE_MANUAL);
    EXPECT_EQ(cgGetAutoCompile(context), CG_COMPILE_MANUAL);
    EXPECT_EQ(cgGetContextBehavior(context), CG_BEHAVIOR_2200);
    cgSetContextBehavior(context, CG_BEHAVIOR_LATEST);
    EXPECT_EQ(cgGetContextBehavior(context), CG_BEHAVIOR_CURRENT);
    EXPECT_EQ(cgGetBehavior(cgGetBehaviorString(CG_BEHAVIOR_3000)), CG_BEHAVIOR_3000);
    EXPECT_FALSE(cgGLGetManageTextureParameters(context));
    cgGLSetManageTextureParameters(context, CG_TRUE);
    EXPECT_TRUE(cgGLGetManageTextureParameters(context));
    EXPECT_FALSE(cgGLGetManageTextureParameters(other));
    cgGLSetContextGLSLVersion(context, CG_GL_GLSL_110);
    EXPECT_EQ(cgGLGetContextGLSLVersion(context), CG_GL_GLSL_110);
    cgGLSetContextGLSLVersion(context, static_cast<CGGLglslversion>(9));
    EXPECT_EQ(raised(), CG_INVALID_ENUMERANT_ERROR);
    cgDestroyContext(other);
    cgSetParameterSettingMode(other, CG_DEFERRED_PARAMETER_SETTING);
    EXPECT_EQ(raised(), CG_INVALID_CONTEXT_HANDLE_ERROR);

    EXPECT_EQ(cgSetLockingPolicy(CG_NO_LOCKS_POLICY), CG_THREAD_SAFE_POLICY);
    EXPECT_EQ(cgSetLockingPolicy(CG_THREAD_SAFE_POLICY), CG_NO_LOCKS_POLICY);
    EXPECT_EQ(cgSetSemanticCasePolicy(CG_UNCHANGED_CASE_POLICY), CG_FORCE_UPPER_CASE_POLICY);
    EXPECT_EQ(cgSetSemanticCasePolicy(CG_FORCE_UPPER_CASE_POLICY), CG_UNCHANGED_CASE_POLICY);
    EXPECT_STREQ(cgGetString(CG_VERSION), "3.1.0013");
    EXPECT_STREQ(cgGetEnumString(CG_DEFERRED_PARAMETER_SETTING), "CG_DEFERRED_PARAMETER_SETTING");
    EXPECT_EQ(cgGetEnum("CG_COMPILE_LAZY"), CG_COMPILE_LAZY);
    EXPECT_EQ(cgGetEnum("CG_NOTHING"), CG_UNKNOWN);
    cgSetLastListing(context, "(1) : note: ours");
    EXPECT_STREQ(cgGetLastListing(context), "(1) : note: ours");
}

TEST_F(CgProgramApi, ProgramsAreListedCopiedAndCompiledAsTheModeSays) {
    const char* args[] = {"-DSCALE=2", nullptr};
    CGprogram a = compile(vertexSource, CG_PROFILE_ARBVP1, "main", args);
    CGprogram b = compile(fragmentSource, CG_PROFILE_ARBFP1);
    EXPECT_EQ(cgGetFirstProgram(context), a);
    EXPECT_EQ(cgGetNextProgram(a), b);
    EXPECT_EQ(cgGetNextProgram(b), nullptr);
    EXPECT_EQ(cgGetProgramContext(b), context);
    char const* const* options = cgGetProgramOptions(a);
    ASSERT_NE(options, nullptr);
    EXPECT_STREQ(options[0], "-DSCALE=2");
    EXPECT_EQ(options[1], nullptr);
    EXPECT_EQ(cgGetProgramInput(a), CG_VERTEX);
    EXPECT_EQ(cgGetProgramOutput(b), CG_FRAGMENT);
    EXPECT_EQ(cgGetProgramDomain(b), CG_FRAGMENT_DOMAIN);

    // A copy has the source, options and values of its original, and its own parameters.
    cgSetParameter4f(cgGetNamedParameter(a, "tint"), 1, 2, 3, 4);
    CGprogram copy = cgCopyProgram(a);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(cgGetNextProgram(b), copy);
    EXPECT_STREQ(cgGetProgramString(copy, CG_COMPILED_PROGRAM), cgGetProgramString(a, CG_COMPILED_PROGRAM));
    EXPECT_STREQ(cgGetProgramOptions(copy)[0], "-DSCALE=2");
    float v[4] = {};
    CGparameter copied = cgGetNamedParameter(copy, "tint");
    EXPECT_NE(copied, cgGetNamedParameter(a, "tint"));
    cgGLGetParameter4f(copied, v);
    EXPECT_EQ(v[3], 4.0f);
    cgDestroyProgram(a);
    EXPECT_TRUE(cgIsProgram(copy));

    // A literal parameter asks for a compile: at once, at the next use, or when asked.
    EXPECT_TRUE(cgIsProgramCompiled(copy));
    cgSetAutoCompile(context, CG_COMPILE_MANUAL);
    cgSetParameterVariability(copied, CG_LITERAL);
    EXPECT_EQ(cgGetParameterVariability(copied), CG_LITERAL);
    EXPECT_FALSE(cgIsProgramCompiled(copy));
    cgCompileProgram(copy);
    EXPECT_TRUE(cgIsProgramCompiled(copy));
    cgSetAutoCompile(context, CG_COMPILE_LAZY);
    cgSetParameterVariability(copied, CG_UNIFORM);
    EXPECT_FALSE(cgIsProgramCompiled(copy));
    cgGetProgramString(copy, CG_COMPILED_PROGRAM);  // needs the code
    EXPECT_TRUE(cgIsProgramCompiled(copy));
    cgSetAutoCompile(context, CG_COMPILE_IMMEDIATE);
    cgSetParameterVariability(copied, CG_LITERAL);
    EXPECT_TRUE(cgIsProgramCompiled(copy));
    cgSetParameterVariability(cgGetNamedParameter(copy, "pos"), CG_UNIFORM);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_VARIABILITY_ERROR);

    // Another profile of the same stage compiles the program again; another stage cannot take it.
    cgSetProgramProfile(b, CG_PROFILE_GLSLF);
    EXPECT_EQ(cgGetProgramProfile(b), CG_PROFILE_GLSLF);
    cgSetProgramProfile(b, CG_PROFILE_GLSLV);
    EXPECT_EQ(raised(), CG_INVALID_PROFILE_ERROR);
    EXPECT_EQ(cgGetProgramProfile(b), CG_PROFILE_GLSLF);
    cgSetProgramOutputVertices(b, 3);
    EXPECT_EQ(cgGetProgramOutputVertices(b), 3);
    cgEvaluateProgram(b, v, 4, 1, 1, 1);
    EXPECT_EQ(raised(), CG_INVALID_PROFILE_ERROR);
}

TEST_F(CgProgramApi, CombinedProgramsShareTheirNamesakes) {
    CGprogram v = compile(vertexSource, CG_PROFILE_ARBVP1);
    CGprogram f = compile(fragmentSource, CG_PROFILE_ARBFP1);
    CGprogram both = cgCombinePrograms2(v, f);
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(cgGetNumProgramDomains(both), 2);
    EXPECT_EQ(cgGetProgramDomainProfile(both, 0), CG_PROFILE_ARBVP1);
    EXPECT_EQ(cgGetProgramDomainProfile(both, 1), CG_PROFILE_ARBFP1);
    CGprogram fragmentDomain = cgGetProgramDomainProgram(both, 1);
    EXPECT_NE(fragmentDomain, f);  // the originals stay as they were
    EXPECT_TRUE(cgIsProgram(f));
    cgGetProgramDomainProgram(both, 2);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_ERROR);

    // "tint" is in both: one handle sets both, and walking the parameters meets it once.
    CGparameter tint = cgGetNamedParameter(both, "tint");
    ASSERT_NE(tint, nullptr);
    cgSetParameter4f(tint, 0.1f, 0.2f, 0.3f, 0.4f);
    float got[4] = {};
    cgGLGetParameter4f(cgGetNamedParameter(fragmentDomain, "tint"), got);
    EXPECT_FLOAT_EQ(got[2], 0.3f);
    int tints = 0, samplers = 0;
    for (CGparameter p = cgGetFirstParameter(both, CG_PROGRAM); p; p = cgGetNextParameter(p))
        tints += std::string(cgGetParameterName(p)) == "tint";
    for (CGparameter p = cgGetFirstLeafParameter(both, CG_PROGRAM); p; p = cgGetNextLeafParameter(p))
        samplers += cgGetParameterClass(p) == CG_PARAMETERCLASS_SAMPLER;
    EXPECT_EQ(tints, 1);
    EXPECT_EQ(samplers, 1);

    // Three programs, or two of one domain, do not combine: there are two domains.
    CGprogram f2 = compile(fragmentSource, CG_PROFILE_GLSLF);
    EXPECT_EQ(cgCombinePrograms3(v, f, f2), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_ERROR);
    const CGprogram list[] = {f, v};
    CGprogram reversed = cgCombinePrograms(2, list);
    ASSERT_NE(reversed, nullptr);
    EXPECT_EQ(cgGetProgramDomainProfile(reversed, 0), CG_PROFILE_ARBFP1);
    EXPECT_EQ(cgCombinePrograms(1, list), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_DIMENSION_ERROR);
    EXPECT_EQ(cgCombinePrograms(2, nullptr), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_ERROR);
    CGprogram copy = cgCopyProgram(both);
    ASSERT_NE(copy, nullptr);
    cgGLGetParameter4f(cgGetNamedParameter(copy, "tint"), got);
    EXPECT_FLOAT_EQ(got[3], 0.4f);
    // A domain goes with its combined program.
    cgDestroyProgram(fragmentDomain);
    EXPECT_EQ(raised(), CG_INVALID_PROGRAM_HANDLE_ERROR);
    cgDestroyProgram(both);
    EXPECT_FALSE(cgIsProgram(fragmentDomain));
    EXPECT_FALSE(cgIsParameter(tint));
}

TEST_F(CgProgramApi, SharedParametersCarryTheirValuesToConnectedOnes) {
    CGprogram v = compile(vertexSource, CG_PROFILE_ARBVP1);
    CGprogram f = compile(fragmentSource, CG_PROFILE_ARBFP1);
    CGparameter shared = cgCreateParameter(context, CG_FLOAT4);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(cgGetParameterType(shared), CG_FLOAT4);
    EXPECT_EQ(cgGetParameterContext(shared), context);
    EXPECT_EQ(cgGetParameterProgram(shared), nullptr);
    EXPECT_TRUE(cgIsParameterGlobal(shared));
    CGparameter vt = cgGetNamedParameter(v, "tint");
    CGparameter ft = cgGetNamedParameter(f, "tint");
    cgSetParameter4f(shared, 1, 0, 0, 1);
    cgConnectParameter(shared, vt);
    cgConnectParameter(shared, ft);
    EXPECT_EQ(cgGetConnectedParameter(ft), shared);
    EXPECT_EQ(cgGetNumConnectedToParameters(shared), 2);
    EXPECT_EQ(cgGetConnectedToParameter(shared, 1), ft);
    float got[4] = {};
    cgGLGetParameter4f(vt, got);  // connecting hands the value over at once
    EXPECT_EQ(got[0], 1.0f);
    cgSetParameter4f(shared, 0, 0, 1, 1);
    cgGLGetParameter4f(ft, got);
    EXPECT_EQ(got[2], 1.0f);
    EXPECT_TRUE(cgIsParameterUsed(shared, f));

    // A type that does not match, a cycle, and a program's parameter cannot be connected or destroyed.
    cgConnectParameter(shared, cgGetNamedParameter(v, "mvp"));
    EXPECT_EQ(raised(), CG_PARAMETERS_DO_NOT_MATCH_ERROR);
    cgConnectParameter(ft, shared);
    EXPECT_EQ(raised(), CG_BIND_CREATES_CYCLE_ERROR);
    cgDestroyParameter(vt);
    EXPECT_EQ(raised(), CG_CANNOT_DESTROY_PARAMETER_ERROR);
    cgDisconnectParameter(ft);
    cgSetParameter4f(shared, 5, 5, 5, 5);
    cgGLGetParameter4f(ft, got);
    EXPECT_EQ(got[0], 0.0f);
    cgGLGetParameter4f(vt, got);
    EXPECT_EQ(got[0], 5.0f);
    cgDestroyParameter(shared);
    EXPECT_EQ(cgGetConnectedParameter(vt), nullptr);

    // Arrays, element by element; string parameters.
    CGparameter lights = cgCreateParameterArray(context, CG_FLOAT4, 3);
    EXPECT_EQ(cgGetArraySize(lights, 0), 3);
    EXPECT_EQ(cgGetParameterIndex(cgGetArrayParameter(lights, 2)), 2);
    const int lengths[] = {2, 3};
    CGparameter grid = cgCreateParameterMultiDimArray(context, CG_FLOAT, 2, lengths);
    EXPECT_EQ(cgGetArrayDimension(grid), 2);
    EXPECT_EQ(cgGetArraySize(grid, 1), 3);
    EXPECT_EQ(cgGetArrayTotalSize(grid), 6);
    EXPECT_EQ(cgGetArrayType(grid), CG_FLOAT);
    CGparameter text = cgCreateParameter(context, CG_STRING);
    cgSetStringParameterValue(text, "hello");
    EXPECT_STREQ(cgGetStringParameterValue(text), "hello");
    EXPECT_EQ(cgGetParameterType(text), CG_STRING);
    cgGetStringParameterValue(lights);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_ERROR);
    EXPECT_EQ(cgCreateParameter(context, CG_DOUBLE4), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_VALUE_TYPE_ERROR);
    cgSetArraySize(cgGetNamedParameter(v, "lights"), 4);
    EXPECT_EQ(raised(), CG_PARAMETER_IS_NOT_RESIZABLE_ARRAY_ERROR);
}

TEST_F(CgProgramApi, ParametersTellWhereTheyLiveAndWhatTheyStartedAs) {
    CGprogram v = compile(vertexSource, CG_PROFILE_ARBVP1);
    CGprogram f = compile(fragmentSource, CG_PROFILE_ARBFP1);
    CGparameter lights = cgGetNamedParameter(v, "lights");
    CGparameter second = cgGetArrayParameter(lights, 1);
    EXPECT_EQ(cgGetNamedStructParameter(second, "color"), cgGetNamedParameter(v, "lights[1].color"));
    EXPECT_EQ(cgGetNamedStructParameter(second, "nothing"), nullptr);
    EXPECT_EQ(cgGetNamedSubParameter(lights, "[1].dir"), cgGetNamedParameter(v, "lights[1].dir"));
    cgGetNamedStructParameter(lights, "color");
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_TYPE_ERROR);
    EXPECT_EQ(cgGetParameterIndex(second), 1);
    EXPECT_EQ(cgGetParameterIndex(lights), -1);
    EXPECT_EQ(cgGetParameterClass(lights), CG_PARAMETERCLASS_ARRAY);
    EXPECT_EQ(cgGetParameterClass(second), CG_PARAMETERCLASS_STRUCT);
    EXPECT_EQ(cgGetParameterClass(cgGetNamedParameter(v, "mvp")), CG_PARAMETERCLASS_MATRIX);
    EXPECT_EQ(cgGetMatrixParameterOrder(cgGetNamedParameter(v, "mvp")), CG_ROW_MAJOR);

    // Globals, entry parameters, and whether the code reads them.
    EXPECT_TRUE(cgIsParameterGlobal(cgGetNamedParameter(v, "tint")));
    EXPECT_FALSE(cgIsParameterGlobal(cgGetNamedParameter(v, "size")));
    EXPECT_TRUE(cgIsParameterReferenced(cgGetNamedParameter(v, "tint")));
    EXPECT_FALSE(cgIsParameterReferenced(cgGetNamedParameter(v, "unused")));
    EXPECT_TRUE(cgIsParameterUsed(cgGetNamedParameter(v, "tint"), v));
    EXPECT_FALSE(cgIsParameterUsed(cgGetNamedParameter(v, "tint"), f));

    // Resources: varying parameters at their semantic, samplers on units, uniforms as GLSL uniforms.
    CGparameter uv = cgGetNamedParameter(v, "uv");
    EXPECT_EQ(cgGetParameterResource(uv), CG_TEXCOORD3);
    EXPECT_EQ(cgGetParameterBaseResource(uv), CG_TEXCOORD0);
    EXPECT_EQ(cgGetParameterResourceIndex(uv), 3ul);
    EXPECT_EQ(cgGetParameterResource(cgGetNamedParameter(v, "pos")), CG_POSITION0);
    EXPECT_EQ(cgGetParameterResource(cgGetNamedParameter(v, "color")), CG_COLOR0);
    CGparameter tex = cgGetNamedParameter(f, "tex");
    EXPECT_EQ(cgGetParameterBaseResource(tex), CG_TEXUNIT0);
    EXPECT_EQ(cgGetParameterResource(tex), CG_TEXUNIT0 + cgGetParameterResourceIndex(tex));
    EXPECT_EQ(cgGetParameterResource(cgGetNamedParameter(v, "mvp")), CG_GLSL_UNIFORM);
    EXPECT_STREQ(cgGetResourceString(CG_TEXCOORD7), "TEXCOORD7");
    EXPECT_STREQ(cgGetResourceString(CG_TEXUNIT17), "TEXUNIT17");
    EXPECT_STREQ(cgGetResourceString(CG_HPOS), "HPOS");
    EXPECT_EQ(cgGetResource("ATTR12"), CG_ATTR12);
    EXPECT_EQ(cgGetResource("TEX4"), CG_TEX4);
    EXPECT_EQ(cgGetResource("NOWHERE"), CG_UNDEFINED);
    cgSetParameterSemantic(uv, "TEXCOORD5");
    EXPECT_STREQ(cgGetParameterSemantic(uv), "TEXCOORD5");

    // Default values are what the source wrote, whatever the value now.
    CGparameter tint = cgGetNamedParameter(v, "tint");
    cgSetParameter4f(tint, 9, 9, 9, 9);
    float defaults[4] = {};
    EXPECT_EQ(cgGetParameterDefaultValuefr(tint, 4, defaults), 4);
    EXPECT_EQ(defaults[0], 0.5f);
    EXPECT_EQ(defaults[1], 0.25f);
    int n = 0;
    const double* current = cgGetParameterValues(tint, CG_CURRENT, &n);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(current[3], 9.0);
    const double* initial = cgGetParameterValues(tint, CG_DEFAULT, &n);
    EXPECT_EQ(initial[2], 1.0);
    cgGetParameterValues(tint, CG_CONSTANT, &n);
    EXPECT_EQ(n, 0);
    cgGetParameterValues(tint, CG_PROGRAM, &n);
    EXPECT_EQ(raised(), CG_INVALID_ENUMERANT_ERROR);

    // Integer matrices, row by row and column by column.
    CGparameter mvp = cgGetNamedParameter(v, "mvp");
    int rows[16], columns[16];
    for (int i = 0; i < 16; ++i) rows[i] = i;
    cgSetMatrixParameterir(mvp, rows);
    cgGetMatrixParameteric(mvp, columns);
    EXPECT_EQ(columns[1], 4);  // row 1, column 0
    EXPECT_EQ(columns[4], 1);
}

TEST_F(CgProgramApi, TypesClassesAndSizes) {
    EXPECT_EQ(cgGetTypeClass(CG_FLOAT), CG_PARAMETERCLASS_SCALAR);
    EXPECT_EQ(cgGetTypeClass(CG_HALF3), CG_PARAMETERCLASS_VECTOR);
    EXPECT_EQ(cgGetTypeClass(CG_FLOAT1), CG_PARAMETERCLASS_VECTOR);
    EXPECT_EQ(cgGetTypeClass(CG_INT3x2), CG_PARAMETERCLASS_MATRIX);
    EXPECT_EQ(cgGetTypeClass(CG_SAMPLERCUBE), CG_PARAMETERCLASS_SAMPLER);
    EXPECT_EQ(cgGetTypeClass(CG_STRING), CG_PARAMETERCLASS_OBJECT);
    EXPECT_EQ(cgGetTypeClass(CG_STRUCT), CG_PARAMETERCLASS_STRUCT);
    EXPECT_EQ(cgGetTypeBase(CG_BOOL4x4), CG_BOOL);
    EXPECT_EQ(cgGetTypeBase(CG_USHORT2), CG_USHORT);
    EXPECT_EQ(cgGetTypeBase(CG_SAMPLER2D), CG_SAMPLER2D);
    int rows = -1, cols = -1;
    EXPECT_TRUE(cgGetTypeSizes(CG_FLOAT3x4, &rows, &cols));
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(cols, 4);
    EXPECT_FALSE(cgGetTypeSizes(CG_DOUBLE3, &rows, &cols));
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(cols, 3);
    EXPECT_FALSE(cgGetTypeSizes(CG_SAMPLER2D, &rows, &cols));
    EXPECT_EQ(cols, 0);
    cgGetMatrixSize(CG_FLOAT4, &rows, &cols);
    EXPECT_EQ(rows, 0);
    cgGetMatrixSize(CG_FIXED2x3, &rows, &cols);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(cols, 3);
    EXPECT_STREQ(cgGetParameterClassString(CG_PARAMETERCLASS_SAMPLER), "sampler");
    EXPECT_EQ(cgGetParameterClassEnum("matrix"), CG_PARAMETERCLASS_MATRIX);
    EXPECT_EQ(cgGetNumUserTypes(nullptr), 0);
    EXPECT_FALSE(cgIsInterfaceType(CG_STRUCT));
}

TEST_F(CgProgramApi, ProfilesTheLibraryKnowsAndWhatEachIs) {
    int n = cgGetNumSupportedProfiles();
    EXPECT_EQ(n, 12);  // the GLSL 1.20 family and the two GLSL ES profiles
    for (int i = 0; i < n; ++i) {
        CGprofile p = cgGetSupportedProfile(i);
        EXPECT_TRUE(cgIsProfileSupported(p)) << cgGetProfileString(p);
        EXPECT_TRUE(cgGetProfileProperty(p, CG_IS_OPENGL_PROFILE));
        EXPECT_NE(cgGetProfileProperty(p, CG_IS_VERTEX_PROFILE), cgGetProfileProperty(p, CG_IS_FRAGMENT_PROFILE));
    }
    cgGetSupportedProfile(n);
    EXPECT_EQ(raised(), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    EXPECT_FALSE(cgIsProfileSupported(CG_PROFILE_GP4VP));
    EXPECT_TRUE(cgGetProfileProperty(CG_PROFILE_GLSLF, CG_IS_GLSL_PROFILE));
    EXPECT_TRUE(cgGetProfileProperty(CG_PROFILE_GLSLF, CG_IS_TRANSLATION_PROFILE));
    EXPECT_FALSE(cgGetProfileProperty(CG_PROFILE_ARBFP1, CG_IS_TRANSLATION_PROFILE));
    EXPECT_TRUE(cgGetProfileProperty(CG_PROFILE_PS_3_0, CG_IS_DIRECT3D_9_PROFILE));
    EXPECT_TRUE(cgGetProfileProperty(CG_PROFILE_GS_4_0, CG_IS_GEOMETRY_PROFILE));
    cgGetProfileProperty(CG_PROFILE_ARBVP1, CG_PROGRAM);
    EXPECT_EQ(raised(), CG_INVALID_ENUMERANT_ERROR);
    EXPECT_EQ(cgGetProfileDomain(CG_PROFILE_ARBFP1), CG_FRAGMENT_DOMAIN);
    EXPECT_EQ(cgGetProfileSibling(CG_PROFILE_ARBFP1, CG_VERTEX_DOMAIN), CG_PROFILE_ARBVP1);
    EXPECT_EQ(cgGetProfileSibling(CG_PROFILE_GLSLV, CG_FRAGMENT_DOMAIN), CG_PROFILE_GLSLF);
    EXPECT_STREQ(cgGetDomainString(CG_GEOMETRY_DOMAIN), "geometry");
    EXPECT_EQ(cgGetDomain("vertex"), CG_VERTEX_DOMAIN);

    char const** options = cgGLGetOptimalOptions(CG_PROFILE_ARBFP1);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options[0], nullptr);
    cgGLSetContextOptimalOptions(context, CG_PROFILE_GLSLV);
    EXPECT_EQ(cgGLGetContextOptimalOptions(context, CG_PROFILE_GLSLV)[0], nullptr);
    EXPECT_EQ(cgGLGetGLSLVersion("1"), CG_GL_GLSL_100);
    EXPECT_EQ(cgGLGetGLSLVersion("1.1"), CG_GL_GLSL_110);
    EXPECT_EQ(cgGLGetGLSLVersion("1.20"), CG_GL_GLSL_120);
    EXPECT_EQ(cgGLGetGLSLVersion("120"), CG_GL_GLSL_120);
    EXPECT_EQ(cgGLGetGLSLVersion("foo"), CG_GL_GLSL_DEFAULT);
    EXPECT_STREQ(cgGLGetGLSLVersionString(CG_GL_GLSL_110), "110");
    EXPECT_EQ(cgGLGetGLSLVersionString(static_cast<CGGLglslversion>(7)), nullptr);
    cgGLGetGLSLVersion(nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_ERROR);
    // No geometry or tessellation profile here.
    EXPECT_EQ(cgGLGetLatestProfile(CG_GL_GEOMETRY), CG_PROFILE_UNKNOWN);
}

TEST_F(CgProgramApi, BuffersAreRefusedByEveryProfileHere) {
    CGprogram f = compile(fragmentSource, CG_PROFILE_ARBFP1);
    EXPECT_EQ(cgGetProgramBufferMaxIndex(CG_PROFILE_GLSLF), 0);
    cgSetProgramBuffer(f, 0, nullptr);
    EXPECT_EQ(raised(), CG_BUFFER_INDEX_OUT_OF_RANGE_ERROR);
    EXPECT_EQ(cgGetNamedProgramUniformBuffer(f, "block"), nullptr);
    EXPECT_EQ(cgGetParameterBufferIndex(cgGetNamedParameter(f, "tint")), -1);
    EXPECT_FALSE(cgIsBuffer(nullptr));
    cgSetBufferData(nullptr, 4, nullptr);
    EXPECT_EQ(raised(), CG_INVALID_BUFFER_HANDLE_ERROR);
}

// Every entry point of the setter and getter families reaches the components
// its name says, in the order it says.
TEST_F(CgProgramApi, EverySetterAndGetterOfTheFamiliesMovesItsComponents) {
    CGprogram p = compile("float4 v; float2x3 m; float4 main(): COLOR { return v + m._m00; }\n", CG_PROFILE_ARBFP1);
    CGparameter v = cgGetNamedParameter(p, "v");
    auto check = [&](int n, const char* name) {
        float got[4] = {};
        cgGetParameterValuefr(v, 4, got);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(got[i], i < n ? float(i + 1) : 0.0f) << name << " component " << i;
        const float zero[4] = {};
        cgSetParameterValuefr(v, 4, zero);
    };
    const float f[4] = {1, 2, 3, 4};
    const double d[4] = {1, 2, 3, 4};
    const int i4[4] = {1, 2, 3, 4};
    cgSetParameter1f(v, 1); check(1, "1f");
    cgSetParameter2f(v, 1, 2); check(2, "2f");
    cgSetParameter3f(v, 1, 2, 3); check(3, "3f");
    cgSetParameter1d(v, 1); check(1, "1d");
    cgSetParameter3d(v, 1, 2, 3); check(3, "3d");
    cgSetParameter4d(v, 1, 2, 3, 4); check(4, "4d");
    cgSetParameter1i(v, 1); check(1, "1i");
    cgSetParameter2i(v, 1, 2); check(2, "2i");
    cgSetParameter3i(v, 1, 2, 3); check(3, "3i");
    cgSetParameter4i(v, 1, 2, 3, 4); check(4, "4i");
    void (*const fv[])(CGparameter, const float*) = {cgSetParameter1fv, cgSetParameter2fv, cgSetParameter3fv,
                                                     cgSetParameter4fv, cgGLSetParameter1fv, cgGLSetParameter2fv,
                                                     cgGLSetParameter3fv, cgGLSetParameter4fv};
    void (*const dv[])(CGparameter, const double*) = {cgSetParameter1dv, cgSetParameter2dv, cgSetParameter3dv,
                                                      cgSetParameter4dv, cgGLSetParameter1dv, cgGLSetParameter2dv,
                                                      cgGLSetParameter3dv, cgGLSetParameter4dv};
    void (*const iv[])(CGparameter, const int*) = {cgSetParameter1iv, cgSetParameter2iv, cgSetParameter3iv,
                                                   cgSetParameter4iv};
    for (int k = 0; k < 8; ++k) {
        fv[k](v, f); check(k % 4 + 1, "fv");
        dv[k](v, d); check(k % 4 + 1, "dv");
    }
    for (int k = 0; k < 4; ++k) { iv[k](v, i4); check(k + 1, "iv"); }
    cgGLSetParameter1d(v, 1); check(1, "GL 1d");
    cgGLSetParameter2d(v, 1, 2); check(2, "GL 2d");
    cgGLSetParameter3d(v, 1, 2, 3); check(3, "GL 3d");
    cgGLSetParameter4d(v, 1, 2, 3, 4); check(4, "GL 4d");
    cgGLSetParameter3f(v, 1, 2, 3); check(3, "GL 3f");
    cgSetParameter4f(v, 1, 2, 3, 4);
    float gf[4] = {};
    double gd[4] = {};
    void (*const gets[])(CGparameter, float*) = {cgGLGetParameter1f, cgGLGetParameter2f, cgGLGetParameter3f};
    void (*const getd[])(CGparameter, double*) = {cgGLGetParameter1d, cgGLGetParameter2d, cgGLGetParameter3d};
    for (int k = 0; k < 3; ++k) {
        float before = gf[k + 1];
        gets[k](v, gf);
        getd[k](v, gd);
        EXPECT_EQ(gf[k], float(k + 1));
        EXPECT_EQ(gd[k], double(k + 1));
        EXPECT_EQ(gf[k + 1], before);  // no more than its count
    }

    // A 2x3 matrix, every order and element type: row by row is 1..6.
    CGparameter m = cgGetNamedParameter(p, "m");
    const float rowsF[6] = {1, 2, 3, 4, 5, 6}, colsF[6] = {1, 4, 2, 5, 3, 6};
    const double rowsD[6] = {1, 2, 3, 4, 5, 6}, colsD[6] = {1, 4, 2, 5, 3, 6};
    const int colsI[6] = {1, 4, 2, 5, 3, 6};
    auto rowsAre = [&](const char* name) {
        float got[6] = {};
        cgGetMatrixParameterfr(m, got);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(got[k], rowsF[k]) << name << " element " << k;
        const float zero[6] = {};
        cgSetMatrixParameterfr(m, zero);
    };
    cgSetMatrixParameterfc(m, colsF); rowsAre("fc");
    cgSetMatrixParameterdr(m, rowsD); rowsAre("dr");
    cgSetMatrixParameterdc(m, colsD); rowsAre("dc");
    cgSetMatrixParameteric(m, colsI); rowsAre("ic");
    cgGLSetMatrixParameterfr(m, rowsF); rowsAre("GL fr");
    cgGLSetMatrixParameterdr(m, rowsD); rowsAre("GL dr");
    cgSetParameterValuefc(m, 6, colsF); rowsAre("value fc");
    cgSetParameterValuedr(m, 6, rowsD); rowsAre("value dr");
    cgSetParameterValuedc(m, 6, colsD); rowsAre("value dc");
    cgSetParameterValueic(m, 6, colsI); rowsAre("value ic");
    cgSetParameterValueir(m, 6, colsI); // read as rows: the columns' order
    float asRows[6] = {};
    cgGetMatrixParameterfr(m, asRows);
    EXPECT_EQ(asRows[1], 4.0f);
    cgSetMatrixParameterfr(m, rowsF);
    float outF[6];
    double outD[6];
    int outI[6];
    cgGetMatrixParameterfc(m, outF); EXPECT_EQ(outF[1], 4.0f);
    cgGetMatrixParameterdc(m, outD); EXPECT_EQ(outD[1], 4.0);
    cgGetMatrixParameterdr(m, outD); EXPECT_EQ(outD[1], 2.0);
    cgGetMatrixParameterir(m, outI); EXPECT_EQ(outI[5], 6);
    cgGLGetMatrixParameterdc(m, outD); EXPECT_EQ(outD[2], 2.0);
    cgGLGetMatrixParameterdr(m, outD); EXPECT_EQ(outD[2], 3.0);
    EXPECT_EQ(cgGetParameterValuedc(m, 6, outD), 6); EXPECT_EQ(outD[1], 4.0);
    EXPECT_EQ(cgGetParameterValuedr(m, 6, outD), 6); EXPECT_EQ(outD[1], 2.0);
    EXPECT_EQ(cgGetParameterValueic(m, 6, outI), 6); EXPECT_EQ(outI[1], 4);
    // Defaults: none written, so zero, in every form.
    EXPECT_EQ(cgGetParameterDefaultValuefc(m, 6, outF), 6); EXPECT_EQ(outF[5], 0.0f);
    EXPECT_EQ(cgGetParameterDefaultValuedr(m, 6, outD), 6); EXPECT_EQ(outD[5], 0.0);
    EXPECT_EQ(cgGetParameterDefaultValuedc(m, 6, outD), 6);
    EXPECT_EQ(cgGetParameterDefaultValueir(m, 6, outI), 6); EXPECT_EQ(outI[0], 0);
    EXPECT_EQ(cgGetParameterDefaultValueic(m, 6, outI), 6);
    EXPECT_EQ(cgGetParameterDefaultValueir(m, 5, outI), 0);
    EXPECT_EQ(raised(), CG_NOT_ENOUGH_DATA_ERROR);
}

TEST_F(CgProgramApi, ArraysOfVectorsAndMatricesInEveryFormAndOrder) {
    CGprogram p = compile("float3 a[3]; float2x2 m[2]; float4 main(): COLOR { return a[0].xyzz + m[1]._m00; }\n",
                          CG_PROFILE_ARBFP1);
    CGparameter a = cgGetNamedParameter(p, "a");
    const double d[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const float f[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    float gf[12];
    double gd[12];
    cgGLSetParameterArray1d(a, 0, 3, d);  // one value per element: x of each
    cgGLGetParameterArray3f(a, 0, 0, gf);
    EXPECT_EQ(gf[3], 2.0f);
    cgGLSetParameterArray3d(a, 0, 0, d);
    cgGLGetParameterArray3d(a, 0, 0, gd);
    EXPECT_EQ(gd[8], 9.0);
    cgGLSetParameterArray4d(a, 1, 1, d);  // four per element, of which it takes three
    cgGLGetParameterArray1d(a, 1, 1, gd);
    EXPECT_EQ(gd[0], 1.0);
    cgGLSetParameterArray3f(a, 2, 1, f);
    cgGLGetParameterArray4d(a, 2, 1, gd);
    EXPECT_EQ(gd[2], 3.0);
    cgGLGetParameterArray2f(a, 0, 1, gf);
    EXPECT_EQ(gf[1], 2.0f);

    CGparameter m = cgGetNamedParameter(p, "m");
    cgGLSetMatrixParameterArrayfc(m, 0, 0, f);  // columns (1, 2), (3, 4): rows 1 3 / 2 4
    cgGLGetMatrixParameterArrayfr(m, 0, 1, gf);
    EXPECT_EQ(gf[1], 3.0f);
    cgGLSetMatrixParameterArraydr(m, 1, 1, d);
    cgGLGetMatrixParameterArraydc(m, 1, 1, gd);
    EXPECT_EQ(gd[1], 3.0);
    cgGLSetMatrixParameterArraydc(m, 0, 2, d);
    cgGLGetMatrixParameterArraydr(m, 0, 2, gd);
    EXPECT_EQ(gd[5], 7.0);  // element 1, row 0, column 1: the third value of its columns
    cgGLGetMatrixParameterArrayfr(m, 1, 2, gf);
    EXPECT_EQ(raised(), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
}

TEST_F(CgProgramApi, WhatNoProfileHereHasGivesTheDocumentedErrors) {
    CGprogram v = compile(vertexSource, CG_PROFILE_ARBVP1);
    CGprogram f = compile(fragmentSource, CG_PROFILE_ARBFP1);
    CGparameter tint = cgGetNamedParameter(f, "tint");
    // Combinations of more than the two domains there are.
    EXPECT_EQ(cgCombinePrograms4(v, f, v, f), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_ERROR);
    EXPECT_EQ(cgCombinePrograms5(v, f, v, f, v), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_ERROR);
    CGprogram both = cgCombinePrograms2(v, f);
    cgGLDisableProgramProfiles(both);
    EXPECT_EQ(callbackCalls, 0);
    // Objects, uniform buffers and program buffers.
    EXPECT_EQ(cgCreateObj(context, CG_SOURCE, "struct S { float x; };", CG_PROFILE_GP4FP, nullptr), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PROFILE_ERROR);
    EXPECT_EQ(cgCreateObjFromFile(context, CG_SOURCE, "s.cg", CG_PROFILE_GP4FP, nullptr), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PROFILE_ERROR);
    cgDestroyObj(nullptr);
    EXPECT_EQ(raised(), CG_INVALID_OBJ_HANDLE_ERROR);
    EXPECT_EQ(cgGetUniformBufferBlockName(tint), nullptr);
    EXPECT_EQ(cgGetFirstUniformBufferParameter(tint), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_TYPE_ERROR);
    EXPECT_EQ(cgGetNamedUniformBufferParameter(tint, "x"), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_TYPE_ERROR);
    cgSetUniformBufferParameter(tint, nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_TYPE_ERROR);
    EXPECT_EQ(cgGetUniformBufferParameter(tint), nullptr);
    EXPECT_EQ(raised(), CG_INVALID_PARAMETER_TYPE_ERROR);
    EXPECT_EQ(cgGetProgramBuffer(f, 0), nullptr);
    EXPECT_EQ(raised(), CG_BUFFER_INDEX_OUT_OF_RANGE_ERROR);
    EXPECT_EQ(cgGetProgramBufferMaxSize(CG_PROFILE_ARBFP1), 0);
    EXPECT_EQ(cgGetParameterBufferOffset(tint), -1);
    // Resizing: every array has its size.
    const int sizes[] = {4};
    cgSetMultiDimArraySize(cgGetNamedParameter(v, "lights"), sizes);
    EXPECT_EQ(raised(), CG_PARAMETER_IS_NOT_RESIZABLE_ARRAY_ERROR);
    // User types and interfaces: none.
    EXPECT_EQ(cgGetNamedUserType(v, "Light"), CG_UNKNOWN_TYPE);
    EXPECT_EQ(cgGetUserType(v, 0), CG_UNKNOWN_TYPE);
    EXPECT_EQ(raised(), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    EXPECT_EQ(cgGetNumParentTypes(CG_STRUCT), 0);
    EXPECT_EQ(cgGetParentType(CG_STRUCT, 0), CG_UNKNOWN_TYPE);
    EXPECT_EQ(raised(), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    EXPECT_FALSE(cgIsParentType(CG_STRUCT, CG_STRUCT));
    // What a parameter's resource is named and holds.
    EXPECT_STREQ(cgGetParameterResourceName(tint), "fu_tint");
    EXPECT_EQ(cgGetParameterResourceSize(tint), 16);
    EXPECT_EQ(cgGetParameterResourceType(tint), CG_FLOAT4);
    EXPECT_EQ(cgGetParameterNamedType(tint), CG_FLOAT4);
    EXPECT_EQ(cgGetParameterOrdinalNumber(cgGetFirstParameter(f, CG_PROGRAM)), 0);
    EXPECT_EQ(cgGetLockingPolicy(), CG_THREAD_SAFE_POLICY);
    EXPECT_EQ(cgGetSemanticCasePolicy(), CG_FORCE_UPPER_CASE_POLICY);
}
