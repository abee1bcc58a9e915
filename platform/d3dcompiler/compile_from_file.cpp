// D3DCompileFromFile over shaderc's HLSL front end. The code blob is a DXBC
// container holding the SPIR-V, the stage's input and output signatures and,
// when the entry point carries one, the serialized root signature.
#include "blob.h"
#include "global_constant_warnings.h"
#include "interface_checks.h"
#include "builtin_warmup.h"
#include "compile_messages.h"
#include "return_messages.h"
#include "coverage_input.h"
#include "domain_distances.h"
#include "constant_buffer_size.h"
#include "contained_run.h"
#include "entry_point_scan.h"
#include "glslang_macro_names.h"
#include "included_definitions.h"
#include "legalising_compile.h"
#include "line_directives.h"
#include "message_columns.h"
#include "macro_expansion.h"
#include "nesting_depth.h"
#include "patch_constant_locations.h"
#include "pow2_partitioning.h"
#include "return_paths.h"
#include "root_signature_parser.h"
#include "shader_target.h"
#include "source_checks.h"
#include "stage_checks.h"
#include "source_files.h"
#include "source_rewrites.h"
#include "source_warnings.h"
#include "unknown_pragmas.h"
#include "spirv_bindings.h"
#include "geometry_streams.h"
#include "spirv_geometry_streams.h"
#include "spirv_image_rules.h"
#include "unpaired_counters.h"
#include "spirv_resource_arrays.h"
#include "spirv_signatures.h"
#include "spirv_value_repairs.h"
#include "ten_bit_float_signatures.h"
#include "value_rewrites.h"
#include "warning_lines.h"

#include <dxbc_container.h>
#include <register_bindings.h>
#include <root_signature_binary.h>
#include <signature.h>

#include <shaderc/shaderc.h>

#include <cctype>
#include <cstring>
#include <deque>
#include <memory>
#include <set>

