#include "interpolation_checks.h"
#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

// The modes that interpolate: all interpolation modifiers but nointerpolation.
bool Interpolates(const std::string& word) {
    return word == "linear" || word == "noperspective" || word == "centroid" || word == "sample";
}

bool IsIntegerType(const std::string& name) {
    NumericTypeName parsed;
    return ReadNumericTypeName(name, &parsed) && !IntegerElementOf(parsed.base).empty();
}

} // namespace

std::string InterpolationModifierError(const std::vector<HlslToken>& tokens, size_t first,
                                       size_t type, const HlslToken& semantic, bool pixelInput) {
    const HlslToken* flat = nullptr;
    const HlslToken* mode = nullptr;
    for (size_t at = first; at < type && at < tokens.size(); ++at) {
        if (tokens[at].text == "nointerpolation") {
            flat = &tokens[at];
        } else if (Interpolates(tokens[at].text) && mode == nullptr) {
            mode = &tokens[at];
        }
    }
    if (mode == nullptr) {
        return "";
    }
    if (flat != nullptr) {
        return SourceError(*flat, "'nointerpolation' cannot be combined with '" + mode->text +
                                      "' on '" + semantic.text + "'") +
               "\n";
    }
    if (pixelInput && type < tokens.size() && IsIntegerType(tokens[type].text)) {
        return SourceError(*mode, "integer input '" + semantic.text +
                                      "' of a pixel shader takes "
                                      "nointerpolation only, not '" +
                                      mode->text + "'") +
               "\n";
    }
    return "";
}

} // namespace d3dcompiler_standin
