#include "lod_clamp_rewrites.h"
#include "call_shapes.h"
#include "expression_types.h"
#include "resource_declarations.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
using Argument = std::pair<size_t, size_t>;

std::string TextOf(const std::string& source, const Tokens& tokens, size_t first, size_t end) {
    const size_t last = end - 1;
    return source.substr(tokens[first].offset,
                         tokens[last].offset + tokens[last].text.size() - tokens[first].offset);
}

// Whether the tokens may be read twice: no assignment or increment in them.
bool ReadTwice(const Tokens& tokens, Argument argument) {
    for (size_t at = argument.first; at < argument.second; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "=" || text == "++" || text == "--" ||
            (text.size() == 2 && text[1] == '=' && text != "==" && text != "!=" && text != "<=" &&
             text != ">=")) {
            return false;
        }
    }
    return true;
}

bool IsPlainTexture(const std::string& kind) {
    return kind == "Texture1D" || kind == "Texture2D" || kind == "Texture3D";
}

// "t.Sample(s, uv, o, c[, status])" from its method name at `method`.
void RewriteCall(const std::string& source, const Tokens& tokens, size_t start, size_t method,
                 const std::vector<Argument>& arguments, bool bias, std::vector<TextEdit>* edits) {
    const auto text = [&](size_t index) {
        return TextOf(source, tokens, arguments[index].first, arguments[index].second);
    };
    const size_t offset = bias ? 3 : 2;
    const bool status = arguments.size() == offset + 3;
    const std::string receiver = TextOf(source, tokens, start, method - 1);
    std::string level = "max(" + receiver + ".CalculateLevelOfDetailUnclamped(" + text(0) + ", " +
                        text(1) + ")" + (bias ? " + (" + text(2) + ")" : "") + ", " +
                        text(offset + 1) + ")";
    std::string call =
        "SampleLevel(" + text(0) + ", " + text(1) + ", " + level + ", " + text(offset) + ")";
    const size_t close = ClosingBracket(tokens, method + 1);
    if (status) {
        edits->push_back({tokens[start].offset, 0, "(" + text(offset + 2) + " = 0u, "});
        call += ")";
    }
    edits->push_back(
        {tokens[method].offset, tokens[close].offset + 1 - tokens[method].offset, call});
}

} // namespace

void RewriteLodClamps(const std::string& source, const Tokens& tokens,
                      std::vector<TextEdit>* edits) {
    if (source.find("Sample") == std::string::npos) {
        return;
    }
    std::map<std::string, DeclaredObject> objects;
    bool read = false;
    for (size_t at = 2; at + 1 < tokens.size(); ++at) {
        const bool bias = tokens[at].text == "SampleBias";
        if (!IsChar(tokens[at - 1], '.') || !IsChar(tokens[at + 1], '(') ||
            (tokens[at].text != "Sample" && !bias)) {
            continue;
        }
        const std::vector<Argument> arguments = CallArguments(tokens, at + 1);
        const size_t clamped = bias ? 5 : 4;
        if (arguments.size() != clamped && arguments.size() != clamped + 1) {
            continue;
        }
        if (!read) {
            objects = DeclaredObjects(tokens);
            read = true;
        }
        const size_t start = PostfixOperandStart(tokens, at - 1);
        const auto object = objects.find(tokens[start].text);
        if (start == at - 1 || object == objects.end() || object->second.array ||
            !IsPlainTexture(object->second.kind) || !ReadTwice(tokens, arguments[0]) ||
            !ReadTwice(tokens, arguments[1])) {
            continue;
        }
        RewriteCall(source, tokens, start, at, arguments, bias, edits);
    }
}

} // namespace d3dcompiler_standin
