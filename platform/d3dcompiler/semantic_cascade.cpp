#include "semantic_cascade.h"
#include "constant_expressions.h"
#include "function_scan.h"
#include "numeric_type_names.h"

#include <cctype>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

const std::set<std::string> kParameterModifiers = {
    "in",     "out",      "inout",           "uniform",       "const",
    "linear", "centroid", "nointerpolation", "noperspective", "sample",
    "precise"};

// A scalar or vector type: one register per element.
bool TakesOneRegister(const std::string& type) {
    NumericTypeName parsed;
    return ReadNumericTypeName(type, &parsed) && parsed.base != "double" && parsed.columns == 0;
}

// A struct-typed parameter or return value written with a semantic.
struct CascadedUse {
    std::string type;
    const HlslToken* semantic;
};

// "[modifiers] Type name : SEMANTIC" in tokens [begin, end).
bool ReadParameter(const Tokens& tokens, size_t begin, size_t end, CascadedUse* use) {
    size_t at = begin;
    while (at < end && kParameterModifiers.count(tokens[at].text) != 0) {
        ++at;
    }
    if (!IsIdentifier(tokens, at) || end < 2 || !IsToken(tokens, end - 2, ":") ||
        !IsIdentifier(tokens, end - 1)) {
        return false;
    }
    *use = {tokens[at].text, &tokens[end - 1]};
    return true;
}

// The insertions for one struct body, or none when a member's size is unknown.
std::vector<TextEdit> MemberSemantics(const Tokens& tokens, size_t open, size_t close,
                                      const std::string& semantic) {
    size_t digits = semantic.size();
    while (digits > 0 && std::isdigit(uint8_t(semantic[digits - 1]))) {
        --digits;
    }
    const std::string name = semantic.substr(0, digits);
    int64_t index =
        digits < semantic.size() ? IntegerLiteralValue(semantic.substr(digits)).value_or(0) : 0;
    std::vector<TextEdit> edits;
    size_t at = open + 1;
    while (at < close) {
        while (at < close && kParameterModifiers.count(tokens[at].text) != 0) {
            ++at;
        }
        if (!IsIdentifier(tokens, at) || !TakesOneRegister(tokens[at].text)) {
            return {};
        }
        ++at;
        while (at < close && IsIdentifier(tokens, at)) { // the declarators
            size_t end = at + 1;
            int64_t registers = 1;
            for (; IsToken(tokens, end, "["); end = ClosingBracket(tokens, end) + 1) {
                const std::optional<int64_t> count =
                    EvaluateIntegerConstant(tokens, end + 1, ClosingBracket(tokens, end));
                // A signature holds at most a few dozen registers; larger is left alone.
                if (!count || *count <= 0 || *count > 4096 || registers > 4096) {
                    return {};
                }
                registers *= *count;
            }
            if (!IsToken(tokens, end, ":")) {
                const HlslToken& last = tokens[end - 1];
                edits.push_back(
                    {last.offset + last.text.size(), 0, " : " + name + std::to_string(index)});
            }
            index += registers;
            while (end < close && tokens[end].text != "," && tokens[end].text != ";") {
                ++end;
            }
            at = end + 1;
            if (tokens[end].text == ";") {
                break;
            }
        }
    }
    return edits;
}

} // namespace

void CascadeStructSemantics(const Tokens& tokens, const std::string& entryPoint,
                            std::vector<TextEdit>* edits) {
    std::map<std::string, TypeBody> structs;
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        if (!body.buffer && body.close < tokens.size() && IsIdentifier(tokens, body.open - 1)) {
            structs[tokens[body.open - 1].text] = body;
        }
    }
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        if (tokens[function.name].text != entryPoint) {
            continue;
        }
        std::vector<CascadedUse> uses;
        for (const auto& [begin, end] : Parameters(tokens, function)) {
            CascadedUse use;
            if (ReadParameter(tokens, begin, end, &use)) {
                uses.push_back(use);
            }
        }
        const size_t close = ClosingBracket(tokens, function.parameters);
        if (IsToken(tokens, close + 1, ":") && IsIdentifier(tokens, close + 2)) {
            uses.push_back({tokens[function.name - 1].text, &tokens[close + 2]});
        }
        std::map<std::string, int> counts;
        for (const CascadedUse& use : uses) {
            ++counts[use.type];
        }
        for (const CascadedUse& use : uses) {
            auto found = structs.find(use.type);
            if (found == structs.end() || counts[use.type] != 1) {
                continue;
            }
            for (TextEdit& edit : MemberSemantics(tokens, found->second.open, found->second.close,
                                                  use.semantic->text)) {
                edits->push_back(std::move(edit));
            }
        }
        return;
    }
}

} // namespace d3dcompiler_standin
