#include "constant_thin_matrices.h"

#include "constant_integer_matrices.h"
#include "global_matrix_packing.h"
#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The function giving the vector of `count` components from the array
// `name` of scalars of `base`.
std::string ReaderDefinition(const std::string& base, int count, const std::string& name,
                             const std::string& reader) {
    const std::string vector = base + std::to_string(count);
    std::string components;
    for (int i = 0; i < count; ++i) {
        components += (i > 0 ? ", " : "") + name + "[" + std::to_string(i) + "]";
    }
    return " " + vector + " " + reader + "() { return " + vector + "(" + components + "); }";
}

} // namespace

int DeclareThinConstant(const std::string& text, const Tokens& tokens, size_t at,
                        const std::vector<TypeBody>& bodies, const ExpressionTypes& types,
                        std::vector<TextEdit>* edits) {
    size_t modifier = 0;
    NumericTypeName type;
    if (!IsProgramSet(tokens, at, &modifier) || !ReadNumericTypeName(tokens[at].text, &type)) {
        return 0;
    }
    const bool rowMajor = modifier < tokens.size() ? tokens[modifier].text == "row_major"
                                                   : PragmaRowMajor(text, tokens[at].offset);
    const int registers = rowMajor ? type.size : type.columns;
    if (modifier < tokens.size()) {
        edits->push_back({tokens[modifier].offset, tokens[modifier].text.size(), ""});
    }
    if (registers == 1) {
        return 1;
    }
    const HlslToken& name = tokens[at + 1];
    const std::string base(type.base);
    const std::string reader = "standin_thin_" + name.text;
    edits->push_back({tokens[at].offset, tokens[at].text.size(), base});
    edits->push_back({name.offset + name.text.size(), 0, "[" + std::to_string(registers) + "]"});
    edits->push_back({ReaderOffset(tokens, at, bodies), 0,
                      ReaderDefinition(base, registers, name.text, reader)});
    for (size_t use = at + 2; use < tokens.size(); ++use) {
        if (tokens[use].text == name.text && tokens[use - 1].text != "." &&
            types.DeclarationOf(use).value_or(at + 1) == at + 1) {
            edits->push_back({tokens[use].offset, tokens[use].text.size(), reader + "()"});
        }
    }
    return registers;
}

} // namespace d3dcompiler_standin
