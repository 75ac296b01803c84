// Resources: the names of the CGresource enumerants, and where a parameter
// of ours lives: samplers on texture units, other uniforms as GLSL
// uniforms, varying parameters at their semantic.
#include <cctype>
#include <cstring>
#include <string>

#include "runtime/parameter_checks.h"

using namespace cgrt;

namespace {

// A run of numbered resources (CG_TEXCOORD0..15), or one (count 0).
struct Family {
    const char* name;
    int base;
    int count;
    int firstNumber;
};
const Family families[] = {
    {"TEXUNIT", CG_TEXUNIT0, 16, 0}, {"TEXUNIT", CG_TEXUNIT16, 16, 16}, {"BUFFER", CG_BUFFER0, 12, 0},
    {"ATTR", CG_ATTR0, 16, 0}, {"C", CG_C, 0, 0}, {"TEX", CG_TEX0, 3, 0}, {"TEX", CG_TEX3, 5, 3},
    {"HPOS", CG_HPOS, 0, 0}, {"COL", CG_COL0, 4, 0}, {"PSIZ", CG_PSIZ, 0, 0}, {"CLP", CG_CLP0, 6, 0},
    {"WPOS", CG_WPOS, 0, 0}, {"POINTCOORD", CG_POINTCOORD, 0, 0}, {"POSITION", CG_POSITION0, 16, 0},
    {"DIFFUSE", CG_DIFFUSE0, 1, 0}, {"TANGENT", CG_TANGENT0, 16, 0}, {"SPECULAR", CG_SPECULAR0, 1, 0},
    {"BLENDINDICES", CG_BLENDINDICES0, 16, 0}, {"COLOR", CG_COLOR0, 16, 0}, {"PSIZE", CG_PSIZE0, 16, 0},
    {"BINORMAL", CG_BINORMAL0, 16, 0}, {"FOG", CG_FOG0, 16, 0}, {"DEPTH", CG_DEPTH0, 16, 0},
    {"SAMPLE", CG_SAMPLE0, 16, 0}, {"BLENDWEIGHT", CG_BLENDWEIGHT0, 16, 0}, {"NORMAL", CG_NORMAL0, 16, 0},
    {"FOGCOORD", CG_FOGCOORD, 0, 0}, {"TEXCOORD", CG_TEXCOORD0, 16, 0},
    {"COMBINER_CONST", CG_COMBINER_CONST0, 2, 0}, {"COMBINER_STAGE_CONST", CG_COMBINER_STAGE_CONST0, 2, 0},
    {"OFFSET_TEXTURE_MATRIX", CG_OFFSET_TEXTURE_MATRIX, 0, 0}, {"OFFSET_TEXTURE_SCALE", CG_OFFSET_TEXTURE_SCALE, 0, 0},
    {"OFFSET_TEXTURE_BIAS", CG_OFFSET_TEXTURE_BIAS, 0, 0}, {"CONST_EYE", CG_CONST_EYE, 0, 0},
    {"COVERAGE", CG_COVERAGE, 0, 0}, {"TESSFACTOR", CG_TESSFACTOR, 0, 0}, {"GLSL_UNIFORM", CG_GLSL_UNIFORM, 0, 0},
    {"GLSL_ATTRIB", CG_GLSL_ATTRIB, 0, 0}, {"ENV", CG_ENV, 0, 0}, {"HLSL_UNIFORM", CG_HLSL_UNIFORM, 0, 0},
    {"HLSL_VARYING", CG_HLSL_VARYING, 0, 0}, {"SAMPLER_RES", CG_SAMPLER_RES, 0, 0},
    {"LASTCOL", CG_LASTCOL0, 8, 0}, {"FACE", CG_FACE, 0, 0}, {"PRIMITIVEID", CG_PRIMITIVEID, 0, 0},
    {"INSTANCEID", CG_INSTANCEID, 0, 0}, {"SAMPLEID", CG_SAMPLEID, 0, 0}, {"VERTEXID", CG_VERTEXID, 0, 0},
    {"LAYER", CG_LAYER, 0, 0}, {"SAMPLEMASK", CG_SAMPLEMASK, 0, 0}, {"CONTROLPOINTID", CG_CONTROLPOINTID, 0, 0},
    {"EDGETESS", CG_EDGETESS, 0, 0}, {"INNERTESS", CG_INNERTESS, 0, 0}, {"SAMPLEPOS", CG_SAMPLEPOS, 0, 0},
    {"NUMSAMPLES", CG_NUMSAMPLES, 0, 0}, {"UNDEFINED", CG_UNDEFINED, 0, 0},
};

const Family* familyOf(int resource, int& number) {
    for (const Family& f : families) {
        int span = f.count ? f.count : 1;
        if (resource >= f.base && resource < f.base + span) {
            number = f.count ? f.firstNumber + resource - f.base : 0;
            return &f;
        }
    }
    return nullptr;
}

// The family's resource of that number; CG_UNDEFINED when it has none.
CGresource resourceOf(const std::string& name, int number, bool numbered) {
    for (const Family& f : families) {
        if (name != f.name) continue;
        if (!f.count) {
            if (!numbered) return static_cast<CGresource>(f.base);
            continue;
        }
        if (number >= f.firstNumber && number < f.firstNumber + f.count)
            return static_cast<CGresource>(f.base + number - f.firstNumber);
    }
    return CG_UNDEFINED;
}

// A semantic as written ("TEXCOORD3", "position", "COLOR"): an unnumbered
// one is number 0 of its family when the family is numbered.
CGresource resourceOfSemantic(const std::string& semantic) {
    size_t digits = semantic.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(semantic[digits - 1]))) --digits;
    std::string name;
    for (size_t i = 0; i < digits; ++i) name += static_cast<char>(std::toupper(static_cast<unsigned char>(semantic[i])));
    if (digits < semantic.size()) return resourceOf(name, std::stoi(semantic.substr(digits)), true);
    CGresource single = resourceOf(name, 0, false);
    return single != CG_UNDEFINED ? single : resourceOf(name, 0, true);
}

