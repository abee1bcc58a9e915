#include "legalising_compile.h"

#include "compile_messages.h"
#include "spirv_image_rules.h"
#include "spirv_matrix_intrinsics.h"

#include <cstring>
#include <sstream>

namespace d3dcompiler_standin {
namespace {

// Whether glslang's messages hold nothing that Windows' words are made from.
bool SaysNothing(const std::string& log) {
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && !IsRootSignatureWarning(line)) {
            return false;
        }
    }
    return true;
}

// Glslang's gathers with a bias and intrinsics applied to whole matrices,
// mended before validation would refuse them.
bool MendedBeforeValidation(std::vector<uint32_t>* spirv) {
    DropGatherBiases(spirv);
    SplitMatrixIntrinsics(spirv);
    return true;
}

} // namespace

bool FailedBeforeLegalisation(const char* shadercMessage) {
    return shadercMessage != nullptr &&
           std::strstr(shadercMessage, "compilation succeeded but failed to optimize") != nullptr;
}

bool CompileQuietly(const GlslangCompile& request, std::vector<uint32_t>* spirv) {
    std::string log;
    return TranslateHlsl(request, spirv, &log) && SaysNothing(log) &&
           LegaliseHlslModule(spirv, &log) && MendedBeforeValidation(spirv) &&
           ValidateLegalisedModule(*spirv, false, &log);
}

bool CompileLegalisingFirst(const GlslangCompile& request, std::vector<uint32_t>* spirv,
                            std::string* log) {
    std::string glslangLog;
    if (!TranslateHlsl(request, spirv, &glslangLog)) {
        *log = glslangLog;
        return false;
    }
    return LegaliseHlslModule(spirv, log) && MendedBeforeValidation(spirv) &&
           ValidateLegalisedModule(*spirv, true, log);
}

} // namespace d3dcompiler_standin
