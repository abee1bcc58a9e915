#include "effect_objects.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool IsBlockWord(const std::string& word) {
    return word == "technique" || word == "technique10" || word == "technique11" ||
           word == "fxgroup";
}

// The effects' shader object types, and the DirectX 8 effects' names of two.
bool IsShaderObjectWord(const std::string& word) {
    return word == "VertexShader" || word == "PixelShader" || word == "GeometryShader" ||
           word == "HullShader" || word == "DomainShader" || word == "ComputeShader" ||
           word == "vertexshader" || word == "pixelshader" || word == "VERTEXSHADER" ||
           word == "PIXELSHADER";
}

// texture, texture1D to textureCUBE, and the DirectX 8 effects' TEXTURE.
bool IsLegacyTextureWord(const std::string& word) {
    return word == "texture" || word == "TEXTURE" || word == "texture1D" || word == "texture2D" ||
           word == "texture3D" || word == "textureCUBE";
}

// The last token of the global statement starting at `at`: a block's closing
// brace (and a ';' after it), or a declaration's ';' past its state blocks and
// initialiser; tokens.size() when it does not end.
size_t StatementEnd(const Tokens& tokens, size_t at) {
    if (IsBlockWord(tokens[at].text)) { // its name and annotations come before its body
        size_t open = at + 1;
        while (open < tokens.size() && tokens[open].text != "{") {
            ++open;
        }
        const size_t close = open < tokens.size() ? ClosingBracket(tokens, open) : open;
        return IsToken(tokens, close + 1, ";") ? close + 1 : close;
    }
    for (size_t end = at + 1; end < tokens.size(); ++end) {
        const std::string& text = tokens[end].text;
        if (text == "{") {
            end = ClosingBracket(tokens, end);
        } else if (text == "(" || text == "[") {
            end = ClosingBracket(tokens, end);
        } else if (text == "<" && IsIdentifier(tokens, end - 1)) { // annotations
            while (end + 1 < tokens.size() && tokens[end].text != ">") {
                ++end;
            }
        } else if (text == ";" || text == "}") {
            return text == ";" ? end : tokens.size();
        }
    }
    return tokens.size();
}

// Whether every use of the variable declared at `name` lies inside a
// "< ... >" (an annotation or a state block's "Texture = <name>").
bool NamedOnlyInAngles(const Tokens& tokens, size_t name) {
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (at == name || tokens[at].text != tokens[name].text) {
            continue;
        }
        if (!IsToken(tokens, at - 1, "<") || !IsToken(tokens, at + 1, ">")) {
            return false;
        }
    }
    return true;
}

// The last token of the effect statement starting at `at`, or tokens.size()
// where none starts there.
size_t EffectStatementEnd(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    const bool starts = at == 0 || IsToken(tokens, at - 1, ";") || IsToken(tokens, at - 1, "}");
    if (!starts || tokens[at].kind != HlslToken::Kind::Identifier || !IsEffectObjectWord(text) ||
        (IsShaderObjectWord(text) && !IsIdentifier(tokens, at + 1))) {
        return tokens.size();
    }
    if (IsLegacyTextureWord(text) &&
        (!IsIdentifier(tokens, at + 1) || !NamedOnlyInAngles(tokens, at + 1))) {
        return tokens.size();
    }
    return StatementEnd(tokens, at);
}

} // namespace

bool IsEffectObjectWord(const std::string& word) {
    // The words are 7 to 17 letters long; most names fail on the first tests.
    if (word.size() < 7 || word.size() > 17) {
        return false;
    }
    switch (word[0]) {
    case 't':
    case 'T':
        return (word[1] == 'e' || word[1] == 'E') &&
               (IsBlockWord(word) || IsLegacyTextureWord(word));
    case 'f':
        return word == "fxgroup";
    case 'B':
    case 'D':
    case 'R':
        return word == "BlendState" || word == "DepthStencilState" || word == "RasterizerState";
    case 'V':
    case 'P':
    case 'G':
    case 'H':
    case 'C':
    case 'v':
    case 'p':
        return (word.back() == 'r' || word.back() == 'R') && IsShaderObjectWord(word);
    default:
        return false;
    }
}

void BlankEffectObjects(const std::string& written, std::string* spelled, Tokens* tokens) {
    std::string& text = *spelled;
    if (text.empty()) {
        text = written;
    }
    Tokens kept;
    kept.reserve(tokens->size());
    size_t depth = 0;
    for (size_t at = 0; at < tokens->size(); ++at) {
        const HlslToken& token = (*tokens)[at];
        depth += token.text == "{";
        depth -= token.text == "}" && depth > 0;
        const size_t end = depth == 0 ? EffectStatementEnd(*tokens, at) : tokens->size();
        if (end >= tokens->size()) {
            kept.push_back(token);
            continue;
        }
        for (; at <= end; ++at) { // the tokens only: directives between them stay
            const HlslToken& blanked = (*tokens)[at];
            text.replace(blanked.offset, blanked.text.size(), blanked.text.size(), ' ');
        }
        --at;
    }
    *tokens = std::move(kept);
}

} // namespace d3dcompiler_standin
