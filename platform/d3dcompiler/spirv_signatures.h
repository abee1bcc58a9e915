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

// Removes the semantic decorations once the signatures hold them, and with
// them the SPIR-V extensions they need, so that the module asks nothing of the
// Vulkan device beyond core features.
void RemoveSemanticDecorations(std::vector<uint32_t>& spirv);

bool ReadStageSignatures(const std::vector<uint32_t>& spirv, StageSignatures* signatures,
                         std::string* error);

} // namespace d3dcompiler_standin
