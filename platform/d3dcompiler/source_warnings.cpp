#include "source_warnings.h"
#include "attribute_warnings.h"
#include "initialisation_checks.h"
#include "warning_lines.h"

#include <cstdlib>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A float or integer literal whose value is a whole number ("2", "3.0", "4.0f").
bool IsWholeNumberLiteral(const HlslToken& token) {
    if (token.kind != HlslToken::Kind::Number) {
        return false;
    }
    const char* text = token.text.c_str();
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return end != text && value == double(static_cast<long long>(value));
}

// pow's first argument where the compiler knows it is not negative: a
// literal, or abs(...) as the warning itself advises.
bool IsKnownNonNegative(const Tokens& tokens, size_t first, size_t comma) {
    if (comma == first + 1 && tokens[first].kind == HlslToken::Kind::Number) {
        return true;
    }
    return tokens[first].text == "abs" && IsToken(tokens, first + 1, "(") &&
           ClosingBracket(tokens, first + 1) + 1 == comma;
}

// The ',' between a call's two arguments, or `close` when there is none.
size_t ArgumentSeparator(const Tokens& tokens, size_t open, size_t close) {
    for (size_t at = open + 1; at < close; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || text == "{") {
            at = ClosingBracket(tokens, at);
        } else if (text == ",") {
            return at;
        }
    }
    return close;
}

} // namespace

void WarnPowers(const Tokens& tokens, std::string* warnings) {
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "pow" || !IsToken(tokens, at + 1, "(") ||
            tokens[at - 1].text == ".") {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        const size_t comma = ArgumentSeparator(tokens, at + 1, close);
        if (close >= tokens.size() || comma >= close || comma == at + 2) {
            continue;
        }
        size_t exponent = comma + 1;
        exponent += IsToken(tokens, exponent, "-") || IsToken(tokens, exponent, "+");
        const bool wholeExponent = exponent + 1 == close && IsWholeNumberLiteral(tokens[exponent]);
        if (wholeExponent || IsKnownNonNegative(tokens, at + 2, comma)) {
            continue;
        }
        *warnings += SourceSpan(tokens[at], tokens[close]) +
                     ": warning X3571: pow(f, e) will not work for negative f, use abs(f) or "
                     "conditionally handle negative values if you expect them\n";
    }
}

void WarnFiniteTests(const Tokens& tokens, std::string* warnings) {
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        const std::string& name = tokens[at].text;
        if ((name != "isnan" && name != "isinf") || !IsToken(tokens, at + 1, "(") ||
            tokens[at - 1].text == "." || tokens[at + 2].kind == HlslToken::Kind::Number) {
            continue;
        }
        const bool nan = name == "isnan";
        *warnings += SourceSpan(tokens[at], tokens[ClosingBracket(tokens, at + 1)]) +
                     ": warning X3577: value cannot be " + (nan ? "NaN" : "infinity") + ", " +
                     name + "() may not be necessary. /Gis may force " + name +
                     "() to be performed\n";
    }
}

std::string CollectSourceWarnings(const Tokens& tokens, const std::string& entryPoint,
                                  const ShaderTarget& target) {
    std::string warnings;
    const std::vector<FunctionDefinition> functions = FindFunctionDefinitions(tokens);
    WarnMisplacedAttributes(tokens, functions, entryPoint, target, &warnings);
    WarnLoops(tokens, functions, &warnings);
    WarnPowers(tokens, &warnings);
    WarnTruncations(tokens, functions, &warnings);
    WarnDoubleNarrowing(tokens, functions, &warnings);
    WarnArithmetic(tokens, functions, &warnings);
    WarnIncompleteOutputs(tokens, functions, entryPoint, &warnings);
    WarnPartlyWrittenLocals(tokens, functions, &warnings);
    return warnings;
}

} // namespace d3dcompiler_standin
