#include "structure_buffers.h"

#include "expression_types.h"
#include "function_scan.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
using Members = std::vector<struct ExpressionTypes::Member>;

// The vector type ("float3") a structure's members make, where each is a
// scalar or vector of one base and all fit four components; "" otherwise.
std::string RegisterVector(const Members& members, std::vector<int>* widths) {
    std::string base;
    int components = 0;
    for (const auto& member : members) {
        const ExpressionType& type = member.type;
        if (type.structure || type.IsArray() || type.IsMatrix() ||
            (!base.empty() && type.base != base)) {
            return "";
        }
        base = type.base;
        widths->push_back(std::max(1, type.rows));
        components += widths->back();
    }
    return components >= 1 && components <= 4 ? base + std::to_string(components) : "";
}

// The functions converting between the structure and its vector.
std::string Converters(const std::string& structure, const std::string& vector,
                       const Members& members, const std::vector<int>& widths) {
    static const char kComponents[] = "xyzw";
    std::string fields;
    std::string values;
    int at = 0;
    for (size_t i = 0; i < members.size(); ++i) {
        fields +=
            " s." + members[i].name + " = v." + std::string(kComponents + at, widths[i]) + ";";
        values += (i > 0 ? ", " : "") + std::string("s.") + members[i].name;
        at += widths[i];
    }
    return " " + structure + " standin_" + structure + "_from_" + vector + "(" + vector + " v) { " +
           structure + " s;" + fields + " return s; } " + vector + " standin_" + vector + "_from_" +
           structure + "(" + structure + " s) { return " + vector + "(" + values + "); }";
}

// The last token of the element access starting at the buffer's name `at`
// (`name[i]`, `name.Load(i)`); `at` where it is none.
size_t AccessEnd(const Tokens& tokens, size_t at) {
    if (IsToken(tokens, at + 1, "[")) {
        const size_t close = ClosingBracket(tokens, at + 1);
        return close < tokens.size() ? close : at;
    }
    if (IsToken(tokens, at + 1, ".") && IsToken(tokens, at + 2, "Load") &&
        IsToken(tokens, at + 3, "(")) {
        const size_t close = ClosingBracket(tokens, at + 3);
        return close < tokens.size() ? close : at;
    }
    return at;
}

// Each element access of the buffer declared at `nameAt`: a read converted
// to the structure, a value stored converted to the vector.
void ConvertAccesses(const Tokens& tokens, size_t nameAt, const ExpressionTypes& types,
                     const std::string& toStructure, const std::string& toVector,
                     std::vector<TextEdit>* edits) {
    for (size_t at = nameAt + 1; at < tokens.size(); ++at) {
        if (tokens[at].text != tokens[nameAt].text || tokens[at - 1].text == "." ||
            types.DeclarationOf(at).value_or(nameAt) != nameAt) {
            continue;
        }
        const size_t end = AccessEnd(tokens, at);
        if (end == at) {
            continue;
        }
        if (IsToken(tokens, end + 1, "=")) {
            size_t stop = end + 2;
            while (stop < tokens.size() && tokens[stop].text != ";") {
                stop = tokens[stop].text == "(" ? ClosingBracket(tokens, stop) + 1 : stop + 1;
            }
            if (stop < tokens.size()) {
                edits->push_back({tokens[end + 2].offset, 0, toVector + "("});
                edits->push_back({tokens[stop].offset, 0, ")"});
            }
        } else {
            edits->push_back({tokens[at].offset, 0, toStructure + "("});
            edits->push_back({tokens[end].offset + 1, 0, ")"});
        }
        at = end;
    }
}

} // namespace

void RewriteStructureTypedBuffers(const Tokens& tokens, std::vector<TextEdit>* edits) {
    LazyExpressionTypes types(tokens);
    std::set<std::string> converted;
    for (size_t at = 0; at + 5 < tokens.size(); ++at) {
        const std::string& kind = tokens[at].text;
        if ((kind != "Buffer" && kind != "RWBuffer") || !IsToken(tokens, at + 1, "<") ||
            !IsToken(tokens, at + 3, ">") || !IsIdentifier(tokens, at + 4)) {
            continue;
        }
        const std::string& structure = tokens[at + 2].text;
        const Members* members = types->MembersOf(structure);
        std::vector<int> widths;
        const std::string vector = members != nullptr ? RegisterVector(*members, &widths) : "";
        if (vector.empty()) {
            continue;
        }
        edits->push_back({tokens[at + 2].offset, structure.size(), vector});
        if (converted.insert(structure + vector).second) {
            size_t end = at + 5;
            while (end < tokens.size() && tokens[end].text != ";") {
                ++end;
            }
            if (end < tokens.size()) {
                edits->push_back(
                    {tokens[end].offset + 1, 0, Converters(structure, vector, *members, widths)});
            }
        }
        ConvertAccesses(tokens, at + 4, types.Get(), "standin_" + structure + "_from_" + vector,
                        "standin_" + vector + "_from_" + structure, edits);
    }
}

} // namespace d3dcompiler_standin
