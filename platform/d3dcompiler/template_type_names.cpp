#include "template_type_names.h"

#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The dimension at tokens[at] when it is a literal from 1 to 4, else 0.
int Dimension(const Tokens& tokens, size_t at) {
    if (at >= tokens.size() || tokens[at].text.size() != 1) {
        return 0;
    }
    const char digit = tokens[at].text[0];
    return digit >= '1' && digit <= '4' ? digit - '0' : 0;
}

// The name of the template type at tokens[at] ("vector" or "matrix"), with
// `*end` past it; empty where its arguments are not a scalar type and
// literal dimensions (left to glslang, which reads or refuses them).
std::string SpelledName(const Tokens& tokens, size_t at, size_t* end) {
    const bool isMatrix = tokens[at].text == "matrix";
    const int count = isMatrix ? 2 : 1;
    if (!IsToken(tokens, at + 1, "<")) {
        *end = at + 1; // the template's defaults
        return isMatrix ? "float4x4" : "float4";
    }
    NumericTypeName scalar;
    if (!IsIdentifier(tokens, at + 2) || !ReadNumericTypeName(tokens[at + 2].text, &scalar) ||
        scalar.size != 0) {
        return "";
    }
    std::string name = tokens[at + 2].text;
    size_t next = at + 3;
    for (int i = 0; i < count; ++i) {
        const int dimension = Dimension(tokens, next + 1);
        if (!IsToken(tokens, next, ",") || dimension == 0) {
            return "";
        }
        if (i == 1) {
            name += 'x';
        }
        name += std::to_string(dimension);
        next += 2;
    }
    if (!IsToken(tokens, next, ">")) {
        return "";
    }
    *end = next + 1;
    return name;
}

} // namespace

std::string SpellTemplateTypes(const std::string& source, const std::vector<HlslToken>& tokens) {
    if (source.find("vector") == std::string::npos && source.find("matrix") == std::string::npos) {
        return ""; // the common case, told by one search of the text
    }
    std::string spelled;
    size_t copied = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text.size() != 6 || (text[0] != 'v' && text[0] != 'm') ||
            (text != "vector" && text != "matrix") || (at > 0 && IsChar(tokens[at - 1], '.'))) {
            continue;
        }
        size_t end = at;
        const std::string name = SpelledName(tokens, at, &end);
        // A lone "vector" or "matrix" is a type only where a name or a cast's
        // ")" or a constructor's "(" follows it.
        const bool lone = end == at + 1 && !IsIdentifier(tokens, end) &&
                          !IsToken(tokens, end, ")") && !IsToken(tokens, end, "(");
        if (name.empty() || lone || tokens[end - 1].line != tokens[at].line) {
            continue;
        }
        const size_t first = tokens[at].offset;
        const size_t last = tokens[end - 1].offset + tokens[end - 1].text.size();
        spelled += source.substr(copied, first - copied);
        spelled +=
            name + std::string(last - first > name.size() ? last - first - name.size() : 0, ' ');
        copied = last;
    }
    return copied == 0 ? "" : spelled + source.substr(copied);
}

} // namespace d3dcompiler_standin
