#include "legacy_sampling.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// What a sampler is read as: the texture type and the coordinate's components.
struct Dimension {
    const char* texture;
    const char* coordinate; // swizzle of a four-component coordinate
};

const std::map<std::string, Dimension> kDimensions = {
    {"1D", {"Texture1D", "x"}},
    {"2D", {"Texture2D", "xy"}},
    {"3D", {"Texture3D", "xyz"}},
    {"CUBE", {"TextureCube", "xyz"}},
};

} // namespace

bool ReadLegacyIntrinsic(const std::string& name, std::string* dimension, std::string* form) {
    if (name.compare(0, 3, "tex") != 0) {
        return false;
    }
    for (const auto& known : kDimensions) {
        const std::string& written = known.first;
        if (name.compare(3, written.size(), written) != 0) {
            continue;
        }
        const std::string rest = name.substr(3 + written.size());
        if (rest.empty() || rest == "lod" || rest == "bias" || rest == "proj" || rest == "grad") {
            *dimension = written;
            *form = rest;
            return true;
        }
    }
    return false;
}

namespace {

std::string TextureName(const std::string& sampler) {
    return sampler + "_texture";
}

// The arguments of the call whose '(' is at `open`, as text spans.
std::vector<std::string> Arguments(const std::string& source, const Tokens& tokens, size_t open,
                                   size_t close) {
    std::vector<std::string> arguments;
    size_t begin = open + 1;
    for (size_t at = begin; at <= close; ++at) {
        const std::string& text = tokens[at].text;
        if ((text == "(" || text == "[") && at < close) {
            at = ClosingBracket(tokens, at);
        } else if ((text == "," || at == close) && at > begin) {
            const size_t from = tokens[begin].offset;
            arguments.push_back(source.substr(from, tokens[at].offset - from));
            begin = at + 1;
        }
    }
    return arguments;
}

// The method call that a legacy intrinsic stands for.
std::string MethodCall(const std::string& sampler, const Dimension& dimension,
                       const std::string& form, const std::vector<std::string>& arguments) {
    const std::string texture = TextureName(sampler) + ".";
    const std::string coordinate = "(" + arguments[1] + ")";
    const std::string swizzled = coordinate + "." + dimension.coordinate;
    if (form == "lod") {
        return texture + "SampleLevel(" + sampler + ", " + swizzled + ", " + coordinate + ".w)";
    }
    if (form == "bias") {
        return texture + "SampleBias(" + sampler + ", " + swizzled + ", " + coordinate + ".w)";
    }
    if (form == "proj") {
        return texture + "Sample(" + sampler + ", " + swizzled + " / " + coordinate + ".w)";
    }
    if (form == "grad" || arguments.size() == 4) {
        return texture + "SampleGrad(" + sampler + ", " + arguments[1] + ", " + arguments[2] +
               ", " + arguments[3] + ")";
    }
    return texture + "Sample(" + sampler + ", " + arguments[1] + ")";
}

bool IsLegacySamplerType(const std::string& type) {
    return type == "sampler" || type == "sampler1D" || type == "sampler2D" || type == "sampler3D" ||
           type == "samplerCUBE";
}

// "sampler2D s : register(s3) ...;": the sampler state, then a texture in t3.
void RewriteDeclaration(const Tokens& tokens, size_t type, const Dimension& dimension,
                        std::vector<TextEdit>* edits) {
    const std::string& name = tokens[type + 1].text;
    std::string reg;
    size_t end = type + 2;
    for (; end < tokens.size() && tokens[end].text != ";"; ++end) {
        const bool annotation = tokens[end].text == "register" && IsToken(tokens, end + 1, "(") &&
                                IsToken(tokens, end + 3, ")");
        const std::string slot = annotation ? tokens[end + 2].text : "";
        if (slot.size() > 1 && (slot[0] == 's' || slot[0] == 'S')) {
            reg = " : register(t" + slot.substr(1) + ")";
        }
        if (tokens[end].text == "{") { // a state block
            end = ClosingBracket(tokens, end);
        }
    }
    if (end >= tokens.size()) {
        return;
    }
    edits->push_back({tokens[type].offset, tokens[type].text.size(), "SamplerState"});
    edits->push_back({tokens[end].offset, 0,
                      "; " + std::string(dimension.texture) + " " + TextureName(name) + reg});
}

} // namespace

void RewriteLegacySampling(const std::string& source, const Tokens& tokens,
                           std::vector<TextEdit>* edits) {
    std::map<std::string, std::string> dimensions; // sampler -> dimension ("" when mixed)
    std::vector<size_t> calls;
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        std::string dimension;
        std::string form;
        if (tokens[at + 1].text != "(" ||
            !ReadLegacyIntrinsic(tokens[at].text, &dimension, &form) ||
            tokens[at + 2].kind != HlslToken::Kind::Identifier || tokens[at + 3].text != ",") {
            continue;
        }
        auto [found, inserted] = dimensions.insert({tokens[at + 2].text, dimension});
        if (!inserted && found->second != dimension) {
            found->second.clear();
        }
        calls.push_back(at);
    }
    std::map<std::string, bool> declared;
    size_t depth = 0;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        depth += tokens[at].text == "{";
        depth -= tokens[at].text == "}" && depth > 0;
        auto sampler = dimensions.find(tokens[at + 1].text);
        if (depth == 0 && IsLegacySamplerType(tokens[at].text) && sampler != dimensions.end() &&
            !sampler->second.empty()) {
            RewriteDeclaration(tokens, at, kDimensions.at(sampler->second), edits);
            declared[sampler->first] = true;
        }
    }
    for (size_t at : calls) {
        std::string dimension;
        std::string form;
        ReadLegacyIntrinsic(tokens[at].text, &dimension, &form);
        const std::string& sampler = tokens[at + 2].text;
        const size_t close = ClosingBracket(tokens, at + 1);
        if (!declared[sampler] || close >= tokens.size()) {
            continue;
        }
        const std::vector<std::string> arguments = Arguments(source, tokens, at + 1, close);
        const bool grad = form == "grad" || (form.empty() && arguments.size() == 4);
        if (arguments.size() != (grad ? 4u : 2u)) {
            continue;
        }
        edits->push_back({tokens[at].offset, tokens[close].offset + 1 - tokens[at].offset,
                          MethodCall(sampler, kDimensions.at(dimension), form, arguments)});
    }
}

} // namespace d3dcompiler_standin
