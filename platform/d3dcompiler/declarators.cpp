#include "declarators.h"

namespace d3dcompiler_standin {

size_t AfterDeclarator(const std::vector<HlslToken>& tokens, size_t name) {
    size_t at = name + 1;
    if (IsToken(tokens, at, "(")) {
        return ClosingBracket(tokens, at) + 1;
    }
    while (IsToken(tokens, at, "[")) {
        at = ClosingBracket(tokens, at) + 1;
    }
    return at;
}

} // namespace d3dcompiler_standin
