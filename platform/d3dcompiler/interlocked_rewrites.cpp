#include "interlocked_rewrites.h"

namespace d3dcompiler_standin {
namespace {

// "12", "0x1F": an integer literal without a suffix.
bool IsUnsuffixedInteger(const HlslToken& token) {
    if (token.kind != HlslToken::Kind::Number) {
        return false;
    }
    const std::string& text = token.text;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos;
    }
    return text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

void SuffixInterlockedMethodLiterals(const std::vector<HlslToken>& tokens,
                                     std::vector<TextEdit>* edits) {
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at - 1].text != "." || tokens[at].text.rfind("Interlocked", 0) != 0 ||
            tokens[at + 1].text != "(") {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        size_t begin = at + 2;
        for (size_t i = begin; i <= close && i < tokens.size(); ++i) {
            const std::string& text = tokens[i].text;
            if (text == "(" || text == "[") {
                i = ClosingBracket(tokens, i);
            } else if (text == "," || i == close) {
                if (i == begin + 1 && IsUnsuffixedInteger(tokens[begin])) {
                    edits->push_back({tokens[begin].offset + tokens[begin].text.size(), 0, "u"});
                }
                begin = i + 1;
            }
        }
    }
}

} // namespace d3dcompiler_standin
