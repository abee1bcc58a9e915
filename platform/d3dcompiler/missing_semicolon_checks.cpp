#include "missing_semicolon_checks.h"

#include "numeric_type_names.h"

namespace d3dcompiler_standin {

namespace {

// Words a declaration's type may follow: its storage classes and modifiers.
bool IsModifier(const std::string& word) {
    static const char* const kModifiers[] = {"in",
                                             "out",
                                             "inout",
                                             "const",
                                             "static",
                                             "uniform",
                                             "extern",
                                             "precise",
                                             "row_major",
                                             "column_major",
                                             "nointerpolation",
                                             "linear",
                                             "centroid",
                                             "noperspective",
                                             "sample",
                                             "shared",
                                             "groupshared",
                                             "volatile",
                                             "typedef",
                                             "inline",
                                             "snorm",
                                             "unorm",
                                             "globallycoherent",
                                             "point",
                                             "line",
                                             "triangle",
                                             "lineadj",
                                             "triangleadj",
                                             "return",
                                             "case",
                                             "else",
                                             "do",
                                             "export",
                                             "center",
                                             "unsigned"};
    for (const char* modifier : kModifiers) {
        if (word == modifier) {
            return true;
        }
    }
    return false;
}

// Whether the name at `at` is a numeric type starting a declaration ("float
// b") right after an operand (a name or a number) that no modifier is.
bool DeclarationRunsOn(const std::vector<HlslToken>& tokens, size_t at) {
    const HlslToken& before = tokens[at - 1];
    const bool operand = before.kind == HlslToken::Kind::Number ||
                         (before.kind == HlslToken::Kind::Identifier && !IsModifier(before.text));
    NumericTypeName type;
    return operand && ReadNumericTypeName(tokens[at].text, &type);
}

} // namespace

bool CheckDeclarationsRunOn(const std::vector<HlslToken>& tokens, std::string* errors) {
    using Kind = HlslToken::Kind;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        // Three names in a row are rare: their kinds, read inline, come first,
        // since this runs over every token of every compile.
        if (tokens[at + 1].kind != Kind::Identifier || tokens[at].kind != Kind::Identifier ||
            (tokens[at - 1].kind != Kind::Identifier && tokens[at - 1].kind != Kind::Number) ||
            !DeclarationRunsOn(tokens, at)) {
            continue;
        }
        *errors +=
            SourceError(tokens[at], "syntax error: unexpected token '" + tokens[at].text + "'",
                        "X3000") +
            "\n";
        return false;
    }
    return true;
}

} // namespace d3dcompiler_standin
