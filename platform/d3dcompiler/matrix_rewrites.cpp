#include "matrix_rewrites.h"
#include "function_scan.h"
#include "numeric_type_names.h"

#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// An integer or bool matrix type name: its kind ("int", "uint" or "bool")
// and its shape.
struct MatrixName {
    std::string kind;
    int rows = 0;
    int columns = 0;
    std::string Float() const {
        return "float" + std::to_string(rows) + "x" + std::to_string(columns);
    }
    std::string Helper() const {
        return "standin_" + kind + std::to_string(rows) + "x" + std::to_string(columns);
    }
};

bool ReadMatrixName(const std::string& text, MatrixName* name) {
    NumericTypeName parsed;
    if (!ReadNumericTypeName(text, &parsed) || parsed.columns == 0) {
        return false;
    }
    const std::string_view kind = IntegerElementOf(parsed.base);
    if (kind.empty()) {
        return false;
    }
    name->kind = kind;
    name->rows = parsed.size;
    name->columns = parsed.columns;
    return true;
}

// The conversion Windows makes into the matrix, row by row, on float rows:
// toward zero for integers (negative values saturating to 0 for uint), 0 or
// 1 for bools. glslang's component-wise intrinsics take no matrices.
std::string HelperDefinition(const MatrixName& name) {
    const std::string row = "float" + std::to_string(name.columns);
    std::string rows;
    for (int r = 0; r < name.rows; ++r) {
        const std::string at = "m[" + std::to_string(r) + "]";
        rows += r > 0 ? ", " : "";
        if (name.kind == "bool") {
            rows += row + "(" + at + " != 0)";
        } else if (name.kind == "uint") {
            rows += "max(trunc(" + at + "), 0)";
        } else {
            rows += "trunc(" + at + ")";
        }
    }
    const std::string guard = name.Helper() + "_defined";
    return "#ifndef " + guard + "\n#define " + guard + "\n" + name.Float() + " " + name.Helper() +
           "(" + name.Float() + " m) { return " + name.Float() + "(" + rows + "); }\n#endif\n";
}

// Past the last token of the operand a cast at `at` applies to: a bracketed
// expression, or a name with its indices, calls and members; `at` when
// neither.
size_t OperandEnd(const Tokens& tokens, size_t at) {
    if (IsToken(tokens, at, "(")) {
        return ClosingBracket(tokens, at) + 1;
    }
    if (!IsIdentifier(tokens, at)) {
        return at;
    }
    size_t end = at + 1;
    while (end < tokens.size()) {
        const std::string& text = tokens[end].text;
        if (text == "[" || text == "(") {
            end = ClosingBracket(tokens, end) + 1;
        } else if (text == "." && IsIdentifier(tokens, end + 1)) {
            end += 2;
        } else {
            break;
        }
    }
    return end;
}

// Where each token stands: inside braces or brackets, or at file scope.
std::vector<bool> AtFileScope(const Tokens& tokens) {
    std::vector<bool> fileScope(tokens.size());
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& text = tokens[i].text;
        depth -= text == "}" || text == ")";
        fileScope[i] = depth == 0;
        depth += text == "{" || text == "(";
    }
    return fileScope;
}

// Whether the type at `at`, its declarator's name at `name`, declares a
// constant the program sets: a member of a cbuffer or tbuffer, or a global
// variable that is not static. There the matrix's bits are integers, which
// a float matrix would misread: constant_integer_matrices.cpp reads them.
bool DeclaresConstant(const Tokens& tokens, const std::vector<TypeBody>& bodies,
                      const std::vector<bool>& fileScope, size_t at, size_t name) {
    for (const TypeBody& body : bodies) {
        if (body.buffer && body.open < at && at < body.close) {
            return true;
        }
    }
    if (!fileScope[at] || !IsIdentifier(tokens, name) || IsToken(tokens, name + 1, "(")) {
        return false;
    }
    for (size_t i = at; i > 0 && tokens[i - 1].text != ";" && tokens[i - 1].text != "}"; --i) {
        if (tokens[i - 1].text == "static") {
            return false;
        }
    }
    return true;
}

// The edits of one matrix name at `at`: a constructor or cast converts its
// value through the helper; any other use only names the float type.
void RewriteUse(const Tokens& tokens, size_t at, const MatrixName& name, bool fileScope,
                std::set<std::string>* helpers, std::vector<TextEdit>* edits) {
    const HlslToken& token = tokens[at];
    size_t open = tokens.size(); // where the converted value starts
    size_t end = tokens.size();  // and the token past it
    // At file scope (a static's initialiser) glslang takes a function called
    // for recursion; the values written there are the source's literals.
    if (!fileScope && IsToken(tokens, at + 1, "(")) {
        open = at;
        end = ClosingBracket(tokens, at + 1) + 1;
    } else if (!fileScope && at > 0 && tokens[at - 1].text == "(" && IsToken(tokens, at + 1, ")")) {
        open = at - 1;
        end = OperandEnd(tokens, at + 2);
        end = end == at + 2 ? tokens.size() : end;
    }
    if (end > tokens.size() || end == tokens.size() || end <= at) {
        edits->push_back({token.offset, token.text.size(), name.Float()});
        return;
    }
    helpers->insert(HelperDefinition(name));
    edits->push_back({tokens[open].offset, 0, name.Helper() + "("});
    edits->push_back({token.offset, token.text.size(), name.Float()});
    const HlslToken& last = tokens[end - 1];
    edits->push_back({last.offset + last.text.size(), 0, ")"});
}

} // namespace

std::string IntegerMatrixConversion(const std::string& type, std::string* definition) {
    MatrixName name;
    if (!ReadMatrixName(type, &name)) {
        return "";
    }
    *definition = HelperDefinition(name);
    return name.Helper();
}

void RewriteIntegerMatrices(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    const std::vector<TypeBody> bodies = FindTypeBodies(tokens);
    const std::vector<bool> fileScope = AtFileScope(tokens);
    std::set<std::string> helpers;
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (tokens[at].text == "matrix" && IsToken(tokens, at + 1, "<") &&
            IsToken(tokens, at + 3, ",") &&
            !DeclaresConstant(tokens, bodies, fileScope, at, ClosingBracket(tokens, at + 1) + 1)) {
            MatrixName name;
            const std::string shaped = tokens[at + 2].text + "1x1";
            if (ReadMatrixName(shaped, &name)) { // matrix<int, 2, 2>
                edits->push_back({tokens[at + 2].offset, tokens[at + 2].text.size(), "float"});
            }
            continue;
        }
        MatrixName name;
        if (tokens[at].kind != HlslToken::Kind::Identifier ||
            !ReadMatrixName(tokens[at].text, &name) || (at > 0 && tokens[at - 1].text == ".") ||
            DeclaresConstant(tokens, bodies, fileScope, at, at + 1)) {
            continue;
        }
        RewriteUse(tokens, at, name, fileScope[at], &helpers, edits);
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
