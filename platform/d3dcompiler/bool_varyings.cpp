#include "bool_varyings.h"
#include "declarators.h"
#include "numeric_type_names.h"

#include <cctype>
#include <string>

namespace d3dcompiler_standin {
namespace {

// A semantic that names a signature element: any but the system values
// other than SV_Target, which glslang maps to built-ins of their own types.
bool IsSignatureSemantic(const std::string& semantic) {
    std::string upper = semantic;
    for (char& c : upper) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper.rfind("SV_", 0) != 0 || upper.rfind("SV_TARGET", 0) == 0;
}

} // namespace

void DeclareBoolVaryingsAsUint(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        NumericTypeName type;
        if (tokens[at].kind != HlslToken::Kind::Identifier ||
            !ReadNumericTypeName(tokens[at].text, &type) || type.base != "bool" ||
            type.columns != 0 || !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        const size_t colon = AfterDeclarator(tokens, at + 1);
        if (!IsToken(tokens, colon, ":") || !IsIdentifier(tokens, colon + 1) ||
            IsToken(tokens, colon + 2, "(") || !IsSignatureSemantic(tokens[colon + 1].text)) {
            continue;
        }
        const std::string size = type.size > 0 ? std::to_string(type.size) : "";
        edits->push_back({tokens[at].offset, tokens[at].text.size(), "uint" + size});
    }
}

} // namespace d3dcompiler_standin
