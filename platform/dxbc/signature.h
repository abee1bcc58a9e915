// Input and output signatures (ISGN / OSGN chunks): the semantics a shader
// stage reads or writes, with the register (SPIR-V Location) of each.
#pragma once

#include "dxbc_container.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dxbc {

struct SignatureElement {
    std::string semanticName;
    uint32_t semanticIndex;
    uint32_t systemValue;   // D3D_NAME
    uint32_t componentType; // D3D_REGISTER_COMPONENT_TYPE
    uint32_t registerIndex; // SPIR-V Location of a non-system value
    uint8_t mask;
    // Outputs: the components never written; inputs: those always read.
    uint8_t readWriteMask;
};

bool ReadSignature(const ChunkView& chunk, std::vector<SignatureElement>* elements,
                   std::string* error);
std::vector<uint8_t> WriteSignature(const std::vector<SignatureElement>& elements);

} // namespace dxbc
