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

// A float literal converted to an integer type: tokens [first, last] are
// replaced by the integer.
struct Conversion {
    size_t first = 0;
    size_t last = 0;
    bool toUnsigned = false;
    float value = 0;
    bool found = false;
};

// The literal at `at`, alone or in parentheses, ending the tokens replaced.
Conversion LiteralOperand(const Tokens& tokens, size_t first, size_t at) {
    const bool parenthesised = IsToken(tokens, at, "(");
    const Literal literal = FloatLiteralAt(tokens, parenthesised ? at + 1 : at);
    if (literal.end == 0 || (parenthesised && !IsToken(tokens, literal.end, ")"))) {
        return {};
    }
    return {first, parenthesised ? literal.end : literal.end - 1, false, literal.value, true};
}

// "(int) literal", "int(literal)", or "int name = literal;" at `at`.
Conversion ConversionAt(const Tokens& tokens, size_t at) {
    Conversion conversion;
    if (tokens[at].text == "(" && IsIntegerType(tokens[at + 1].text) &&
        tokens[at + 2].text == ")") {
        conversion = LiteralOperand(tokens, at, at + 3);
        conversion.toUnsigned = tokens[at + 1].text != "int";
    } else if (IsIntegerType(tokens[at].text) && (at == 0 || tokens[at - 1].text != ".")) {
        const bool declared = IsIdentifier(tokens, at + 1) && IsToken(tokens, at + 2, "=");
        conversion = declared ? LiteralOperand(tokens, at + 3, at + 3)
                              : (tokens[at + 1].text == "(" ? LiteralOperand(tokens, at, at + 1)
                                                            : Conversion{});
        const size_t next = conversion.last + 1;
        if (declared && !(IsToken(tokens, next, ";") || IsToken(tokens, next, ","))) {
            return {};
        }
        conversion.toUnsigned = tokens[at].text != "int";
    }
    return conversion;
}

} // namespace

void RewriteLiteralConversions(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        const Conversion conversion = ConversionAt(tokens, at);
        if (!conversion.found) {
            continue;
        }
        const std::string integer = SaturatedInteger(conversion.value, conversion.toUnsigned);
        if (integer.empty()) {
            continue;
        }
        const size_t start = tokens[conversion.first].offset;
        const size_t end = tokens[conversion.last].offset + tokens[conversion.last].text.size();
        edits->push_back({start, end - start, integer});
    }
}

} // namespace d3dcompiler_standin
