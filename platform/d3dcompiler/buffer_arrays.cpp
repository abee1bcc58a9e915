#include "buffer_arrays.h"

#include <cstdlib>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

bool IsBufferObject(const std::string& word) {
    return word == "StructuredBuffer" || word == "RWStructuredBuffer" ||
           word == "ByteAddressBuffer" || word == "RWByteAddressBuffer";
}

// The token of the declared name after the buffer type at `at`, or 0.
size_t DeclaredName(const Tokens& tokens, size_t at) {
    size_t name = at + 1;
    if (IsToken(tokens, name, "<")) {
        name = ClosingBracket(tokens, name) + 1;
    }
    return IsIdentifier(tokens, name) && IsToken(tokens, name + 1, "[") ? name : 0;
}

bool IsLiteral(const HlslToken& token) {
    return token.kind == HlslToken::Kind::Number &&
           token.text.find_first_not_of("0123456789uU") == std::string::npos;
}

std::string ElementName(const std::string& array, unsigned long index) {
    return "standin_" + array + "_" + std::to_string(index);
}

struct BufferArray {
    size_t type;   // the buffer type's first token
    size_t name;   // the array's name
    size_t length; // its length's literal
    size_t end;    // the declaration's ';'
};

// The declaration's text for element `index`: its register moved on by
// `index` ("register(t0)" for the second element: "register(t1)").
std::string ElementDeclaration(const Tokens& tokens, const BufferArray& array,
                               unsigned long index) {
    std::string text = TokensOnOneLine(tokens, array.type, array.name) +
                       ElementName(tokens[array.name].text, index) + " ";
    const size_t after = ClosingBracket(tokens, array.name + 1) + 1;
    for (size_t at = after; at <= array.end; ++at) {
        const std::string& word = tokens[at].text;
        const bool slot = at >= 2 && tokens[at - 2].text == "register" && word.size() > 1 &&
                          word.find_first_not_of("0123456789", 1) == std::string::npos;
        text += slot ? word.substr(0, 1) +
                           std::to_string(std::strtoul(word.c_str() + 1, nullptr, 10) + index)
                     : word;
        text += " ";
    }
    return text;
}

// The uses of the array at `array`, each "name[literal]" as its element's
// name; false where one is not so indexed or past the end.
bool RenameUses(const Tokens& tokens, const BufferArray& array, unsigned long length,
                std::vector<TextEdit>* edits) {
    const std::string& name = tokens[array.name].text;
    for (size_t at = array.end; at < tokens.size(); ++at) {
        if (tokens[at].text != name || IsToken(tokens, at - 1, ".")) {
            continue;
        }
        if (!IsToken(tokens, at + 1, "[") || at + 3 >= tokens.size() ||
            !IsLiteral(tokens[at + 2]) || !IsChar(tokens[at + 3], ']')) {
            return false;
        }
        const unsigned long index = std::strtoul(tokens[at + 2].text.c_str(), nullptr, 10);
        if (index >= length) {
            return false;
        }
        const size_t from = tokens[at].offset;
        edits->push_back({from, tokens[at + 3].offset + 1 - from, ElementName(name, index)});
    }
    return true;
}

} // namespace

bool StartsBufferArray(const Tokens& tokens, size_t at) {
    return IsBufferObject(tokens[at].text) && DeclaredName(tokens, at) != 0;
}

void SplitBufferArrays(const std::string& written, std::string* spelled, Tokens* tokens) {
    const std::string& source = spelled->empty() ? written : *spelled;
    std::vector<TextEdit> edits;
    for (size_t at = 0; at + 4 < tokens->size(); ++at) {
        if (!StartsBufferArray(*tokens, at)) {
            continue;
        }
        BufferArray array{at, DeclaredName(*tokens, at), 0, 0};
        array.length = array.name + 2;
        array.end = array.length;
        while (array.end < tokens->size() && !IsChar((*tokens)[array.end], ';')) {
            ++array.end;
        }
        if (array.end >= tokens->size() || !IsLiteral((*tokens)[array.length]) ||
            !IsToken(*tokens, array.length + 1, "]")) {
            continue;
        }
        const unsigned long length =
            std::strtoul((*tokens)[array.length].text.c_str(), nullptr, 10);
        std::vector<TextEdit> uses;
        if (length == 0 || length > 128 || !RenameUses(*tokens, array, length, &uses)) {
            continue;
        }
        std::string declarations;
        for (unsigned long index = 0; index < length; ++index) {
            declarations += ElementDeclaration(*tokens, array, index);
        }
        const size_t from = (*tokens)[at].offset;
        for (size_t ch = from; ch < (*tokens)[array.end].offset; ++ch) {
            declarations += source[ch] == '\n' ? "\n" : ""; // the lines keep their numbers
        }
        edits.push_back({from, (*tokens)[array.end].offset + 1 - from, declarations});
        edits.insert(edits.end(), uses.begin(), uses.end());
        at = array.end;
    }
    if (edits.empty()) {
        return;
    }
    *spelled = WithEdits(source, std::move(edits));
    *tokens = TokenizePreprocessedHlsl(*spelled, "");
}

} // namespace d3dcompiler_standin
