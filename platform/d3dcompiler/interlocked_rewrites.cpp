#include "interlocked_rewrites.h"
#include "expression_types.h"

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

// The scalar integer type of the tokens [first, end), or "".
std::string IntegerScalarType(LazyExpressionTypes& types, size_t first, size_t end) {
    const std::optional<ExpressionType> type = types->TypeOf(first, end);
    if (!type || !type->IsScalar() || (type->base != "int" && type->base != "uint")) {
        return "";
    }
    return type->base;
}

// The index of the first argument's closing ',' in the call opened at `open`.
size_t FirstArgumentEnd(const std::vector<HlslToken>& tokens, size_t open, size_t close) {
    size_t at = open + 1;
    while (at < close && tokens[at].text != ",") {
        const std::string& text = tokens[at].text;
        at = text == "(" || text == "[" ? ClosingBracket(tokens, at) + 1 : at + 1;
    }
    return at;
}

// The number of arguments of the call opened at `open` and closed at `close`.
size_t ArgumentCount(const std::vector<HlslToken>& tokens, size_t open, size_t close) {
    size_t count = 0;
    for (size_t at = open; at < close; ++count) {
        at = FirstArgumentEnd(tokens, at, close);
    }
    return count;
}

} // namespace

void RewriteCompareStores(const std::string& source, const std::vector<HlslToken>& tokens,
                          std::vector<TextEdit>* edits) {
    if (source.find("InterlockedCompareStore") == std::string::npos) {
        return;
    }
    LazyExpressionTypes types(tokens);
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "InterlockedCompareStore" || tokens[at + 1].text != "(") {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        const bool method = tokens[at - 1].text == ".";
        // A call of another count keeps its name for the argument-count check.
        if (!IsToken(tokens, close + 1, ";") || ArgumentCount(tokens, at + 1, close) != 3) {
            continue;
        }
        const size_t start = method ? PostfixOperandStart(tokens, at - 1) : at;
        const std::string type =
            method ? "uint"
                   : IntegerScalarType(types, at + 2, FirstArgumentEnd(tokens, at + 1, close));
        if (type.empty() || start == at - 1) {
            continue;
        }
        edits->push_back({tokens[start].offset, 0, "{ " + type + " standin_stored; "});
        edits->push_back({tokens[at].offset, tokens[at].text.size(), "InterlockedCompareExchange"});
        edits->push_back({tokens[close].offset, 0, ", standin_stored"});
        edits->push_back({tokens[close + 1].offset + 1, 0, " }"});
    }
}

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
