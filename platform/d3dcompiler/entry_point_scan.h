// Finds the [RootSignature("...")] attribute of an entry point in preprocessed
// HLSL. glslang drops the attribute, so the compiler reads it itself.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct RootSignatureAttribute {
    bool present = false;
    std::string text; // adjacent string literals joined
    HlslToken at{};   // the attribute's name, for messages
    // The entry point also carries [numthreads(...)], which compute entry
    // points need; `entryName` is where the entry point is named.
    bool numthreads = false;
    HlslToken entryName{};
};

// False with a "file(line): error: ..." message when the attribute exists but
// is malformed or given twice, or when the entry point fails CheckEntryPoint
// (entry_point_checks.h), which is judged here, where the entry point is known.
bool FindRootSignatureAttribute(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                                RootSignatureAttribute* attribute, std::string* error);

} // namespace d3dcompiler_standin
