#include "unsigned_types.h"
#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

// The unsigned type "unsigned <name>" stands for, or empty where there is none.
std::string UnsignedTypeName(const std::string& name) {
    NumericTypeName type;
    if (!ReadNumericTypeName(name, &type)) {
        return "";
    }
    const std::string base(type.base);
    const std::string shape = name.substr(base.size());
    if (base == "int" || base == "uint" || base == "dword") {
        return "uint" + shape;
    }
    if (base == "min16int" || base == "min12int" || base == "min16uint") {
        return "min16uint" + shape;
    }
    return "";
}

bool IsUnsignedBefore(const std::vector<HlslToken>& tokens, size_t at) {
    return tokens[at].text == "unsigned" && IsIdentifier(tokens, at + 1);
}

} // namespace

void CheckUnsignedTypes(const std::vector<HlslToken>& tokens, std::string* errors) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        NumericTypeName type;
        if (IsUnsignedBefore(tokens, at) && ReadNumericTypeName(tokens[at + 1].text, &type) &&
            UnsignedTypeName(tokens[at + 1].text).empty()) {
            *errors +=
                SourceError(tokens[at + 1], "unsigned can not be used with type", "X3085") + "\n";
        }
    }
}

void RewriteUnsignedTypes(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (tokens[at].text.size() == 5 &&
            tokens[at].text == "dword") { // glslang reads it as a signed int
            edits->push_back({tokens[at].offset, tokens[at].text.size(), "uint"});
            continue;
        }
        const std::string name =
            IsUnsignedBefore(tokens, at) ? UnsignedTypeName(tokens[at + 1].text) : "";
        if (!name.empty()) {
            const HlslToken& type = tokens[at + 1];
            edits->push_back(
                {tokens[at].offset, type.offset + type.text.size() - tokens[at].offset, name});
        }
    }
}

} // namespace d3dcompiler_standin