namespace d3dcompiler_standin {
namespace {

using dxbc::BindingBase;
using dxbc::RegisterClass;

constexpr shaderc_env_version kVulkanVersion = shaderc_env_version_vulkan_1_1;

struct CompilerDeleter {
    void operator()(shaderc_compiler_t compiler) const { shaderc_compiler_release(compiler); }
};
struct OptionsDeleter {
    void operator()(shaderc_compile_options_t options) const {
        shaderc_compile_options_release(options);
    }
};
struct ResultDeleter {
    void operator()(shaderc_compilation_result_t result) const { shaderc_result_release(result); }
};
using Compiler = std::unique_ptr<std::remove_pointer_t<shaderc_compiler_t>, CompilerDeleter>;
using Options = std::unique_ptr<std::remove_pointer_t<shaderc_compile_options_t>, OptionsDeleter>;
using Result = std::unique_ptr<std::remove_pointer_t<shaderc_compilation_result_t>, ResultDeleter>;

struct CompileRequest {
    std::string path;
    std::string source;
    const D3D_SHADER_MACRO* defines;
    ID3DInclude* include;
    std::string entryPoint;
    ShaderTarget target;
    UINT flags;
};

Options MakeOptions(const CompileRequest& request, IncludeResolver* includes) {
    Options options(shaderc_compile_options_initialize());
    shaderc_compile_options_t o = options.get();
    shaderc_compile_options_set_source_language(o, shaderc_source_language_hlsl);
    shaderc_compile_options_set_target_env(o, shaderc_target_env_vulkan, kVulkanVersion);
    shaderc_compile_options_set_hlsl_io_mapping(o, true);
    shaderc_compile_options_set_hlsl_offsets(o, true);
    shaderc_compile_options_set_hlsl_functionality1(o, true);
    shaderc_compile_options_set_auto_bind_uniforms(o, true);
    shaderc_compile_options_set_auto_map_locations(o, true);
    // Register classes are kept apart in the binding numbers; the space is the set.
    shaderc_compile_options_set_binding_base(o, shaderc_uniform_kind_buffer,
                                             BindingBase(RegisterClass::ConstantBuffer));
    shaderc_compile_options_set_binding_base(o, shaderc_uniform_kind_texture,
                                             BindingBase(RegisterClass::ShaderResource));
    shaderc_compile_options_set_binding_base(o, shaderc_uniform_kind_sampler,
                                             BindingBase(RegisterClass::Sampler));
    shaderc_compile_options_set_binding_base(o, shaderc_uniform_kind_unordered_access_view,
                                             BindingBase(RegisterClass::UnorderedAccess));
    // Optimisation is left to the driver; the decorations the signatures are
    // read from survive unoptimised code intact.
    shaderc_compile_options_set_optimization_level(o, shaderc_optimization_level_zero);
    if (request.flags & D3DCOMPILE_DEBUG) {
        shaderc_compile_options_set_generate_debug_info(o);
    }
    // D3DCOMPILE_WARNINGS_ARE_ERRORS applies to Windows' warnings, which
    // warning_lines.cpp judges; glslang's own (an unknown pragma) are not those.
    for (const D3D_SHADER_MACRO* macro = request.defines;
         macro != nullptr && macro->Name != nullptr; ++macro) {
        if (IsGlslangMacroName(macro->Name)) {
            continue; // defined in front of the source (SourceForGlslang)
        }
        const char* value = macro->Definition != nullptr ? macro->Definition : "1";
        shaderc_compile_options_add_macro_definition(o, macro->Name, std::strlen(macro->Name),
                                                     value, std::strlen(value));
    }
    includes->Install(o);
    return options;
}

// The caller's macros with each "pow2" string read as "integer", for the
// compile of a hull shader that partitions by powers of two; `values` holds
// the new texts. Ends with a null name, as the caller's list does.
std::vector<D3D_SHADER_MACRO> MacrosWithPow2AsInteger(const D3D_SHADER_MACRO* defines,
                                                      std::deque<std::string>* values) {
    std::vector<D3D_SHADER_MACRO> macros;
    for (const D3D_SHADER_MACRO* macro = defines; macro != nullptr && macro->Name != nullptr;
         ++macro) {
        macros.push_back(*macro);
        if (macro->Definition != nullptr && SpellsPow2(macro->Definition)) {
            values->push_back(WithPow2ReadAsInteger(macro->Definition));
            macros.back().Definition = values->back().c_str();
        }
    }
    macros.push_back({nullptr, nullptr});
    return macros;
}

// Defines again, in `options`, the macros of `macros` whose value differs
// from the caller's (a macro defined again replaces its value).
void RedefineChangedMacros(const D3D_SHADER_MACRO* defines,
                           const std::vector<D3D_SHADER_MACRO>& macros,
                           shaderc_compile_options_t options) {
    for (size_t at = 0; macros[at].Name != nullptr; ++at) {
        const char* value = macros[at].Definition;
        if (value != defines[at].Definition && !IsGlslangMacroName(macros[at].Name)) {
            shaderc_compile_options_add_macro_definition(
                options, macros[at].Name, std::strlen(macros[at].Name), value, std::strlen(value));
        }
    }
}

// The source as glslang sees it; row-major packing is a pragma in front,
// with the line numbers of the file kept.
// glslang's own macros the files name are undefined before it.
std::string SourceForGlslang(const CompileRequest& request,
                             const std::set<std::string>& glslangNames) {
    std::string prefix = UndefineGlslangMacros(glslangNames, request.defines);
    if (request.flags & D3DCOMPILE_PACK_MATRIX_ROW_MAJOR) {
        prefix += "#pragma pack_matrix(row_major)\n";
    }
    return prefix.empty() ? request.source : prefix + "#line 1\n" + request.source;
}

// glslang names the return value "@entryPointOutput" and its members
// "@entryPointOutput.member".
std::string DescribeInterfaceVariable(const std::string& name) {
    const std::string returned = "@entryPointOutput";
    if (name == returned) {
        return "the return value";
    }
    if (name.rfind(returned + ".", 0) == 0) {
        return "return value member '" + name.substr(returned.size() + 1) + "'";
    }
    return "parameter '" + name + "'";
}

// The names of the constants that packoffset and register(cN) (also
// register(ps_5_0, cN)) place where the source says, which glslang follows:
// "float4 g : register(c3)", "float list[2] : packoffset(c8)".
std::set<std::string> PlacedConstants(const std::vector<HlslToken>& tokens) {
    std::set<std::string> names;
    for (size_t i = 2; i + 2 < tokens.size(); ++i) {
        const char first = tokens[i].text[0];
        if (first != 'p' && first != 'r') {
            continue;
        }
        const bool packoffset = tokens[i].text == "packoffset";
        if ((!packoffset && tokens[i].text != "register") || tokens[i + 1].text != "(" ||
            tokens[i - 1].text != ":") {
            continue;
        }
        const size_t slot = i + 3 < tokens.size() && tokens[i + 3].text == "," ? i + 4 : i + 2;
        const std::string& written = slot < tokens.size() ? tokens[slot].text : "";
        if (!packoffset && (written.size() < 2 || written[0] != 'c' ||
                            !std::isdigit(static_cast<unsigned char>(written[1])))) {
            continue;
        }
        size_t name = i - 2;
        while (name > 0 && tokens[name].text == "]") { // "list[2]"
            while (name > 0 && tokens[name].text != "[") {
                --name;
            }
            --name;
        }
        names.insert(tokens[name].text);
    }
    return names;
}

std::string PrefixLines(const std::string& prefix, const std::string& lines) {
    std::string out;
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find('\n', start);
        end = end == std::string::npos ? lines.size() : end + 1;
        out += prefix + lines.substr(start, end - start);
        start = end;
    }
    return out;
}

// The shader's container: signatures, SPIR-V and, when the source has one,
// the root signature.
std::vector<uint8_t> WriteShaderContainer(const StageSignatures& signatures,
                                          const std::vector<uint32_t>& spirv,
                                          std::vector<uint8_t> rootSignature) {
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> chunks;
    chunks.push_back(dxbc::SignatureChunk(signatures.inputs, false));
    chunks.push_back(dxbc::SignatureChunk(signatures.outputs, true));
    std::vector<uint8_t> spirvBytes(spirv.size() * 4);
    std::memcpy(spirvBytes.data(), spirv.data(), spirvBytes.size());
    chunks.push_back({dxbc::kSpirvChunk, std::move(spirvBytes)});
    if (!rootSignature.empty()) {
        chunks.push_back({dxbc::kRootSignatureChunk, std::move(rootSignature)});
    }
    return dxbc::WriteContainer(chunks);
}

class Compilation {
public:
    explicit Compilation(CompileRequest& request)
        : request_(request), includes_(request.include, request.path) {
        includes_.NoteMainSource(&request.source);
        const std::string entryPoint = request.entryPoint;
        const char stage = request.target.stage;
        macros_ = ReadSourceMacros(request.source, request.path, includes_);
        includes_.SetRewrite([this, entryPoint, stage](const std::string& included) {
            std::string rewritten =
                RewriteForGlslang(included, entryPoint, stage, macros_.definitions);
            if (pow2_) {
                rewritten = WithPow2ReadAsInteger(rewritten);
            }
            if (distances_) {
                rewritten = WithDistancesAsPlainOutputs(rewritten);
            }
            readsPipelineConstants_ |= ReadsPipelineConstants(rewritten);
            return rewritten;
        });
    }

