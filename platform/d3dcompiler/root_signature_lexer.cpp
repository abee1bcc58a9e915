#include "root_signature_lexer.h"
#include "identifier_chars.h"

#include <cctype>

namespace d3dcompiler_standin {
namespace {

bool IsDigit(char c) {
    return std::isdigit(uint8_t(c)) != 0;
}

// Digits with an optional fraction, exponent and float suffix: 16, 0.5, 1e3, 2.0f.
size_t NumberEnd(const std::string& text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        if (exponent < text.size() && IsDigit(text[exponent])) {
            at = exponent;
            while (at < text.size() && IsDigit(text[at])) {
                ++at;
            }
        }
    }
    if (at < text.size() && (text[at] == 'f' || text[at] == 'F')) {
        ++at;
    }
    return at;
}

} // namespace

bool TokenizeRootSignature(const std::string& text, std::vector<RootSignatureToken>* tokens,
                           std::string* error) {
    using Kind = RootSignatureToken::Kind;
    tokens->clear();
    size_t at = 0;
    while (at < text.size()) {
        char c = text[at];
        if (std::isspace(uint8_t(c))) {
            ++at;
            continue;
        }
        size_t end = at + 1;
        Kind kind = Kind::Punctuation;
        if (IsIdentifierStart(c)) {
            kind = Kind::Word;
            while (end < text.size() && IsIdentifierPart(text[end])) {
                ++end;
            }
        } else if (IsDigit(c) || (c == '.' && at + 1 < text.size() && IsDigit(text[at + 1]))) {
            kind = Kind::Number;
            end = NumberEnd(text, at);
            if (end < text.size() && IsIdentifierPart(text[end])) {
                *error = "column " + std::to_string(at + 1) + ": malformed number '" +
                         text.substr(at, end + 1 - at) + "'";
                return false;
            }
        } else if (std::string("(),=|+-").find(c) == std::string::npos) {
            *error = "column " + std::to_string(at + 1) + ": unexpected character '" +
                     std::string(1, c) + "'";
            return false;
        }
        tokens->push_back({kind, text.substr(at, end - at), at + 1});
        at = end;
    }
    tokens->push_back({Kind::End, "", text.size() + 1});
    return true;
}

} // namespace d3dcompiler_standin
