// Windows' words for a return value of a type the function cannot return,
// where glslang's refusal names no types.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The main file as the caller wrote it, and its path.
struct WrittenSource {
    const std::string& text;
    const std::string& path;
};

// `messages` with each line "file(N): error: 'return' : type does not match,
// ..." reworded as Windows' "error X3017: cannot implicitly convert from
// 'float3' to 'float4'", the types read from the preprocessed `tokens` where
// their declarations tell them. glslang's own X3017 lines that name a vector
// where the main file as written converts a matrix name the matrix.
std::string RewordReturnConversions(const std::string& messages,
                                    const std::vector<HlslToken>& tokens,
                                    const WrittenSource& written);

} // namespace d3dcompiler_standin
