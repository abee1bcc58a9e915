#include "lod_clamp_rewrites.h"
#include "object_method_calls.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
using Argument = std::pair<size_t, size_t>;

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
void RewriteCall(const std::string& source, const Tokens& tokens, const ObjectMethodCall& call,
                 std::vector<TextEdit>* edits) {
    const std::vector<Argument>& arguments = call.arguments;
    const size_t start = call.name;
    const size_t method = call.method;
    const bool bias = tokens[method].text == "SampleBias";
    const auto text = [&](size_t index) {
        return TokenSpanText(source, tokens, arguments[index].first, arguments[index].second);
    };
    const size_t offset = bias ? 3 : 2;
    const bool status = arguments.size() == offset + 3;
    const std::string receiver = TokenSpanText(source, tokens, start, method - 1);
    std::string level = "max(" + receiver + ".CalculateLevelOfDetailUnclamped(" + text(0) + ", " +
                        text(1) + ")" + (bias ? " + (" + text(2) + ")" : "") + ", " +
                        text(offset + 1) + ")";
    std::string replaced =
        "SampleLevel(" + text(0) + ", " + text(1) + ", " + level + ", " + text(offset) + ")";
    const size_t close = call.close;
    if (status) {
        edits->push_back({tokens[start].offset, 0, ZeroStatusPrefix(text(offset + 2))});
        replaced += ")";
    }
    edits->push_back(
        {tokens[method].offset, tokens[close].offset + 1 - tokens[method].offset, replaced});
}

} // namespace

void RewriteLodClamps(const std::string& source, const Tokens& tokens,
                      std::vector<TextEdit>* edits) {
    if (source.find("Sample") == std::string::npos) {
        return;
    }
    const auto clamped = [](const std::string& method, size_t count) {
        const size_t least = method == "Sample" ? 4 : method == "SampleBias" ? 5 : 0;
        return least != 0 && (count == least || count == least + 1);
    };
    ObjectMethodCalls(tokens).ForEach(clamped, [&](const ObjectMethodCall& call) {
        if (!call.object->array && IsPlainTexture(call.object->kind) &&
            ReadTwice(tokens, call.arguments[0]) && ReadTwice(tokens, call.arguments[1])) {
            RewriteCall(source, tokens, call, edits);
        }
    });
}

} // namespace d3dcompiler_standin
