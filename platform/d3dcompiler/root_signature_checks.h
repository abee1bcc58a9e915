// Consistency rules a root signature must meet beyond its syntax: register
// ranges may not overlap where shaders see both, and an unbounded range must
// end its table's appended layout.
#pragma once

#include <root_signature_binary.h>

#include <string>

namespace d3dcompiler_standin {

bool CheckRootSignature(const dxbc::RootSignatureDesc& desc, std::string* error);

} // namespace d3dcompiler_standin