    // The container, or false with the compiler's text in `messages`.
    bool Run(std::vector<uint8_t>* container, std::string* messages) {
        Compiler compiler(shaderc_compiler_initialize());
        Options options = MakeOptions(request_, &includes_);
        if (!compiler || !options) {
            *messages = "error: the HLSL compiler could not start";
            return false;
        }
        // Before the preprocessor, which would expand such a macro until stopped.
        std::string expansionError;
        if (!CheckMacroExpansion(request_.source, request_.path, &expansionError)) {
            *messages = expansionError + "\n";
            return false;
        }
        if (!CheckInterfacesAsWritten(request_.source, request_.path, messages)) {
            return false;
        }
        std::string source =
            RewriteForGlslang(SourceForGlslang(request_, macros_.glslangNames), request_.entryPoint,
                              request_.target.stage, macros_.definitions);

        std::vector<uint8_t> rootSignature;
        if (!ReadSource(compiler.get(), options.get(), source, &rootSignature, messages)) {
            return false;
        }
        if (distances_) {
            source = WithDistancesAsPlainOutputs(source);
        }
        if (pow2_) {
            source = WithPow2ReadAsInteger(source);
            pow2Macros_ = MacrosWithPow2AsInteger(request_.defines, &pow2Values_);
            RedefineChangedMacros(request_.defines, pow2Macros_, options.get());
        }
        *messages += warnings_; // before any error, as Windows' compiler prints them

        includes_.StartPass();
        const std::string streams = request_.target.kind == shaderc_geometry_shader
                                        ? MergeGeometryStreams(source, request_.entryPoint)
                                        : std::string();
        const std::string& merged = streams.empty() ? source : streams;
        const std::string compiled = readsPipelineConstants_ || ReadsPipelineConstants(merged)
                                         ? PipelineConstantDeclarations() + merged
                                         : merged;
        std::vector<uint32_t> spirv;
        if (!CompileToSpirv(compiler.get(), options.get(), compiled, &spirv, messages)) {
            return false;
        }
        ReadCoverageInputs(&spirv);
        if (request_.target.kind == shaderc_geometry_shader && !SeparateGeometryStreams(&spirv)) {
            *messages += request_.path + ": error: the HLSL compiler stand-in could not tell "
                                         "which stream each Append writes\n";
            return false;
        }
        if (request_.target.kind == shaderc_tess_control_shader ||
            request_.target.kind == shaderc_tess_evaluation_shader) {
            PlacePatchConstants(&spirv);
        }
        if (distances_) {
            MakeDistancesBuiltIn(&spirv);
        }
        StageSignatures signatures;
        if (!CheckCompiled(spirv, &signatures, messages)) {
            return false;
        }
        PlaceCounterBindings(&spirv);
        PlaceUnpairedCounters(&spirv, tokens_);
        RemoveSemanticDecorations(spirv);
        ShiftUnshiftedTextureBindings(&spirv);
        ForgetSampledImageFormats(&spirv);
        SplitResourceArrays(&spirv);
        ValueRepairs repairs;
        repairs.pixelShader = request_.target.kind == shaderc_fragment_shader;
        repairs.ieeeStrict = (request_.flags & D3DCOMPILE_IEEE_STRICTNESS) != 0;
        repairs.placedConstants = PlacedConstants(tokens_);
        RepairValues(&spirv, repairs);
        if (pow2_) {
            RoundTessFactorsToPowersOfTwo(&spirv);
        }
        *container = WriteShaderContainer(signatures, spirv, std::move(rootSignature));
        return true;
    }

private:
    bool CompileToSpirv(shaderc_compiler_t compiler, shaderc_compile_options_t options,
                        const std::string& source, std::vector<uint32_t>* spirv,
                        std::string* messages) {
        // glslang and SPIRV-Tools driven directly skip shaderc's validation
        // before legalisation; shaderc, whose messages are translated, takes
        // any source glslang has something to say about.
        if (CompileQuietly(GlslangRequest(source), spirv)) {
            return true;
        }
        includes_.StartPass();
        Result result(shaderc_compile_into_spv(compiler, source.data(), source.size(),
                                               request_.target.kind, request_.path.c_str(),
                                               request_.entryPoint.c_str(), options));
        const char* error = shaderc_result_get_error_message(result.get());
        const bool compiled = shaderc_result_get_compilation_status(result.get()) ==
                              shaderc_compilation_status_success;
        if (!compiled && FailedBeforeLegalisation(error)) {
            return CompileWithoutShaderc(source, spirv, messages);
        }
        *messages += AddConversionColumns(
            RewordReturnConversions(
                TranslateGlslangMessages(error, request_.path, request_.entryPoint, LineLookup()),
                tokens_, {request_.source, request_.path}),
            tokens_, LineLookup());
        if (!compiled) {
            if (messages->empty()) {
                *messages = request_.path + ": error: compilation failed\n";
            }
            return false;
        }
        spirv->resize(shaderc_result_get_length(result.get()) / 4);
        std::memcpy(spirv->data(), shaderc_result_get_bytes(result.get()), spirv->size() * 4);
        return true;
    }