CGresource parameterResource(const _CGparameter& p) {
    if (p.node.kind != cgc::ParameterKind::Leaf || !p.program) return CG_UNDEFINED;
    if (p.isUniformLeaf) {
        if (!p.leaf.type.isSampler()) return CG_GLSL_UNIFORM;
        int unit = p.leaf.unit;
        if (unit < 0 || unit >= 32) return CG_UNDEFINED;
        return static_cast<CGresource>(unit < 16 ? CG_TEXUNIT0 + unit : CG_TEXUNIT16 + unit - 16);
    }
    const char* semantic = cgGetParameterSemantic(const_cast<_CGparameter*>(&p));
    return semantic && *semantic ? resourceOfSemantic(semantic) : CG_UNDEFINED;
}

}  // namespace

extern "C" {

const char* cgGetResourceString(CGresource resource) {
    static std::string text;
    int number = 0;
    const Family* f = familyOf(resource, number);
    if (!f) return nullptr;
    text = f->count ? f->name + std::to_string(number) : f->name;
    return text.c_str();
}

CGresource cgGetResource(const char* resource_string) {
    noContext();
    if (!resource_string) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return CG_UNDEFINED;
    }
    return resourceOfSemantic(resource_string);
}

CGresource cgGetParameterResource(CGparameter param) {
    return checkParameter(param) ? parameterResource(*param) : CG_UNDEFINED;
}

CGresource cgGetParameterBaseResource(CGparameter param) {
    if (!checkParameter(param)) return CG_UNDEFINED;
    int number = 0;
    CGresource r = parameterResource(*param);
    const Family* f = familyOf(r, number);
    if (!f || !f->count) return r;
    // Both runs of texture units (and of TEX) have number 0 as their base.
    return resourceOf(f->name, 0, true);
}

unsigned long cgGetParameterResourceIndex(CGparameter param) {
    if (!checkParameter(param)) return 0;
    int number = 0;
    familyOf(parameterResource(*param), number);
    return static_cast<unsigned long>(number);
}

// No parameter here lives in a buffer: sizes and offsets are those of none.
long cgGetParameterResourceSize(CGparameter param) {
    if (!checkParameter(param)) return 0;
    return param->isUniformLeaf ? static_cast<long>(param->leaf.value.size() * sizeof(float)) : 0;
}

CGtype cgGetParameterResourceType(CGparameter param) {
    return checkParameter(param) ? cgGetParameterType(param) : CG_UNKNOWN_TYPE;
}

// The name the parameter has in the generated GLSL, for uniforms.
const char* cgGetParameterResourceName(CGparameter param) {
    if (!checkParameter(param)) return nullptr;
    if (param->isUniformLeaf && param->program) return param->leaf.glslName.c_str();
    return cgGetResourceString(parameterResource(*param));
}

int cgGetParameterBufferIndex(CGparameter param) {
    checkParameter(param);
    return -1;
}

int cgGetParameterBufferOffset(CGparameter param) {
    checkParameter(param);
    return -1;
}

}  // extern "C"
