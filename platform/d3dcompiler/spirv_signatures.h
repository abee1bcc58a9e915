// Input and output signatures read back from the compiled SPIR-V: the entry
// point's interface variables with glslang's UserSemantic decorations.
#pragma once

#include <signature.h>

#include <cstdint>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct StageSignatures {
    std::vector<dxbc::SignatureElement> inputs;
    std::vector<dxbc::SignatureElement> outputs;
    // Source names of entry-point inputs and outputs declared without a
    // semantic: glslang accepts them, the Windows compilers do not.
    std::vector<std::string> withoutSemantic;
};

bool ReadStageSignatures(const std::vector<uint32_t>& spirv, StageSignatures* signatures,
                         std::string* error);

} // namespace d3dcompiler_standin