    GlslangCompile GlslangRequest(const std::string& source) {
        return {&source,
                request_.path,
                request_.entryPoint,
                request_.target.kind,
                pow2_ ? pow2Macros_.data() : request_.defines,
                (request_.flags & D3DCOMPILE_DEBUG) != 0,
                &includes_};
    }

    // glslang's module legalised without shaderc's validation before it.
    bool CompileWithoutShaderc(const std::string& source, std::vector<uint32_t>* spirv,
                               std::string* messages) {
        includes_.StartPass();
        std::string log;
        if (!CompileLegalisingFirst(GlslangRequest(source), spirv, &log)) {
            *messages += request_.path +
                         ": error: the HLSL compiler cannot translate this shader (" +
                         log.substr(0, log.find('\n')) + ")\n";
            return false;
        }
        return true;
    }

    // What is judged once the source parses, so that syntax errors come
    // first; `signatures` are the stages' inputs and outputs.
    bool CheckCompiled(const std::vector<uint32_t>& spirv, StageSignatures* signatures,
                       std::string* messages) {
        std::string pathErrors;
        if (!CheckReturnPaths(tokens_, &pathErrors)) {
            *messages += pathErrors;
            return false;
        }
        std::string sizeErrors;
        if (request_.target.major == 5 && !CheckConstantBufferSizes(spirv, &sizeErrors)) {
            *messages += PrefixLines(request_.path + ": ", sizeErrors);
            return false;
        }
        if (UsesFloatAtomics(spirv)) {
            *messages += request_.path +
                         ": error: Interlocked operations take int or uint destinations only\n";
            return false;
        }
        std::string error;
        if (!ReadStageSignatures(spirv, signatures, &error)) {
            *messages += request_.path + ": error: " + error + "\n";
            return false;
        }
        MarkTenBitFloatElements(tokens_, request_.entryPoint, signatures);
        for (const std::string& name : signatures->withoutSemantic) {
            *messages += request_.path + ": error: '" + request_.entryPoint +
                         "': " + DescribeInterfaceVariable(name) + " is missing a semantic\n";
        }
        return signatures->withoutSemantic.empty();
    }

