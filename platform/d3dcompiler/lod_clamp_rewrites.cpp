#include "lod_clamp_rewrites.h"
#include "object_method_calls.h"

#include <functional>
#include <optional>
#include <set>

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

// What a texture kind's clamped sampling needs: the swizzle that takes the
// level-of-detail coordinate from a sampling coordinate, whether its Sample
// takes an offset, and GetDimensions' outputs at a level, width first, with
// the swizzle of a gradient's components they scale.
struct ClampedKind {
    const char* kind;
    const char* lodSwizzle;
    bool offset;
    const char* sizes; // "w, h, n": the outputs after the level
    const char* gradientType;
    const char* gradient; // "float2(w, h)": what a gradient is scaled by
};

constexpr ClampedKind kClampedKinds[] = {
    {"Texture1D", "", true, "w, n", "float", "float(w)"},
    {"Texture2D", "", true, "w, h, n", "float2", "float2(w, h)"},
    {"Texture3D", "", true, "w, h, d, n", "float3", "float3(w, h, d)"},
    {"Texture1DArray", ".x", true, "w, e, n", "float", "float(w)"},
    {"Texture2DArray", ".xy", true, "w, h, e, n", "float2", "float2(w, h)"},
    {"TextureCube", "", false, nullptr, nullptr, nullptr},
    {"TextureCubeArray", ".xyz", false, nullptr, nullptr, nullptr},
};

const ClampedKind* ClampedKindOf(const std::string& kind) {
    for (const ClampedKind& entry : kClampedKinds) {
        if (kind == entry.kind) {
            return &entry;
        }
    }
    return nullptr;
}

// A clamped call: its texture's kind, its method and the clamp's index (the
// status follows it; the offset, where the kind takes one, comes before).
struct ClampedCall {
    const ClampedKind* kind;
    std::string method;
    size_t clamp;
};

// The clamped overload a call of `method` with `count` arguments is on a
// texture of `kind`, if it is one.
std::optional<ClampedCall> ClampedOverload(const ClampedKind* kind, const std::string& method,
                                           size_t count) {
    const size_t offset = kind->offset ? 1 : 0;
    size_t clamp = 0;
    if (method == "Sample") {
        clamp = 2 + offset;
    } else if (method == "SampleBias") {
        clamp = 3 + offset;
    } else if (method == "SampleGrad" && kind->sizes != nullptr) {
        clamp = 4 + offset;
    }
    if (clamp == 0 || (count != clamp + 1 && count != clamp + 2)) {
        return std::nullopt;
    }
    return ClampedCall{kind, method, clamp};
}

// "t_standin_grad_lod": the helper a texture's SampleGrad calls are given.
std::string GradientLodHelperName(const std::string& texture) {
    return texture + "_standin_grad_lod";
}

// One line, so the lines after its declaration keep their numbers: the level
// Direct3D computes from explicit gradients, the log2 of the longer one in
// texels.
std::string GradientLodHelper(const std::string& texture, const ClampedKind& kind) {
    const std::string type = kind.gradientType;
    return " float " + GradientLodHelperName(texture) + "(" + type + " dx, " + type +
           " dy) { uint " + kind.sizes + "; " + texture + ".GetDimensions(0, " + kind.sizes +
           "); return log2(max(length(dx * " + kind.gradient + "), length(dy * " + kind.gradient +
           "))); }";
}

// The ';' that ends the global declaration of `name`, if it has one at file scope.
std::optional<size_t> GlobalDeclarationEnd(const Tokens& tokens, const std::string& name) {
    int depth = 0;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        depth += text == "{" ? 1 : text == "}" ? -1 : 0;
        if (depth != 0 || text != name ||
            (tokens[at + 1].text != ":" && tokens[at + 1].text != ";")) {
            continue;
        }
        for (size_t end = at + 1; end < tokens.size(); ++end) {
            if (tokens[end].text == ";") {
                return end;
            }
        }
    }
    return std::nullopt;
}

// The replacement of "Sample...(...)" from the method name on: SampleLevel at
// the level the call computes, raised to the clamp.
std::string ClampedReplacement(const std::string& receiver, const ClampedCall& clamped,
                               const std::function<std::string(size_t)>& text) {
    const bool grad = clamped.method == "SampleGrad";
    std::string level;
    if (grad) {
        level = GradientLodHelperName(receiver) + "(" + text(2) + ", " + text(3) + ")";
    } else {
        level = receiver + ".CalculateLevelOfDetailUnclamped(" + text(0) + ", (" + text(1) + ")" +
                clamped.kind->lodSwizzle + ")";
        if (clamped.method == "SampleBias") {
            level += " + (" + text(2) + ")";
        }
    }
    std::string replaced = "SampleLevel(" + text(0) + ", " + text(1) + ", max(" + level + ", " +
                           text(clamped.clamp) + ")";
    if (clamped.kind->offset) {
        replaced += ", " + text(clamped.clamp - 1);
    }
    return replaced + ")";
}

} // namespace

void RewriteLodClamps(const std::string& source, const Tokens& tokens,
                      std::vector<TextEdit>* edits) {
    if (source.find("Sample") == std::string::npos) {
        return;
    }
    const auto wanted = [](const std::string& method, size_t count) {
        return (method == "Sample" || method == "SampleBias" || method == "SampleGrad") &&
               count >= 3 && count <= 7;
    };
    std::set<std::string> helped;
    ObjectMethodCalls(tokens).ForEach(wanted, [&](const ObjectMethodCall& call) {
        const ClampedKind* kind = call.object->array ? nullptr : ClampedKindOf(call.object->kind);
        const std::optional<ClampedCall> clamped =
            kind ? ClampedOverload(kind, tokens[call.method].text, call.arguments.size())
                 : std::nullopt;
        if (!clamped || !ReadTwice(tokens, call.arguments[0]) ||
            !ReadTwice(tokens, call.arguments[1])) {
            return;
        }
        const std::string receiver = TokenSpanText(source, tokens, call.name, call.method - 1);
        if (clamped->method == "SampleGrad" && !helped.count(receiver)) {
            const std::optional<size_t> end = GlobalDeclarationEnd(tokens, receiver);
            if (!end) {
                return;
            }
            helped.insert(receiver);
            edits->push_back({tokens[*end].offset + 1, 0, GradientLodHelper(receiver, *kind)});
        }
        const auto text = [&](size_t index) {
            return TokenSpanText(source, tokens, call.arguments[index].first,
                                 call.arguments[index].second);
        };
        std::string replaced = ClampedReplacement(receiver, *clamped, text);
        if (call.arguments.size() == clamped->clamp + 2) {
            edits->push_back(
                {tokens[call.name].offset, 0, ZeroStatusPrefix(text(clamped->clamp + 1))});
            replaced += ")";
        }
        edits->push_back({tokens[call.method].offset,
                          tokens[call.close].offset + 1 - tokens[call.method].offset, replaced});
    });
}

} // namespace d3dcompiler_standin
