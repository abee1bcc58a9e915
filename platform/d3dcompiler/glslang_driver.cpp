#include "glslang_driver.h"
#include "glslang_macro_names.h"

#include <register_bindings.h>

#include <glslang/Public/ShaderLang.h>
#include <glslang/SPIRV/GlslangToSpv.h>
#include <spirv-tools/libspirv.hpp>
#include <spirv-tools/optimizer.hpp>

#include <map>

// The resource limits shaderc parses with (its libshaderc_util); glslang's
// own defaults differ from them (32 draw buffers, not 8).
namespace shaderc_util {
extern const TBuiltInResource kDefaultTBuiltInResource;
}

namespace d3dcompiler_standin {
namespace {

constexpr spv_target_env kSpirvEnvironment = SPV_ENV_VULKAN_1_1;

EShLanguage Stage(shaderc_shader_kind kind) {
    switch (kind) {
    case shaderc_vertex_shader:
        return EShLangVertex;
    case shaderc_geometry_shader:
        return EShLangGeometry;
    case shaderc_tess_control_shader:
        return EShLangTessControl;
    case shaderc_tess_evaluation_shader:
        return EShLangTessEvaluation;
    case shaderc_compute_shader:
        return EShLangCompute;
    default:
        return EShLangFragment;
    }
}

// Includes served by the resolver shaderc's callbacks use, answered as
// shaderc answers glslang: a failed lookup is a result without a name.
class Includer : public glslang::TShader::Includer {
public:
    explicit Includer(IncludeResolver* resolver) : resolver_(resolver) {}

    IncludeResult* includeSystem(const char* name, const char* from, size_t depth) override {
        return Open(name, shaderc_include_type_standard, from, depth);
    }
    IncludeResult* includeLocal(const char* name, const char* from, size_t depth) override {
        return Open(name, shaderc_include_type_relative, from, depth);
    }
    void releaseInclude(IncludeResult* result) override {
        if (result != nullptr) {
            resolver_->Close(static_cast<shaderc_include_result*>(result->userData));
            delete result;
        }
    }

private:
    IncludeResult* Open(const char* name, int type, const char* from, size_t depth) {
        shaderc_include_result* opened = resolver_->Open(name, type, from, depth);
        return new IncludeResult(std::string(opened->source_name, opened->source_name_length),
                                 opened->content, opened->content_length, opened);
    }

