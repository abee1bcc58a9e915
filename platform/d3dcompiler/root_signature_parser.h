// Our parser of the HLSL root-signature language, the text of a
// [RootSignature("...")] attribute.
#pragma once

#include <root_signature_binary.h>

#include <string>

namespace d3dcompiler_standin {

// Parses `text` into a description in `version` (1.0 or 1.1). On a syntax or
// value error returns false with a message that names the column and token;
// overlapping registers are refused too.
bool ParseRootSignature(const std::string& text, D3D_ROOT_SIGNATURE_VERSION version,
                        dxbc::RootSignatureDesc* desc, std::string* error);

} // namespace d3dcompiler_standin
