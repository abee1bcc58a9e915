#include "float_literal_precision.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace d3dcompiler_standin {
namespace {

bool IsFloatLiteral(const std::string& text) {
    return text.rfind("0x", 0) != 0 && text.rfind("0X", 0) != 0 &&
           text.find_first_of(".eE") != std::string::npos;
}

bool IsDoubleLiteral(const HlslToken& token) {
    const char last = token.text.back();
    return token.kind == HlslToken::Kind::Number && (last == 'l' || last == 'L') &&
           IsFloatLiteral(token.text);
}

// Whether anything in the source computes in doubles: a double type, a
// double literal or an intrinsic whose value or parameters are doubles.
bool UsesDoubles(const std::vector<HlslToken>& tokens) {
    for (const HlslToken& token : tokens) {
        const std::string& text = token.text;
        if (token.kind == HlslToken::Kind::Identifier &&
            (text[0] == 'd' || text[0] == 'a' || text[0] == 'f') &&
            (text.rfind("double", 0) == 0 || text == "asdouble" || text == "fma")) {
            return true;
        }
        if (token.kind == HlslToken::Kind::Number && IsDoubleLiteral(token)) {
            return true;
        }
    }
    return false;
}

// The float literal's text with its value rounded to a float, or "" when a
// float holds it exactly, it is out of a float's range or no float literal.
std::string RoundedText(const HlslToken& token) {
    if (token.kind != HlslToken::Kind::Number || !IsFloatLiteral(token.text)) {
        return "";
    }
    std::string digits = token.text;
    std::string suffix;
    if (std::string("fFhH").find(digits.back()) != std::string::npos) {
        suffix = digits.back();
        digits.pop_back();
    } else if (digits.back() == 'l' || digits.back() == 'L') {
        return "";
    }
    char* parsed = nullptr;
    const double value = std::strtod(digits.c_str(), &parsed);
    const float rounded = static_cast<float>(value);
    if (parsed != digits.c_str() + digits.size() || !std::isfinite(rounded) ||
        static_cast<double>(rounded) == value) {
        return "";
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(rounded));
    std::string exact = text;
    if (exact.find_first_of(".e") == std::string::npos) {
        exact += ".0";
    }
    return exact + suffix;
}

} // namespace

void RoundFloatLiteralsNearDoubles(const std::vector<HlslToken>& tokens,
                                   std::vector<TextEdit>* edits) {
    if (!UsesDoubles(tokens)) {
        return;
    }
    for (const HlslToken& token : tokens) {
        const std::string rounded = RoundedText(token);
        if (!rounded.empty()) {
            edits->push_back({token.offset, token.text.size(), rounded});
        }
    }
}

} // namespace d3dcompiler_standin
