#include "legacy_sampling.h"

#include <map>
#include <set>

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

// The token of argument `index` of the call or parameter list whose '(' is at
// `open`, where that argument is one token; tokens.size() otherwise.
size_t SingleTokenArgument(const Tokens& tokens, size_t open, size_t index) {
    const size_t close = ClosingBracket(tokens, open);
    size_t begin = open + 1;
    for (size_t at = begin; at <= close && close < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if ((text == "(" || text == "[") && at < close) {
            at = ClosingBracket(tokens, at);
        } else if (text == "," || at == close) {
            if (index-- == 0) {
                return at == begin + 1 ? begin : tokens.size();
            }
            begin = at + 1;
        }
    }
    return tokens.size();
}

// A sampled sampler parameter ("float Read(sampler2D s, float2 uv)"): its
// function, place in the list and dimension.
struct SamplerParameter {
    std::string function;
    size_t index;
    std::string dimension;
};

// Makes each sampled sampler parameter not yet in `rewritten` (by its token) a
// sampler state followed by its texture ("SamplerState s, Texture2D
// s_texture"); returns those parameters.
std::vector<SamplerParameter>
RewriteNewSamplerParameters(const Tokens& tokens,
                            const std::map<std::string, std::string>& dimensions,
                            std::set<size_t>* rewritten, std::map<std::string, bool>* declared,
                            std::vector<TextEdit>* edits) {
    std::vector<SamplerParameter> parameters;
    std::vector<size_t> opens; // the '(' of each open parameter list
    size_t depth = 0;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        depth += text == "{";
        depth -= text == "}" && depth > 0;
        if (depth == 0 && text == "(") {
            opens.push_back(at);
        } else if (depth == 0 && text == ")" && !opens.empty()) {
            opens.pop_back();
        }
        auto sampler = dimensions.find(tokens[at + 1].text);
        if (depth != 0 || opens.size() != 1 || opens[0] == 0 || !IsLegacySamplerType(text) ||
            sampler == dimensions.end() || sampler->second.empty() ||
            (tokens[at + 2].text != "," && tokens[at + 2].text != ")") ||
            !rewritten->insert(at).second) {
            continue;
        }
        size_t index = 0;
        for (size_t i = opens[0] + 1; i < at; ++i) {
            index += tokens[i].text == ",";
        }
        const Dimension& dimension = kDimensions.at(sampler->second);
        parameters.push_back({tokens[opens[0] - 1].text, index, sampler->second});
        edits->push_back({tokens[at].offset, text.size(), "SamplerState"});
        edits->push_back(
            {tokens[at + 1].offset + sampler->first.size(), 0,
             ", " + std::string(dimension.texture) + " " + TextureName(sampler->first)});
        (*declared)[sampler->first] = true;
    }
    return parameters;
}

// Makes each call of a sampled sampler parameter's function pass the texture
// of the sampler it passes there, which `dimensions` then gets; returns
// whether a name was new to it.
bool PassTextures(const Tokens& tokens, const std::vector<SamplerParameter>& parameters,
                  std::map<std::string, std::string>* dimensions, std::vector<TextEdit>* edits) {
    bool added = false;
    for (const SamplerParameter& parameter : parameters) {
        for (size_t at = 1; at + 1 < tokens.size(); ++at) {
            if (tokens[at].text != parameter.function || tokens[at + 1].text != "(" ||
                (IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return")) {
                continue;
            }
            const size_t argument = SingleTokenArgument(tokens, at + 1, parameter.index);
            if (argument < tokens.size() && IsIdentifier(tokens, argument)) {
                const std::string& name = tokens[argument].text;
                added |= dimensions->insert({name, parameter.dimension}).second;
                edits->push_back(
                    {tokens[argument].offset + name.size(), 0, ", " + TextureName(name)});
            }
        }
    }
    return added;
}

// Rewrites the sampled sampler parameters, then those that a function passes
// one of them on from, as far as the calls reach.
void RewriteSamplerParameters(const Tokens& tokens, std::map<std::string, std::string>* dimensions,
                              std::map<std::string, bool>* declared, std::vector<TextEdit>* edits) {
    std::set<size_t> rewritten;
    bool reached = true;
    while (reached) {
        const std::vector<SamplerParameter> parameters =
            RewriteNewSamplerParameters(tokens, *dimensions, &rewritten, declared, edits);
        reached = !parameters.empty() && PassTextures(tokens, parameters, dimensions, edits);
    }
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
    if (dimensions.empty()) {
        return; // no legacy sampling intrinsic is called
    }
    std::map<std::string, bool> declared;
    RewriteSamplerParameters(tokens, &dimensions, &declared, edits);
    size_t depth = 0;
    size_t parentheses = 0;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        depth += tokens[at].text == "{";
        depth -= tokens[at].text == "}" && depth > 0;
        parentheses += depth == 0 && tokens[at].text == "(";
        parentheses -= depth == 0 && tokens[at].text == ")" && parentheses > 0;
        auto sampler = dimensions.find(tokens[at + 1].text);
        if (depth == 0 && parentheses == 0 && IsLegacySamplerType(tokens[at].text) &&
            sampler != dimensions.end() && !sampler->second.empty()) {
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
