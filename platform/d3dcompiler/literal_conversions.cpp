#include "literal_conversions.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct Literal {
    size_t end = 0; // past the literal's last token
    float value = 0;
};

// The float literal, with an optional sign, starting at `at`; end 0 when
// there is none. Literals are floats, so the value is rounded to one.
Literal FloatLiteralAt(const Tokens& tokens, size_t at) {
    const bool negative = IsToken(tokens, at, "-");
    if (negative || IsToken(tokens, at, "+")) {
        ++at;
    }
    if (at >= tokens.size() || tokens[at].kind != HlslToken::Kind::Number) {
        return {};
    }
    std::string text = tokens[at].text;
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 ||
        text.find_first_of(".eE") == std::string::npos) {
        return {};
    }
    if (text.find_first_of("fFhHlL") == text.size() - 1) {
        text.pop_back();
    }
    char* parsed = nullptr;
    const double value = std::strtod(text.c_str(), &parsed);
    if (parsed != text.c_str() + text.size()) {
        return {};
    }
    return {at + 1, static_cast<float>(negative ? -value : value)};
}

// Direct3D's conversion where it saturates, or "" where the value is in
// range and glslang's folding gives it too.
std::string SaturatedInteger(float value, bool toUnsigned) {
    const double low = toUnsigned ? 0.0 : -2147483648.0;
    const double high = toUnsigned ? 4294967295.0 : 2147483647.0;
    if (std::isnan(value)) {
        return "0";
    }
    if (value > low - 1.0 && value < high + 1.0) {
        return "";
    }
    if (toUnsigned) {
        return value < 0 ? "0u" : "4294967295u";
    }
    return value < 0 ? "(-2147483647 - 1)" : "2147483647";
}

bool IsIntegerType(const std::string& name) {
    return name == "int" || name == "uint" || name == "dword";
}

} // namespace

void RewriteLiteralConversions(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        // "(int) literal" or "int(literal)".
        const bool cast = tokens[at].text == "(" && IsIntegerType(tokens[at + 1].text) &&
                          tokens[at + 2].text == ")";
        const bool constructor = IsIntegerType(tokens[at].text) && tokens[at + 1].text == "(" &&
                                 (at == 0 || tokens[at - 1].text != ".");
        if (!cast && !constructor) {
            continue;
        }
        const std::string& type = tokens[at + (cast ? 1 : 0)].text;
        const Literal literal = FloatLiteralAt(tokens, at + (cast ? 3 : 2));
        if (literal.end == 0 || (constructor && !IsToken(tokens, literal.end, ")"))) {
            continue;
        }
        const std::string integer =
            SaturatedInteger(literal.value, type == "uint" || type == "dword");
        if (integer.empty()) {
            continue;
        }
        const size_t last = constructor ? literal.end : literal.end - 1;
        const size_t end = tokens[last].offset + tokens[last].text.size();
        edits->push_back({tokens[at].offset, end - tokens[at].offset, integer});
    }
}

} // namespace d3dcompiler_standin