    // Preprocesses, checks what glslang would let through, and serializes the
    // entry point's root signature if it has one.
    bool ReadSource(shaderc_compiler_t compiler, shaderc_compile_options_t options,
                    const std::string& source, std::vector<uint8_t>* rootSignature,
                    std::string* messages) {
        Result preprocessed(shaderc_compile_into_preprocessed_text(
            compiler, source.data(), source.size(), request_.target.kind, request_.path.c_str(),
            request_.entryPoint.c_str(), options));
        if (shaderc_result_get_compilation_status(preprocessed.get()) !=
            shaderc_compilation_status_success) {
            *messages =
                TranslateGlslangMessages(shaderc_result_get_error_message(preprocessed.get()),
                                         request_.path, request_.entryPoint, LineLookup());
            if (messages->empty()) {
                *messages = request_.path + ": error: preprocessing failed\n";
            }
            return false;
        }
        const std::string text(shaderc_result_get_bytes(preprocessed.get()),
                               shaderc_result_get_length(preprocessed.get()));
        std::string depthError;
        if (!CheckNestingDepth(text, request_.path, &depthError)) {
            *messages = depthError + "\n";
            return false;
        }
        tokens_ = TokenizePreprocessedHlsl(text, request_.path);
        const std::vector<HlslToken>& tokens = tokens_;
        distances_ = request_.target.kind == shaderc_tess_evaluation_shader && NamesDistances(text);
        pow2_ = request_.target.kind == shaderc_tess_control_shader && SpellsPow2(text) &&
                PartitionsByPowersOfTwo(tokens, request_.entryPoint);
        if (!CheckSource(tokens, request_.target, messages) ||
            !CheckStage(tokens, request_.entryPoint, request_.target, messages)) {
            *messages = MapColumnsToSource(*messages, tokens, LineLookup());
            return false;
        }
        if (!CollectWarnings(text, messages)) {
            return false;
        }
        RootSignatureAttribute attribute;
        std::string error;
        if (!FindRootSignatureAttribute(tokens, request_.entryPoint, &attribute, &error)) {
            *messages = error + "\n";
            return false;
        }
        // Windows' compiler refuses compute entry points without a thread
        // group size; glslang would default it to one thread.
        if (request_.target.stage == 'c' && !attribute.numthreads &&
            !attribute.entryName.text.empty()) {
            *messages = SourceError(attribute.entryName,
                                    "'" + request_.entryPoint +
                                        "': compute entry point must have a numthreads attribute") +
                        "\n";
            return false;
        }
        if (attribute.present) {
            dxbc::RootSignatureDesc desc;
            if (!ParseRootSignature(attribute.text, D3D_ROOT_SIGNATURE_VERSION_1_1, &desc,
                                    &error)) {
                *messages = SourceError(attribute.at, error) + "\n";
                return false;
            }
            *rootSignature = dxbc::WriteRootSignature(desc);
        }
        return true;
    }

