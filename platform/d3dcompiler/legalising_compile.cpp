#include "legalising_compile.h"

#include <register_bindings.h>

#include <glslang/Public/ResourceLimits.h>
#include <glslang/Public/ShaderLang.h>
#include <glslang/SPIRV/GlslangToSpv.h>
#include <spirv-tools/libspirv.hpp>
#include <spirv-tools/optimizer.hpp>

#include <cstring>

namespace d3dcompiler_standin {
namespace {

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

// Includes served by the same resolver shaderc's callbacks use.
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
        if (opened->source_name_length == 0) {
            resolver_->Close(opened);
            return nullptr;
        }
        return new IncludeResult(std::string(opened->source_name, opened->source_name_length),
                                 opened->content, opened->content_length, opened);
    }

    IncludeResolver* resolver_;
};

std::string MacroPreamble(const D3D_SHADER_MACRO* defines) {
    std::string preamble;
    for (const D3D_SHADER_MACRO* macro = defines; macro != nullptr && macro->Name != nullptr;
         ++macro) {
        preamble += std::string("#define ") + macro->Name + " " +
                    (macro->Definition != nullptr ? macro->Definition : "1") + "\n";
    }
    return preamble;
}

// The settings compile_from_file.cpp gives shaderc, as glslang takes them.
void Configure(glslang::TShader& shader, const LegalisingCompile& request) {
    using dxbc::RegisterClass;
    shader.setEntryPoint(request.entryPoint.c_str());
    shader.setSourceEntryPoint(request.entryPoint.c_str());
    shader.setEnvInput(glslang::EShSourceHlsl, Stage(request.kind), glslang::EShClientVulkan, 100);
    shader.setEnvClient(glslang::EShClientVulkan, glslang::EShTargetVulkan_1_1);
    shader.setEnvTarget(glslang::EShTargetSpv, glslang::EShTargetSpv_1_3);
    shader.setEnvTargetHlslFunctionality1();
    shader.setHlslIoMapping(true);
    shader.setAutoMapBindings(true);
    shader.setAutoMapLocations(true);
    shader.setShiftBinding(glslang::EResUbo, dxbc::BindingBase(RegisterClass::ConstantBuffer));
    shader.setShiftBinding(glslang::EResTexture, dxbc::BindingBase(RegisterClass::ShaderResource));
    shader.setShiftBinding(glslang::EResSampler, dxbc::BindingBase(RegisterClass::Sampler));
    shader.setShiftBinding(glslang::EResUav, dxbc::BindingBase(RegisterClass::UnorderedAccess));
}

bool Legalise(std::vector<uint32_t>* spirv, std::string* log) {
    const auto collect = [log](spv_message_level_t, const char*, const spv_position_t&,
                               const char* message) { *log += std::string(message) + "\n"; };
    spvtools::Optimizer optimizer(SPV_ENV_VULKAN_1_1);
    optimizer.SetMessageConsumer(collect);
    optimizer.RegisterLegalizationPasses();
    spvtools::OptimizerOptions options;
    options.set_run_validator(false);
    std::vector<uint32_t> legal;
    if (!optimizer.Run(spirv->data(), spirv->size(), &legal, options)) {
        return false;
    }
    // Validated after, as shaderc validates before: block layouts are the
    // stand-in's to set later.
    spvtools::ValidatorOptions validation;
    validation.SetSkipBlockLayout(true);
    spvtools::SpirvTools tools(SPV_ENV_VULKAN_1_1);
    tools.SetMessageConsumer(collect);
    *spirv = std::move(legal);
    return tools.Validate(spirv->data(), spirv->size(), validation);
}

} // namespace

bool FailedBeforeLegalisation(const char* shadercMessage) {
    return shadercMessage != nullptr &&
           std::strstr(shadercMessage, "compilation succeeded but failed to optimize") != nullptr;
}

bool CompileLegalisingFirst(const LegalisingCompile& request, std::vector<uint32_t>* spirv,
                            std::string* log) {
    const EShLanguage stage = Stage(request.kind);
    glslang::TShader shader(stage);
    const char* text = request.source->c_str();
    const int length = int(request.source->size());
    const char* name = request.path.c_str();
    shader.setStringsWithLengthsAndNames(&text, &length, &name, 1);
    const std::string preamble = MacroPreamble(request.defines);
    shader.setPreamble(preamble.c_str());
    Configure(shader, request);
    int messages = EShMsgSpvRules | EShMsgVulkanRules | EShMsgReadHlsl | EShMsgHlslOffsets;
    if (request.debugInfo) {
        messages |= EShMsgDebugInfo;
    }
    Includer includer(request.includes);
    glslang::TProgram program;
    program.addShader(&shader);
    if (!shader.parse(GetDefaultResources(), 110, ENoProfile, false, false, EShMessages(messages),
                      includer) ||
        !program.link(EShMessages(messages)) || !program.mapIO()) {
        *log = std::string(shader.getInfoLog()) + program.getInfoLog();
        return false;
    }
    glslang::SpvOptions options;
    options.generateDebugInfo = request.debugInfo;
    options.disableOptimizer = true;
    options.validate = false;
    spv::SpvBuildLogger logger;
    spirv->clear();
    glslang::GlslangToSpv(*program.getIntermediate(stage), *spirv, &logger, &options);
    return Legalise(spirv, log);
}

} // namespace d3dcompiler_standin
