#include "constant_integer_matrices.h"
#include "expression_types.h"
#include "function_scan.h"
#include "global_matrix_packing.h"
#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// One integer or bool matrix the program sets, as its registers hold it.
struct ConstantMatrix {
    std::string name;
    std::string element; // "int", "uint" or "bool"
    int rows = 0;
    int columns = 0;
    bool rowMajor = false;
    std::string Registers() const { // the vector type of one register
        const std::string base = element == "int" ? "int" : "uint";
        return base + std::to_string(rowMajor ? columns : rows);
    }
    int RegisterCount() const { return rowMajor ? rows : columns; }
    std::string Reader() const { return "standin_constant_" + name; }
    std::string ReaderDefinition() const;
};

// Rows of the float matrix from the registers: each register is a row when
// row-major; column-major, the registers are the rows of the transpose.
std::string ConstantMatrix::ReaderDefinition() const {
    const int length = rowMajor ? columns : rows;
    const std::string vector = "float" + std::to_string(length);
    std::string registers;
    for (int r = 0; r < RegisterCount(); ++r) {
        const std::string at = name + "[" + std::to_string(r) + "]";
        registers += r > 0 ? ", " : "";
        registers += vector + (element == "bool" ? "(" + at + " != 0)" : "(" + at + ")");
    }
    const std::string type = "float" + std::to_string(rows) + "x" + std::to_string(columns);
    const std::string stored =
        "float" + std::to_string(RegisterCount()) + "x" + std::to_string(length);
    const std::string value = stored + "(" + registers + ")";
    return " " + type + " " + Reader() + "() { return " +
           (rowMajor ? value : "transpose(" + value + ")") + "; }";
}

bool ReadElement(const std::string& text, ConstantMatrix* matrix) {
    NumericTypeName parsed;
    if (!ReadNumericTypeName(text, &parsed) || parsed.columns == 0) {
        return false;
    }
    const std::string_view element = IntegerElementOf(parsed.base);
    if (element.empty()) {
        return false;
    }
    matrix->element = element;
    matrix->rows = parsed.size;
    matrix->columns = parsed.columns;
    return true;
}

// Where declarations the program sets lie: inside a cbuffer or tbuffer, or
// at file scope outside any body or function.
std::vector<bool> SetByProgram(const Tokens& tokens) {
    std::vector<bool> set(tokens.size());
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& text = tokens[i].text;
        depth -= text == "}" || text == ")";
        set[i] = depth == 0;
        depth += text == "{" || text == "(";
    }
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        for (size_t i = body.open + 1; i < body.close; ++i) {
            set[i] = body.buffer && tokens[i].text != "{";
        }
    }
    return set;
}

// Each use of the matrix in a function body reads it through its reader;
// a name a local or parameter hides is left alone.
void RewriteReads(const Tokens& tokens, size_t nameAt, const std::vector<bool>& set,
                  const ConstantMatrix& matrix, LazyExpressionTypes& types,
                  std::vector<TextEdit>* edits) {
    for (size_t at = nameAt + 1; at < tokens.size(); ++at) {
        if (!set[at] && tokens[at].text == matrix.name &&
            tokens[at].kind == HlslToken::Kind::Identifier &&
            (at == 0 || tokens[at - 1].text != ".") &&
            types->DeclarationOf(at).value_or(nameAt) == nameAt) {
            edits->push_back({tokens[at].offset, tokens[at].text.size(), matrix.Reader() + "()"});
        }
    }
}

} // namespace

bool IsProgramSet(const Tokens& tokens, size_t at, size_t* modifier) {
    *modifier = tokens.size();
    for (size_t i = at; i > 0; --i) {
        const std::string& text = tokens[i - 1].text;
        if (text == ";" || text == "{" || text == "}") {
            break;
        }
        if (text == "static" || text == "typedef" || text == "(" || text == ",") {
            return false;
        }
        if (text == "row_major" || text == "column_major") {
            *modifier = i - 1;
        }
    }
    return (at == 0 || tokens[at - 1].text != ".") && IsIdentifier(tokens, at + 1) &&
           (IsToken(tokens, at + 2, ";") || IsToken(tokens, at + 2, ":"));
}

size_t ReaderOffset(const Tokens& tokens, size_t at, const std::vector<TypeBody>& bodies) {
    size_t end = at;
    for (const TypeBody& body : bodies) {
        if (body.buffer && body.open < at && at < body.close) {
            end = body.close;
        }
    }
    if (end == at) {
        while (end < tokens.size() && tokens[end].text != ";") {
            ++end;
        }
    } else if (IsToken(tokens, end + 1, ";")) {
        ++end;
    }
    end = std::min(end, tokens.size() - 1);
    return tokens[end].offset + tokens[end].text.size();
}

void ReadConstantIntegerMatrices(const std::string& source, const Tokens& tokens,
                                 std::vector<TextEdit>* edits) {
    std::vector<bool> set; // found at the first integer matrix type
    std::vector<TypeBody> bodies;
    LazyExpressionTypes types(tokens);
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        ConstantMatrix matrix;
        size_t modifier = 0;
        if (tokens[at].kind != HlslToken::Kind::Identifier ||
            !LooksLikeMatrixType(tokens[at].text) || !ReadElement(tokens[at].text, &matrix)) {
            continue;
        }
        if (set.empty()) {
            set = SetByProgram(tokens);
            bodies = FindTypeBodies(tokens);
        }
        if (!set[at] || !IsProgramSet(tokens, at, &modifier)) {
            continue;
        }
        matrix.name = tokens[at + 1].text;
        matrix.rowMajor = modifier < tokens.size() ? tokens[modifier].text == "row_major"
                                                   : PragmaRowMajor(source, tokens[at].offset);
        if (modifier < tokens.size()) {
            edits->push_back({tokens[modifier].offset, tokens[modifier].text.size(), ""});
        }
        edits->push_back({tokens[at].offset, tokens[at].text.size(), matrix.Registers()});
        const HlslToken& name = tokens[at + 1];
        std::string registers = "[";
        registers += std::to_string(matrix.RegisterCount());
        registers += ']';
        edits->push_back({name.offset + name.text.size(), 0, registers});
        edits->push_back({ReaderOffset(tokens, at, bodies), 0, matrix.ReaderDefinition()});
        RewriteReads(tokens, at + 1, set, matrix, types, edits);
    }
}

} // namespace d3dcompiler_standin