    IncludeResolver* resolver_;
};

// shaderc's preamble: one definition per name, the last given, then the
// extension that lets glslang read #include.
std::string Preamble(const D3D_SHADER_MACRO* defines) {
    std::map<std::string, std::string> definitions;
    for (const D3D_SHADER_MACRO* macro = defines; macro != nullptr && macro->Name != nullptr;
         ++macro) {
        if (!IsGlslangMacroName(macro->Name)) { // defined in front of the source
            definitions[macro->Name] = macro->Definition != nullptr ? macro->Definition : "1";
        }
    }
    std::string preamble;
    for (const auto& [name, value] : definitions) {
        preamble += "#define " + name + " " + value + "\n";
    }
    return preamble + "#extension GL_GOOGLE_include_directive : enable\n";
}

// The settings compile_from_file.cpp gives shaderc, as shaderc hands them on.
void Configure(glslang::TShader& shader, const GlslangCompile& request) {
    using dxbc::BindingBase;
    using dxbc::RegisterClass;
    shader.setEntryPoint(request.entryPoint.c_str());
    shader.setAutoMapBindings(true);
    shader.setAutoMapLocations(true);
    shader.setShiftBinding(glslang::EResImage, 0);
    shader.setShiftBinding(glslang::EResSampler, BindingBase(RegisterClass::Sampler));
    shader.setShiftBinding(glslang::EResTexture, BindingBase(RegisterClass::ShaderResource));
    shader.setShiftBinding(glslang::EResUbo, BindingBase(RegisterClass::ConstantBuffer));
    shader.setShiftBinding(glslang::EResSsbo, 0);
    shader.setShiftBinding(glslang::EResUav, BindingBase(RegisterClass::UnorderedAccess));
    shader.setHlslIoMapping(true);
    shader.setResourceSetBinding({});
    shader.setEnvClient(glslang::EShClientVulkan, glslang::EShTargetVulkan_1_1);
    shader.setEnvTarget(glslang::EShTargetSpv, glslang::EShTargetSpv_1_3);
    shader.setEnvTargetHlslFunctionality1();
    shader.setInvertY(false);
    shader.setNanMinMaxClamp(false);
}

void Collect(std::string* log, const char* messages) {
    if (messages != nullptr) {
        *log += messages;
    }
}

} // namespace

bool TranslateHlsl(const GlslangCompile& request, std::vector<uint32_t>* spirv, std::string* log) {
    const EShLanguage stage = Stage(request.kind);
    glslang::TShader shader(stage);
    const char* text = request.source->c_str();
    const int length = int(request.source->size());
    const char* name = request.path.c_str();
    shader.setStringsWithLengthsAndNames(&text, &length, &name, 1);
    const std::string preamble = Preamble(request.defines);
    shader.setPreamble(preamble.c_str());
    Configure(shader, request);
    int rules = EShMsgCascadingErrors | EShMsgReadHlsl | EShMsgSpvRules | EShMsgVulkanRules |
                EShMsgHlslOffsets;
    if (request.debugInfo) {
        rules |= EShMsgDebugInfo;
    }
    Includer includer(request.includes);
    const bool parsed = shader.parse(&shaderc_util::kDefaultTBuiltInResource, 110, ENoProfile,
                                     false, false, EShMessages(rules), includer);
    Collect(log, shader.getInfoLog());
    if (!parsed) {
        return false;
    }
    glslang::TProgram program;
    program.addShader(&shader);
    const bool linked = program.link(EShMsgDefault) && program.mapIO();
    Collect(log, program.getInfoLog());
    if (!linked) {
        return false;
    }
    glslang::SpvOptions options;
    options.generateDebugInfo = request.debugInfo;
    options.disableOptimizer = true;
    options.optimizeSize = false;
    spirv->clear();
    glslang::GlslangToSpv(*program.getIntermediate(stage), *spirv, &options);
    // The generator word's tool: "Shaderc over Glslang" in the SPIR-V registry.
    constexpr uint32_t kShadercGenerator = 13;
    if (spirv->size() > 2) {
        (*spirv)[2] = ((*spirv)[2] & 0xffff) | (kShadercGenerator << 16);
    }
    return !spirv->empty();
}

bool LegaliseHlslModule(std::vector<uint32_t>* spirv, std::string* log) {
    spvtools::Optimizer optimizer(kSpirvEnvironment);
    optimizer.SetMessageConsumer(
        [log](spv_message_level_t, const char*, const spv_position_t&, const char* message) {
            *log += std::string(message) + "\n";
        });
    optimizer.RegisterLegalizationPasses();
    spvtools::OptimizerOptions options;
    options.set_run_validator(false);
    std::vector<uint32_t> legal;
    if (!optimizer.Run(spirv->data(), spirv->size(), &legal, options)) {
        return false;
    }
    *spirv = std::move(legal);
    return true;
}

bool ValidateLegalisedModule(const std::vector<uint32_t>& spirv, bool worded, std::string* log) {
    spvtools::ValidatorOptions validation;
    validation.SetSkipBlockLayout(true);
    validation.SetFriendlyNames(worded);
    spvtools::SpirvTools tools(kSpirvEnvironment);
    if (worded) {
        tools.SetMessageConsumer(
            [log](spv_message_level_t, const char*, const spv_position_t&, const char* message) {
                *log += std::string(message) + "\n";
            });
    }
    return tools.Validate(spirv.data(), spirv.size(), validation);
}

} // namespace d3dcompiler_standin
