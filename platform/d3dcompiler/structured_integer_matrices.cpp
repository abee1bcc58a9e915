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
    bool writable = false; // an RWStructuredBuffer's

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

    // The start of the conversion of a value of `components` (the columns of
    // a row, or 1) into the floats holding its integer bits.
    std::string BitsOf(int components) const {
        return "asfloat(" + (integer == "int" ? std::string("int") : std::string("uint")) +
               (components > 1 ? std::to_string(components) : "") + "(";
    }
};

// The element of the read-only structured buffer declared at `at`
// (`StructuredBuffer < int2x2 > name`) where it is an integer or bool matrix.
bool ReadIntegerMatrixElement(const Tokens& tokens, size_t at, BufferElement* element) {
    NumericTypeName type;
    element->writable = tokens[at].text == "RWStructuredBuffer";
    if ((tokens[at].text != "StructuredBuffer" && !element->writable) ||
        !IsToken(tokens, at + 1, "<") || !IsIdentifier(tokens, at + 2) ||
        !IsToken(tokens, at + 3, ">") || !IsIdentifier(tokens, at + 4) ||
        !ReadNumericTypeName(tokens[at + 2].text, &type) || type.size < 2 || type.columns < 2) {
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

// How many components the part of an element after its index at `end`
// names (0: the whole element, 1: one component, `columns`: a row), -1 for
// another form; `*after` is the token past it.
int WrittenComponents(const Tokens& tokens, size_t end, int columns, size_t* after) {
    *after = end + 1;
    if (IsToken(tokens, *after, ".") && IsIdentifier(tokens, *after + 1) &&
        tokens[*after + 1].text[0] == '_') {
        const std::string& name = tokens[*after + 1].text;
        *after += 2;
        return name.size() == 3 || (name.size() == 4 && name[1] == 'm') ? 1 : -1;
    }
    int indexes = 0;
    while (IsToken(tokens, *after, "[") && indexes < 2) {
        *after = ClosingBracket(tokens, *after) + 1;
        ++indexes;
    }
    return indexes == 0 ? 0 : indexes == 1 ? columns : 1;
}

// The `;` ending the value assigned from `from`, 0 where something else (a
// `,` or `)` outside brackets) ends it first.
size_t AssignedValueEnd(const Tokens& tokens, size_t from) {
    for (size_t i = from; i < tokens.size(); ++i) {
        const std::string& text = tokens[i].text;
        if (text == "(" || text == "[") {
            i = ClosingBracket(tokens, i);
        } else if (text == ";") {
            return i;
        } else if (text == "," || text == ")" || text == "}") {
            return 0;
        }
    }
    return 0;
}

// The token past the members and indexes after `end`.
size_t ChainEnd(const Tokens& tokens, size_t end) {
    size_t at = end + 1;
    while (at < tokens.size()) {
        if (IsToken(tokens, at, ".") && IsIdentifier(tokens, at + 1)) {
            at += 2;
        } else if (IsToken(tokens, at, "[")) {
            at = ClosingBracket(tokens, at) + 1;
        } else {
            break;
        }
    }
    return at;
}

// Edits storing the value assigned to a component or row of the element
// access ending at `end` as its integer bits; false where the access is no
// write. A write of another form (the whole element, a compound assignment,
// an increment, a swizzle of a row) is left as it is.
bool StoreBits(const Tokens& tokens, size_t end, const BufferElement& element,
               std::vector<TextEdit>* edits) {
    static const std::set<std::string> kWrites = {
        "=", "+=", "-=", "*=", "/=", "%=", "<<=", ">>=", "&=", "|=", "^=", "++", "--"};
    const size_t chainEnd = ChainEnd(tokens, end);
    if (chainEnd >= tokens.size() || kWrites.count(tokens[chainEnd].text) == 0) {
        return false;
    }
    size_t after = 0;
    const int components = WrittenComponents(tokens, end, element.columns, &after);
    const size_t valueEnd = AssignedValueEnd(tokens, chainEnd + 1);
    if (after != chainEnd || tokens[chainEnd].text != "=" || components <= 0 ||
        valueEnd <= chainEnd + 1 || element.integer == "bool") {
        return true;
    }
    edits->push_back({tokens[chainEnd + 1].offset, 0, element.BitsOf(components)});
    edits->push_back({tokens[valueEnd].offset, 0, "))"});
    return true;
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
            if (end <= use || end >= tokens.size() ||
                (element.writable && StoreBits(tokens, end, element, edits))) {
                continue;
            }
            edits->push_back({tokens[use].offset, 0, element.Reader() + "("});
            edits->push_back({tokens[end].offset + tokens[end].text.size(), 0, ")"});
            readers.insert(element.ReaderDefinition());
        }
    }
    if (!readers.empty()) {
        DefineHelpersFirst(readers, edits);
    }
}

} // namespace d3dcompiler_standin
