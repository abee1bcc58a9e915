#include "builtin_warmup.h"

#include "contained_run.h"

#include <mutex>
#include <set>

namespace d3dcompiler_standin {

void WarmBuiltIns(shaderc_shader_kind kind, shaderc_env_version environment) {
    std::lock_guard<std::mutex> lock(InProcessCompilerLock());
    static std::set<int> warmed;
    // Never released: releasing the last compiler frees the tables.
    static shaderc_compiler_t compiler = shaderc_compiler_initialize();
    if (compiler == nullptr || !warmed.insert(kind).second) {
        return;
    }
    shaderc_compile_options_t options = shaderc_compile_options_initialize();
    if (options == nullptr) {
        return;
    }
    shaderc_compile_options_set_source_language(options, shaderc_source_language_hlsl);
    shaderc_compile_options_set_target_env(options, shaderc_target_env_vulkan, environment);
    // The tables are built before the source is parsed, so the source's
    // own verdict does not matter.
    static const char kSource[] = "void main() {}\n";
    shaderc_compilation_result_t result = shaderc_compile_into_spv(
        compiler, kSource, sizeof(kSource) - 1, kind, "warm-up", "main", options);
    shaderc_result_release(result);
    shaderc_compile_options_release(options);
}

} // namespace d3dcompiler_standin
