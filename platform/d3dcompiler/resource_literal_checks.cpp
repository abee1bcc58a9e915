#include "resource_literal_checks.h"
#include "call_shapes.h"
#include "resource_declarations.h"
#include "runtime_values.h"

#include <cstdlib>
#include <memory>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The argument that holds the offset, by method, where the object has offsets
// (dx-graphics-hlsl-to-sample and its siblings; Load's after its location, or
// after a multisampled texture's sample index). Gather's offsets are not
// immediates at shader model 5.0 and are not judged.
size_t OffsetArgument(const std::string& kind, const std::string& method) {
    const bool textured = kind.rfind("Texture", 0) == 0 && kind.rfind("TextureCube", 0) != 0;
    if (!textured) {
        return 0;
    }
    if (method == "Load") {
        return kind.rfind("Texture2DMS", 0) == 0 ? 2 : 1;
    }
    if (method == "Sample") {
        return 2;
    }
    if (method == "SampleLevel" || method == "SampleBias" || method == "SampleCmp" ||
        method == "SampleCmpLevelZero") {
        return 3;
    }
    return method == "SampleGrad" ? 4 : 0;
}

// Whether an offset written in literals has a component outside -8 to 7
// ("int2(8, 0)", "-9"); false where a component is no integer literal or is
// computed ("1 - 9"), which this does not evaluate.
bool LiteralOutOfRange(const Tokens& tokens, size_t begin, size_t end) {
    bool negative = false;
    for (size_t at = begin; at < end; ++at) {
        const HlslToken& token = tokens[at];
        if (token.kind == HlslToken::Kind::Number) {
            if (token.text.find_first_of(".eE") != std::string::npos &&
                token.text.find_first_of("xX") == std::string::npos) {
                return false;
            }
            const long long value = std::strtoll(token.text.c_str(), nullptr, 0);
            if ((negative ? -value : value) < -8 || (negative ? -value : value) > 7) {
                return true;
            }
            negative = false;
        } else if (IsChar(token, '-') &&
                   (at == begin || IsChar(tokens[at - 1], '(') || IsChar(tokens[at - 1], ','))) {
            negative = true;
        } else if (token.kind == HlslToken::Kind::Punctuation && !IsChar(token, '(') &&
                   !IsChar(token, ')') && !IsChar(token, ',')) {
            return false;
        }
    }
    return false;
}

class LiteralChecker {
public:
    LiteralChecker(const Tokens& tokens, std::string* errors)
        : tokens_(tokens), errors_(errors), objects_(DeclaredObjects(tokens)) {}

    void Run() {
        for (size_t at = 0; at + 1 < tokens_.size(); ++at) {
            const auto object = objects_.find(tokens_[at].text);
            if (object == objects_.end() || tokens_[at].kind != HlslToken::Kind::Identifier ||
                (at > 0 && (IsChar(tokens_[at - 1], '.') || IsObjectKind(tokens_[at - 1].text) ||
                            IsChar(tokens_[at - 1], '>')))) {
                continue;
            }
            size_t receiver = at + 1;
            if (object->second.array && IsChar(tokens_[at + 1], '[')) {
                receiver = ClosingBracket(tokens_, at + 1) + 1;
                CheckIndex(at, at + 2, receiver - 1);
            }
            if (receiver + 2 < tokens_.size() && IsChar(tokens_[receiver], '.') &&
                IsChar(tokens_[receiver + 2], '(')) {
                CheckOffset(object->second.kind, receiver + 1);
            }
        }
    }

private:
    const RuntimeValues& Runtime() {
        if (!runtime_) {
            runtime_ = std::make_unique<RuntimeValues>(tokens_);
        }
        return *runtime_;
    }

    void CheckIndex(size_t name, size_t begin, size_t end) {
        if (end < tokens_.size() && Runtime().Reads(begin, end)) {
            *errors_ += SourceError(tokens_[name],
                                    "sampler array index must be a literal expression", "X3512") +
                        "\n";
        }
    }

    void CheckOffset(const std::string& kind, size_t method) {
        const size_t index = OffsetArgument(kind, tokens_[method].text);
        if (index == 0) {
            return;
        }
        const auto arguments = CallArguments(tokens_, method + 1);
        if (arguments.size() <= index) {
            return;
        }
        const auto offset = arguments[index];
        if (LiteralOutOfRange(tokens_, offset.first, offset.second) ||
            Runtime().Reads(offset.first, offset.second)) {
            *errors_ += SourceError(tokens_[method],
                                    "offset texture instructions must take offset which can "
                                    "resolve to integer literal in the range -8 to 7",
                                    "X4566") +
                        "\n";
        }
    }

    const Tokens& tokens_;
    std::string* errors_;
    std::map<std::string, DeclaredObject> objects_;
    std::unique_ptr<RuntimeValues> runtime_;
};

// The arguments a method takes before its offset; 0 for the others.
size_t ArgumentsBeforeOffset(const std::string& method) {
    if (method == "Load") {
        return 1;
    }
    if (method == "Sample") {
        return 2;
    }
    return method.rfind("Sample", 0) == 0 ? (method == "SampleGrad" ? 4 : 3) : 0;
}

// Whether an array of objects is declared or a Load or Sample call passes an
// offset: the cheap test that spares other sources the declarations' scan.
bool MayNeedLiterals(const Tokens& tokens) {
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (IsObjectKind(token.text)) {
            const size_t name =
                IsChar(tokens[at + 1], '<') ? ClosingBracket(tokens, at + 1) + 1 : at + 1;
            if (IsToken(tokens, name + 1, "[")) {
                return true;
            }
        } else if (at > 0 && IsChar(tokens[at - 1], '.') && IsChar(tokens[at + 1], '(')) {
            const size_t before = ArgumentsBeforeOffset(token.text);
            if (before != 0 && CallArguments(tokens, at + 1).size() > before) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

void CheckResourceLiterals(const Tokens& tokens, std::string* errors) {
    if (!MayNeedLiterals(tokens)) {
        return;
    }
    LiteralChecker(tokens, errors).Run();
}

} // namespace d3dcompiler_standin
