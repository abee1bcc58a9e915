#include "thin_matrices.h"

#include "constant_thin_matrices.h"
#include "expression_types.h"
#include "function_scan.h"
#include "numeric_type_names.h"
#include "thin_matrix_members.h"

#include <algorithm>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Whether `text` names a matrix of one row or one column; its parts in
// `*name`.
bool IsThinMatrixName(const std::string& text, NumericTypeName* name) {
    return LooksLikeMatrixType(text) && ReadNumericTypeName(text, name) && name->columns > 0 &&
           (name->size == 1 || name->columns == 1);
}

bool IsThin(const std::optional<ExpressionType>& type) {
    return type && type->IsMatrix() && (type->rows == 1 || type->columns == 1);
}

// Whether a thin matrix is declared where its registers are the program's
// (a constant buffer member or a global that is not static), which are
// packed as a matrix's.
bool DeclaredAsConstant(const Tokens& tokens, const std::vector<int>& depths,
                        const std::vector<TypeBody>& bodies, size_t at) {
    for (const TypeBody& body : bodies) {
        if (body.buffer && body.open < at && at < body.close) {
            return true;
        }
    }
    if (depths[at] > 0) {
        return false; // a local or a structure's member
    }
    if (IsIdentifier(tokens, at + 1) && IsToken(tokens, at + 2, "(")) {
        return false; // a function's return type
    }
    int parentheses = 0;
    for (size_t i = at; i > 0 && tokens[i - 1].text != ";" && tokens[i - 1].text != "}"; --i) {
        const std::string& text = tokens[i - 1].text;
        parentheses += (text == "(") - (text == ")");
        if (text == "static" || parentheses > 0) {
            return false; // a static, or a parameter
        }
    }
    return true;
}

// The first token of the operand whose last token is at `last`: a name with
// its members, indexes and calls, or a group in parentheses.
size_t OperandStart(const Tokens& tokens, size_t last) {
    size_t at = last;
    while (at < tokens.size()) {
        const std::string& text = tokens[at].text;
        if (text == "]" || text == ")") {
            const size_t open = OpeningBracket(tokens, at);
            if (open == 0 || (text == ")" && !IsIdentifier(tokens, open - 1))) {
                return open;
            }
            at = open - 1;
        } else if (IsIdentifier(tokens, at)) {
            if (at >= 2 && IsToken(tokens, at - 1, ".")) {
                at -= 2;
            } else {
                return at;
            }
        } else {
            return tokens.size();
        }
    }
    return tokens.size();
}

// A matrix element swizzle (`_11_21`, `_m00`) on a thin matrix of `rows`
// rows, as the vector's components ("xy"), or "" where it is none.
std::string VectorSwizzle(const std::string& swizzle, int rows) {
    static const char kComponents[] = "xyzw";
    std::string vector;
    size_t at = 0;
    while (at < swizzle.size() && swizzle[at] == '_') {
        const bool zeroBased = at + 1 < swizzle.size() && swizzle[at + 1] == 'm';
        const size_t digits = at + 1 + zeroBased;
        if (digits + 1 >= swizzle.size() + 0 || !std::isdigit(uint8_t(swizzle[digits])) ||
            !std::isdigit(uint8_t(swizzle[digits + 1]))) {
            return "";
        }
        const int row = swizzle[digits] - '0' - !zeroBased;
        const int column = swizzle[digits + 1] - '0' - !zeroBased;
        const int component = rows == 1 ? column : row;
        if (row < 0 || column < 0 || component > 3) {
            return "";
        }
        vector += kComponents[component];
        at = digits + 2;
    }
    return at == swizzle.size() && !vector.empty() ? vector : "";
}

} // namespace

namespace {

// The helper giving mul(column, row): a matrix of `rows` x `columns` whose
// row i is a[i] * b, or the vector that a thin result is.
std::string OuterHelper(const std::string& base, int rows, int columns, std::string* name) {
    const std::string a = base + std::to_string(rows);
    const std::string b = base + std::to_string(columns);
    *name = "standin_outer_" + base + std::to_string(rows) + "x" + std::to_string(columns);
    std::string result = base + std::to_string(rows) + "x" + std::to_string(columns);
    std::string value;
    if (rows == 1) {
        result = b;
        value = "a.x * b";
    } else if (columns == 1) {
        result = a;
        value = "a * b.x";
    } else {
        value = result + "(";
        for (int i = 0; i < rows; ++i) {
            value += std::string(i > 0 ? ", " : "") + "a[" + std::to_string(i) + "] * b";
        }
        value += ")";
    }
    return "#ifndef " + *name + "_defined\n#define " + *name + "_defined\n" + result + " " + *name +
           "(" + a + " a, " + b + " b) { return " + value + "; }\n#endif\n";
}

struct ThinRewrite {
    const Tokens& tokens;
    ExpressionTypes types;
    std::vector<TextEdit> edits;
    std::set<std::string> helpers;

    std::optional<ExpressionType> TypeBefore(size_t at) const {
        const size_t start = at > 0 ? OperandStart(tokens, at - 1) : tokens.size();
        return start < at ? types.TypeOf(start, at) : std::nullopt;
    }

    void Blank(size_t first, size_t last) {
        const size_t from = tokens[first].offset;
        const size_t to = tokens[last].offset + tokens[last].text.size();
        edits.push_back({from, to - from, std::string(to - from, ' ')});
    }

    void Swizzle(size_t dot) {
        const std::optional<ExpressionType> type = TypeBefore(dot);
        if (IsThin(type)) {
            const std::string vector = VectorSwizzle(tokens[dot + 1].text, type->rows);
            if (!vector.empty()) {
                edits.push_back({tokens[dot + 1].offset, tokens[dot + 1].text.size(), vector});
            }
        }
    }

