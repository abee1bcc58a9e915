#include "rare_forms.h"

#include "buffer_arrays.h"
#include "effect_objects.h"
#include "expression_types.h"
#include "numeric_type_names.h"

#include <algorithm>

namespace d3dcompiler_standin {
namespace {

// What the body of the structure or class at `at` holds that a rewrite
// handles: its own name (a structure's), methods, static members, and methods
// declared without a body, which are defined after it.
void ReadBody(const std::vector<HlslToken>& tokens, size_t at, RareForms* forms) {
    if (!IsIdentifier(tokens, at + 1)) {
        return;
    }
    size_t open = at + 2; // past a class's bases
    while (open < tokens.size() && !IsChar(tokens[open], '{') && !IsChar(tokens[open], ';')) {
        ++open;
    }
    if (open >= tokens.size() || !IsChar(tokens[open], '{')) {
        return;
    }
    const bool structure = open == at + 2 && tokens[at].text == "struct";
    const size_t close = std::min(ClosingBracket(tokens, open), tokens.size() - 1);
    int depth = 0;
    for (size_t inside = open + 1; inside < close; ++inside) {
        const HlslToken& token = tokens[inside];
        forms->structureMethod |= depth == 0 && IsChar(token, '{');
        depth += IsChar(token, '{') - IsChar(token, '}');
        forms->ownTypeMethod |= structure && token.text == tokens[at + 1].text;
        forms->staticOrOutsideMember |=
            depth == 0 &&
            (token.text == "static" || (IsChar(token, ')') && IsChar(tokens[inside + 1], ';')));
    }
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
        } else if (text[0] == 'c' && text == "class") {
            forms.classOrInterface = true;
            ReadBody(tokens, at, &forms);
        } else if (text[0] == 'i' && text == "interface") {
            forms.classOrInterface = true;
        } else if ((text[0] == 'B' || text[0] == 'R') && (text == "Buffer" || text == "RWBuffer") &&
                   at + 2 < tokens.size()) {
            NumericTypeName numeric;
            forms.structureBuffer |= !ReadNumericTypeName(tokens[at + 2].text, &numeric);
        } else if ((text[0] == 'S' || text[0] == 'R' || text[0] == 'B') && !forms.bufferArray &&
                   StartsBufferArray(tokens, at)) {
            forms.bufferArray = true;
        } else if (text[0] == 's' && text == "struct") {
            ReadBody(tokens, at, &forms);
        } else if (!forms.effectObject) {
            forms.effectObject = IsEffectObjectWord(text);
        }
    }
    return forms;
}

} // namespace d3dcompiler_standin
