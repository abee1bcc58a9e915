#include "structure_casts.h"

#include "expression_types.h"

#include <optional>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The names "struct Name {" declares: without one no cast names a structure.
std::set<std::string> DeclaredStructures(const Tokens& tokens) {
    std::set<std::string> names;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text.size() == 6 && tokens[at].text == "struct" &&
            IsIdentifier(tokens, at + 1) && IsChar(tokens[at + 2], '{')) {
            names.insert(tokens[at + 1].text);
        }
    }
    return names;
}

// Appends to `text` the constructor of `type` from scalars[*next...]; false
// where the type is one this rewrite cannot construct (an array member) or
// the scalars run out.
bool Construct(const ExpressionTypes& view, const ExpressionType& type,
               const std::vector<std::string>& scalars, size_t* next, std::string* text) {
    if (type.IsArray() || !type.resource.empty()) {
        return false;
    }
    if (type.structure) {
        const auto* members = view.MembersOf(type.base);
        if (members == nullptr || members->empty()) {
            return false;
        }
        *text += type.base + "(";
        for (size_t i = 0; i < members->size(); ++i) {
            *text += i == 0 ? "" : ", ";
            if (!Construct(view, (*members)[i].type, scalars, next, text)) {
                return false;
            }
        }
        *text += ")";
        return true;
    }
    const size_t count = static_cast<size_t>(std::max(type.rows, 1) * std::max(type.columns, 1));
    if (*next + count > scalars.size()) {
        return false;
    }
    *text += type.NumericName();
    *text += '(';
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            *text += ", ";
        }
        *text += scalars[(*next)++];
    }
    *text += ")";
    return true;
}

// The replacement of the cast "(Target)operand" at tokens[open], operand
// tokens[operand, end); empty where it is left to glslang.
std::string CastReplacement(const Tokens& tokens, size_t open, size_t end,
                            const ExpressionTypes& view) {
    const size_t operand = open + 3;
    std::optional<ExpressionType> source = view.TypeOf(operand, end);
    if (!source || !(source->structure || source->IsArray()) || !view.Repeatable(operand, end)) {
        return "";
    }
    auto scalars = view.Leaves(ExpressionText(tokens, operand, end, true), *source, true);
    ExpressionType target;
    target.base = tokens[open + 1].text;
    target.structure = true;
    std::string text;
    size_t next = 0;
    if (!scalars || !Construct(view, target, *scalars, &next, &text)) {
        return ""; // fewer components than the target: Windows refuses it, as glslang does
    }
    return text;
}

// The initialiser list replacing the cast "(Target)operand" at tokens[open]
// in "Target name = (Target)operand;", Target an array of scalars: the
// operand's leading scalars fill its elements in order. Empty where it is
// left to glslang.
std::string ArrayCastInitialiser(const Tokens& tokens, size_t open, size_t end,
                                 const ExpressionTypes& view) {
    const size_t operand = open + 3;
    if (open < 3 || !IsToken(tokens, open - 1, "=") || !IsIdentifier(tokens, open - 2) ||
        tokens[open - 3].text != tokens[open + 1].text || !IsToken(tokens, end, ";")) {
        return "";
    }
    const std::optional<ExpressionType> target = view.TypeOf(open - 2, open - 1);
    const std::optional<ExpressionType> source = view.TypeOf(operand, end);
    if (!target || target->dimensions.size() != 1 || target->structure || target->rows > 0 ||
        !source || !(source->structure || source->IsArray()) || !view.Repeatable(operand, end)) {
        return "";
    }
    const auto scalars = view.Leaves(ExpressionText(tokens, operand, end, true), *source, true);
    if (!scalars || scalars->size() < target->dimensions[0]) {
        return "";
    }
    std::string list = "{ ";
    for (size_t i = 0; i < target->dimensions[0]; ++i) {
        list += (i > 0 ? ", " : "") + (*scalars)[i];
    }
    return list + " }";
}

} // namespace

void RewriteStructureCasts(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    std::optional<std::set<std::string>> structures; // read at the first "(name)"
    LazyExpressionTypes types(tokens);               // built at the first cast to a structure
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        if (!IsChar(tokens[at], '(') || !IsChar(tokens[at + 2], ')') ||
            !IsIdentifier(tokens, at + 1)) {
            continue; // the common case, told cheaply
        }
        if (!structures) {
            structures = DeclaredStructures(tokens);
        }
        const bool structure = structures->count(tokens[at + 1].text) != 0;
        // Else "Target name = (Target)operand", told before any type is read.
        if (!structure && (at < 3 || !IsChar(tokens[at - 1], '=') ||
                           tokens[at - 3].text != tokens[at + 1].text)) {
            continue;
        }
        const size_t end = PostfixOperandEnd(tokens, at + 3);
        if (end == at + 3) {
            continue;
        }
        const std::string replacement = structure
                                            ? CastReplacement(tokens, at, end, types.Get())
                                            : ArrayCastInitialiser(tokens, at, end, types.Get());
        if (!replacement.empty()) {
            const HlslToken& last = tokens[end - 1];
            edits->push_back({tokens[at].offset, last.offset + last.text.size() - tokens[at].offset,
                              replacement});
        }
    }
}

} // namespace d3dcompiler_standin
