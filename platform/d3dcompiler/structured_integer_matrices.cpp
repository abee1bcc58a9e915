#include "structured_integer_matrices.h"

#include "numeric_type_names.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct BufferElement {
    std::string integer; // "int", "uint" or "bool"
    int rows = 0;
    int columns = 0;

    std::string Shape() const { return std::to_string(rows) + "x" + std::to_string(columns); }
    std::string Reader() const { return "standin_bits_" + integer + Shape(); }

    std::string ReaderDefinition() const {
        const std::string row = "float" + std::to_string(columns);
        const std::string bits = integer == "int" ? "asint" : "asuint";
        std::string value;
        for (int i = 0; i < rows; ++i) {
            const std::string read = bits + "(m[" + std::to_string(i) + "])";
            value += std::string(i > 0 ? ", " : "") + row + "(" +
                     (integer == "bool" ? read + " != 0" : read) + ")";
        }
        const std::string matrix = "float" + Shape();
        return matrix + " " + Reader() + "(" + matrix + " m) { return " + matrix + "(" + value +
               "); }\n";
    }
};

// The element of the read-only structured buffer declared at `at`
// (`StructuredBuffer < int2x2 > name`) where it is an integer or bool matrix.
bool ReadIntegerMatrixElement(const Tokens& tokens, size_t at, BufferElement* element) {
    NumericTypeName type;
    if (tokens[at].text != "StructuredBuffer" || !IsToken(tokens, at + 1, "<") ||
        !IsIdentifier(tokens, at + 2) || !IsToken(tokens, at + 3, ">") ||
        !IsIdentifier(tokens, at + 4) || !ReadNumericTypeName(tokens[at + 2].text, &type) ||
        type.size < 2 || type.columns < 2) {
        return false;
    }
    element->integer = std::string(IntegerElementOf(type.base));
    element->rows = type.size;
    element->columns = type.columns;
    return !element->integer.empty();
}

// The last token of the element read starting at the buffer's name at `at`
// (`name[i]`, `name.Load(i)`), 0 where it is none.
size_t ElementReadEnd(const Tokens& tokens, size_t at) {
    if (IsToken(tokens, at + 1, "[")) {
        return ClosingBracket(tokens, at + 1);
    }
    if (IsToken(tokens, at + 1, ".") && IsToken(tokens, at + 2, "Load") &&
        IsToken(tokens, at + 3, "(")) {
        return ClosingBracket(tokens, at + 3);
    }
    return 0;
}

} // namespace

void ReadStructuredIntegerMatrices(const Tokens& tokens, std::vector<TextEdit>* edits) {
    std::set<std::string> readers;
    for (size_t at = 0; at + 4 < tokens.size(); ++at) {
        BufferElement element;
        if (!ReadIntegerMatrixElement(tokens, at, &element)) {
            continue;
        }
        const std::string& name = tokens[at + 4].text;
        for (size_t use = at + 5; use < tokens.size(); ++use) {
            const size_t end = tokens[use].text == name && !IsToken(tokens, use - 1, ".")
                                   ? ElementReadEnd(tokens, use)
                                   : 0;
            if (end > use && end < tokens.size()) {
                edits->push_back({tokens[use].offset, 0, element.Reader() + "("});
                edits->push_back({tokens[end].offset + tokens[end].text.size(), 0, ")"});
                readers.insert(element.ReaderDefinition());
            }
        }
    }
    if (!readers.empty()) {
        DefineHelpersFirst(readers, edits);
    }
}

} // namespace d3dcompiler_standin
