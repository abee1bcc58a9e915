// Splits a root-signature string into words, numbers and punctuation.
#pragma once

#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct RootSignatureToken {
    enum class Kind { Word, Number, Punctuation, End };
    Kind kind;
    std::string text;
    size_t column; // 1-based position in the string
};

// False with a message naming the column of the first character that belongs
// to no token. The token list always ends with one End token.
bool TokenizeRootSignature(const std::string& text, std::vector<RootSignatureToken>* tokens,
                           std::string* error);

} // namespace d3dcompiler_standin
