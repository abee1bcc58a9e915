// Input and output signatures: the semantics a shader stage reads or writes,
// with the register (SPIR-V Location) of each. Two chunk forms: ISGN / OSGN,
// and ISG1 / OSG1 / PSG1, whose elements also carry a stream and a minimum
// precision (the layout of DxilProgramSignatureElement in the DirectX Shader
// Compiler's DxilContainer.h; the D3D_MIN_PRECISION values of d3dcommon.h).
#pragma once

#include "dxbc_container.h"

#include <cstdint>
#include <string>
#include <utility>
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
    uint32_t minPrecision = 0; // D3D_MIN_PRECISION; 0 (DEFAULT) is 32 bits
    uint32_t stream = 0;       // a geometry shader's output stream
};

// Reads either form; the chunk's fourcc tells which.
bool ReadSignature(const ChunkView& chunk, std::vector<SignatureElement>* elements,
                   std::string* error);
// The ISGN / OSGN form, which has no minimum precisions.
std::vector<uint8_t> WriteSignature(const std::vector<SignatureElement>& elements);
// The ISG1 / OSG1 form: each element's stream and minimum precision.
std::vector<uint8_t> WriteMinPrecisionSignature(const std::vector<SignatureElement>& elements);

// The chunk a compiler writes for a stage's inputs or outputs: the form with
// minimum precisions where an element has one, else OSG5 (streams without
// precisions) for outputs where an element is in a stream other than 0, the
// plain form otherwise.
std::pair<uint32_t, std::vector<uint8_t>>
SignatureChunk(const std::vector<SignatureElement>& elements, bool outputs);

// A container's input or output signature in either form, or null.
const ChunkView* FindSignatureChunk(const std::vector<ChunkView>& chunks, bool outputs);

} // namespace dxbc