    // The source's warnings, kept for the error blob; false when the
    // warning pragmas or D3DCOMPILE_WARNINGS_ARE_ERRORS make any an error.
    bool CollectWarnings(const std::string& preprocessed, std::string* messages) {
        warnings_ = CollectSourceWarnings(tokens_, request_.entryPoint, request_.target);
        WarnInitialisedGlobalConstants(tokens_, LineLookup(), &warnings_);
        if (!(request_.flags & D3DCOMPILE_IEEE_STRICTNESS)) {
            WarnFiniteTests(tokens_, &warnings_);
        }
        WarnUnknownPragmas(preprocessed, request_.path, &warnings_);
        if (!warnings_.empty()) {
            warnings_ = MapColumnsToSource(warnings_, tokens_, LineLookup());
        }
        const WarningPolicy policy = ReadWarningPragmas(
            preprocessed, request_.path, request_.flags & D3DCOMPILE_WARNINGS_ARE_ERRORS);
        if (ApplyWarningPolicy(policy, &warnings_)) {
            *messages = warnings_;
            return false;
        }
        return true;
    }

    // Lines of the files messages name: the main source as read, included
    // files from disk.
    SourceLineLookup LineLookup() const {
        return [this](std::string file, int line, std::string* text) {
            std::string read;
            const std::string* source = &request_.source;
            if (source->find("#line") != std::string::npos) {
                // Lines #line renumbered are found where they stand.
                const int physical = PhysicalLine(*source, request_.path, file, line);
                line = physical > 0 ? physical : line;
                file = physical > 0 ? request_.path : file;
            }
            if (file != request_.path) {
                if (ReadSourceFile(file, &read) != SourceReadError::None) {
                    return false;
                }
                source = &read;
            }
            size_t start = 0;
            for (int at = 1; at < line && start != std::string::npos; ++at) {
                start = source->find('\n', start);
                start = start == std::string::npos ? start : start + 1;
            }
            if (start == std::string::npos || line < 1) {
                return false;
            }
            *text = source->substr(start, source->find('\n', start) - start);
            return true;
        };
    }

