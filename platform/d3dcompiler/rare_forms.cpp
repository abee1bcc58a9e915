#include "rare_forms.h"

#include "effect_objects.h"
#include "expression_types.h"
#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

// Whether the structure "struct Name {" at `at` names itself in its body.
bool NamesItself(const std::vector<HlslToken>& tokens, size_t at) {
    if (at + 2 >= tokens.size() || !IsIdentifier(tokens, at + 1) || !IsChar(tokens[at + 2], '{')) {
        return false;
    }
    const size_t close = ClosingBracket(tokens, at + 2);
    for (size_t inside = at + 3; inside < close && inside < tokens.size(); ++inside) {
        if (tokens[inside].text == tokens[at + 1].text) {
            return true;
        }
    }
    return false;
}

} // namespace

RareForms FindRareForms(const std::vector<HlslToken>& tokens) {
    RareForms forms;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (token.kind != HlslToken::Kind::Identifier) {
            continue;
        }
        const std::string& text = token.text;
        if (LooksLikeMatrixType(text)) {
            const size_t size = text.size();
            forms.minPrecisionMatrix |= size >= 11 && text[0] == 'm';
            forms.thinMatrix |= text[size - 1] == '1' || text[size - 3] == '1';
            forms.matrixCast |= at > 0 && IsChar(tokens[at - 1], '(') && at + 1 < tokens.size() &&
                                IsChar(tokens[at + 1], ')');
        } else if (text.size() == 5 && text[0] == 'c' && text == "const" &&
                   at + 1 < tokens.size()) {
            NumericTypeName numeric;
            forms.constObject |= !ReadNumericTypeName(tokens[at + 1].text, &numeric);
        } else if ((text[0] == 'c' && text == "class") || (text[0] == 'i' && text == "interface")) {
            forms.classOrInterface = true;
        } else if ((text[0] == 'B' || text[0] == 'R') && (text == "Buffer" || text == "RWBuffer") &&
                   at + 2 < tokens.size()) {
            NumericTypeName numeric;
            forms.structureBuffer |= !ReadNumericTypeName(tokens[at + 2].text, &numeric);
        } else if (text[0] == 's' && text == "struct" && !forms.ownTypeMethod) {
            forms.ownTypeMethod = NamesItself(tokens, at);
        } else if (!forms.effectObject) {
            forms.effectObject = IsEffectObjectWord(text);
        }
    }
    return forms;
}

} // namespace d3dcompiler_standin