    void Index(size_t open) {
        const std::optional<ExpressionType> type = TypeBefore(open);
        const size_t close = ClosingBracket(tokens, open);
        if (!IsThin(type) || close >= tokens.size()) {
            return;
        }
        if (type->rows == 1) {
            Blank(open, close); // the one row
        } else if (IsToken(tokens, close + 1, "[")) {
            const size_t second = ClosingBracket(tokens, close + 1);
            if (second < tokens.size()) {
                Blank(close + 1, second); // the one column
            }
        }
    }

    void Call(size_t at) {
        const size_t open = at + 1;
        const size_t close = ClosingBracket(tokens, open);
        if (close >= tokens.size()) {
            return;
        }
        if (tokens[at].text == "transpose") {
            if (IsThin(types.TypeOf(open + 1, close))) {
                Blank(at, at);
            }
            return;
        }
        size_t comma = open + 1;
        while (comma < close && tokens[comma].text != ",") {
            const std::string& text = tokens[comma].text;
            comma = (text == "(" || text == "[") ? ClosingBracket(tokens, comma) + 1 : comma + 1;
        }
        const std::optional<ExpressionType> a = types.TypeOf(open + 1, comma);
        const std::optional<ExpressionType> b =
            comma < close ? types.TypeOf(comma + 1, close) : std::nullopt;
        if (!IsThin(a) || !IsThin(b) || a->columns != 1 || b->rows != 1 ||
            (a->rows == 1 && b->columns == 1)) {
            return;
        }
        std::string name;
        helpers.insert(OuterHelper(a->base, a->rows, b->columns, &name));
        edits.push_back({tokens[at].offset, tokens[at].text.size(), name});
    }
};

// The structures a constant buffer member or a global the program sets is
// declared as.
std::set<std::string> ConstantStructures(const Tokens& tokens, const std::vector<int>& depths,
                                         const std::vector<TypeBody>& bodies,
                                         const ExpressionTypes& types) {
    std::set<std::string> structures;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if (IsIdentifier(tokens, at) && tokens[at - 1].text != "struct" &&
            types.MembersOf(tokens[at].text) != nullptr &&
            DeclaredAsConstant(tokens, depths, bodies, at)) {
            structures.insert(tokens[at].text);
        }
    }
    return structures;
}

std::vector<int> BraceDepths(const Tokens& tokens) {
    std::vector<int> depths(tokens.size());
    int depth = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        depths[at] = depth;
        depth += IsChar(tokens[at], '{') - (IsChar(tokens[at], '}') && depth > 0);
    }
    return depths;
}

} // namespace

void SpellThinMatrices(const std::string& written, std::string* spelled, Tokens* tokens) {
    std::vector<size_t> names;
    for (size_t at = 0; at < tokens->size(); ++at) {
        NumericTypeName name;
        if ((*tokens)[at].kind == HlslToken::Kind::Identifier &&
            IsThinMatrixName((*tokens)[at].text, &name)) {
            names.push_back(at);
        }
    }
    if (names.empty()) {
        return;
    }
    const std::string& source = spelled->empty() ? written : *spelled;
    const std::vector<int> depths = BraceDepths(*tokens);
    const std::vector<TypeBody> bodies = FindTypeBodies(*tokens);
    ThinRewrite rewrite{*tokens, ExpressionTypes(*tokens), {}, {}};
    std::set<size_t> declaredAsRegisters;
    for (size_t at : names) {
        if (!DeclaredAsConstant(*tokens, depths, bodies, at)) {
            continue;
        }
        const int registers =
            DeclareThinConstant(source, *tokens, at, bodies, rewrite.types, &rewrite.edits);
        if (registers == 0) {
            return; // left as glslang reads it
        }
        if (registers > 1) {
            declaredAsRegisters.insert(at);
        }
    }
    const std::set<std::string> constantTypes =
        ConstantStructures(*tokens, depths, bodies, rewrite.types);
    if (!constantTypes.empty()) {
        const ThinMemberInput members{source, *tokens, names, bodies, constantTypes, rewrite.types};
        const std::set<size_t> declared =
            DeclareThinMembers(members, &rewrite.edits, &rewrite.helpers);
        declaredAsRegisters.insert(declared.begin(), declared.end());
    }
    for (size_t at = 1; at + 1 < tokens->size(); ++at) {
        const std::string& text = (*tokens)[at].text;
        if (text == "." && IsIdentifier(*tokens, at + 1) && (*tokens)[at + 1].text[0] == '_') {
            rewrite.Swizzle(at);
        } else if (text == "[") {
            rewrite.Index(at);
        } else if ((text == "mul" || text == "transpose") && IsToken(*tokens, at + 1, "(")) {
            rewrite.Call(at);
        }
    }
    for (size_t at : names) {
        if (declaredAsRegisters.count(at) > 0) {
            continue;
        }
        NumericTypeName name;
        const HlslToken& token = (*tokens)[at];
        IsThinMatrixName(token.text, &name);
        std::string vector(name.base);
        vector += std::to_string(name.size * name.columns);
        rewrite.edits.push_back({token.offset, token.text.size(), vector});
    }
    std::string respelled = WithEdits(source, rewrite.edits);
    std::string helpers;
    for (const std::string& helper : rewrite.helpers) {
        helpers += helper;
    }
    *spelled = helpers.empty() ? respelled : helpers + "#line 1\n" + respelled;
    *tokens = TokenizePreprocessedHlsl(*spelled, "");
}

} // namespace d3dcompiler_standin
