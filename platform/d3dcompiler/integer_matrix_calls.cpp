#include "integer_matrix_calls.h"
#include "expression_types.h"
#include "function_scan.h"
#include "matrix_rewrites.h"

#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The conversion each parameter taking a value in gets on entry to the body.
std::string ConvertedParameters(const Tokens& tokens, const FunctionDefinition& function,
                                std::set<std::string>* helpers) {
    std::string conversions;
    for (const auto& [first, past] : Parameters(tokens, function)) {
        bool out = false;
        for (size_t at = first; at + 1 < past; ++at) {
            const std::string& text = tokens[at].text;
            out = out || text == "out";
            std::string definition;
            const std::string helper = IntegerMatrixConversion(text, &definition);
            if (helper.empty() || out || !IsIdentifier(tokens, at + 1)) {
                continue;
            }
            helpers->insert(definition);
            const std::string& name = tokens[at + 1].text;
            conversions += " " + name + " = " + helper + "(" + name + ");";
            break;
        }
    }
    return conversions;
}

// Each return of the body gives its value through `helper`.
void ConvertReturns(const Tokens& tokens, const FunctionDefinition& function,
                    const std::string& helper, std::vector<TextEdit>* edits) {
    for (size_t at = function.body + 1; at < function.end; ++at) {
        if (tokens[at].text != "return" || IsToken(tokens, at + 1, ";")) {
            continue;
        }
        size_t end = at + 1;
        while (end < function.end && tokens[end].text != ";") {
            const std::string& text = tokens[end].text;
            end = text == "(" || text == "[" || text == "{" ? ClosingBracket(tokens, end) + 1
                                                            : end + 1;
        }
        if (end >= function.end) {
            return;
        }
        edits->push_back({tokens[at + 1].offset, 0, helper + "("});
        edits->push_back({tokens[end].offset, 0, ")"});
        at = end;
    }
}

} // namespace

void ConvertIntegerMatrixCalls(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    bool named = false; // a cheap look before finding the functions
    for (size_t at = 0; at < tokens.size() && !named; ++at) {
        std::string definition;
        named = tokens[at].kind == HlslToken::Kind::Identifier &&
                LooksLikeMatrixType(tokens[at].text) &&
                !IntegerMatrixConversion(tokens[at].text, &definition).empty();
    }
    if (!named) {
        return;
    }
    std::set<std::string> helpers;
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        const std::string conversions = ConvertedParameters(tokens, function, &helpers);
        if (!conversions.empty()) {
            const HlslToken& open = tokens[function.body];
            edits->push_back({open.offset + 1, 0, conversions});
        }
        std::string definition;
        const std::string helper =
            function.name > 0 ? IntegerMatrixConversion(tokens[function.name - 1].text, &definition)
                              : "";
        if (!helper.empty()) {
            helpers.insert(definition);
            ConvertReturns(tokens, function, helper, edits);
        }
    }
    DefineHelpersFirst(helpers, edits);
}

} // namespace d3dcompiler_standin