    const CompileRequest& request_;
    IncludeResolver includes_;
    std::vector<HlslToken> tokens_;            // the preprocessed source
    std::string warnings_;                     // the source's warning lines
    SourceMacros macros_;                      // what the files the compile reads define and name
    bool readsPipelineConstants_ = false;      // an included file's rewritten text does
    bool pow2_ = false;                        // the hull shader partitions by powers of two
    bool distances_ = false;                   // the domain shader may write clip or cull distances
    std::vector<D3D_SHADER_MACRO> pow2Macros_; // the caller's, "pow2" read as "integer"
    std::deque<std::string> pow2Values_;       // their changed values
};

void SetErrors(ID3DBlob** errors, const std::string& text) {
    if (errors != nullptr && !text.empty()) {
        *errors = MakeTextBlob(text);
    }
}

// The main source, read as Windows' compiler does: a missing file fails with
// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) and no text; anything but a
// regular file of bounded size is refused with a line naming it.
HRESULT ReadMainSource(const WCHAR* fileName, CompileRequest* request, std::string* errors) {
    std::string narrow;
    const bool byteWise = NarrowBytesOf(fileName, &narrow);
    if (!WideToUtf8(fileName, &request->path)) {
        if (!byteWise) {
            *errors = "error: the file name is not valid UTF-16";
            return E_INVALIDARG;
        }
        request->path = narrow;
    }
    SourceReadError error = ReadSourceFile(request->path, &request->source);
    if (error == SourceReadError::NotFound && byteWise) {
        // Callers that widen a narrow name byte by byte pass UTF-8 bytes as
        // separate code units; try those bytes as the name too.
        error = ReadSourceFile(narrow, &request->source);
        request->path = narrow;
    }
    if (error == SourceReadError::NotFound) {
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    if (error != SourceReadError::None) {
        *errors = request->path + ": error X1507: failed to open source file: '" + request->path +
                  "' " + DescribeReadError(error);
        return error == SourceReadError::Directory ? E_ACCESSDENIED : E_FAIL;
    }
    StripByteOrderMark(&request->source);
    if (!CheckNestingDepth(request->source, request->path, errors)) {
        return E_FAIL;
    }
    return S_OK;
}

// Compiles in a child process, on a stack the front end's recursion cannot
// exhaust: whatever the source does to the compiler ends as an error line.
HRESULT CompileContained(CompileRequest& request, std::vector<uint8_t>* container,
                         std::string* messages) {
    WarmBuiltIns(request.target.kind, kVulkanVersion);
    static const ContainmentLimits limits = ContainmentLimits::FromEnvironment();
    ContainedResult result =
        RunContained(limits, request.include, [&request](ID3DInclude* include) {
            request.include = include;
            CompileOutput output;
            output.compiled = Compilation(request).Run(&output.container, &output.messages);
            return output;
        });
    if (result.end != ContainedEnd::Finished) {
        *messages = DescribeContainedEnd(result, limits, request.path);
        return result.end == ContainedEnd::NotStarted ? E_OUTOFMEMORY : E_FAIL;
    }
    *messages = LimitErrorLines(result.output.messages);
    *container = std::move(result.output.container);
    return result.output.compiled ? S_OK : E_FAIL;
}

} // namespace
} // namespace d3dcompiler_standin

EXTERN_C HRESULT WINAPI D3DCompileFromFile(LPCWSTR pFileName, const D3D_SHADER_MACRO* pDefines,
                                           ID3DInclude* pInclude, LPCSTR pEntrypoint,
                                           LPCSTR pTarget, UINT Flags1, UINT Flags2,
                                           ID3DBlob** ppCode, ID3DBlob** ppErrorMsgs) {
    using namespace d3dcompiler_standin;
    (void)Flags2; // effect-compiler flags: no effects here
    if (ppErrorMsgs != nullptr) {
        *ppErrorMsgs = nullptr;
    }
    if (ppCode == nullptr) {
        return E_INVALIDARG;
    }
    *ppCode = nullptr;
    if (pFileName == nullptr || pEntrypoint == nullptr || pTarget == nullptr) {
        SetErrors(ppErrorMsgs,
                  "error: D3DCompileFromFile needs a file name, an entry point and a target");
        return E_INVALIDARG;
    }

    CompileRequest request{};
    std::string messages;
    HRESULT result = ReadMainSource(pFileName, &request, &messages);
    if (FAILED(result)) {
        SetErrors(ppErrorMsgs, messages);
        return result;
    }
    if (!ParseShaderTarget(pTarget, &request.target, &messages)) {
        SetErrors(ppErrorMsgs, request.path + ": " + messages);
        return E_FAIL;
    }
    request.defines = pDefines;
    request.include = pInclude;
    request.entryPoint = pEntrypoint;
    request.flags = Flags1;
    request.target.legacySemantics = (Flags1 & D3DCOMPILE_ENABLE_BACKWARDS_COMPATIBILITY) != 0;

    std::vector<uint8_t> container;
    result = CompileContained(request, &container, &messages);
    if (FAILED(result)) {
        SetErrors(ppErrorMsgs, messages);
        return result;
    }
    *ppCode = MakeBlob(container);
    if (*ppCode == nullptr) {
        return E_OUTOFMEMORY;
    }
    SetErrors(ppErrorMsgs, messages); // warnings
    return S_OK;
}
