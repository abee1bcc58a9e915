#include "resource_literal_checks.h"
#include "call_shapes.h"
#include "object_method_calls.h"
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

bool TakesOffset(const std::string& method, size_t count) {
    const size_t before = ArgumentsBeforeOffset(method);
    return before != 0 && count > before;
}

class LiteralChecker {
public:
    LiteralChecker(const Tokens& tokens, std::string* errors)
        : tokens_(tokens), errors_(errors), calls_(tokens), objects_(calls_.Objects()) {}

    void Run() {
        for (size_t at = 0; at + 1 < tokens_.size(); ++at) {
            const auto object = objects_.find(tokens_[at].text);
            if (object == objects_.end() || !object->second.array ||
                tokens_[at].kind != HlslToken::Kind::Identifier || !IsChar(tokens_[at + 1], '[') ||
                (at > 0 && (IsChar(tokens_[at - 1], '.') || IsObjectKind(tokens_[at - 1].text) ||
                            IsChar(tokens_[at - 1], '>')))) {
                continue;
            }
            CheckIndex(at, at + 2, ClosingBracket(tokens_, at + 1));
        }
        calls_.ForEach(TakesOffset, [&](const ObjectMethodCall& call) {
            if (call.indexed == call.object->array) {
                CheckOffset(call);
            }
        });
        for (const auto& [at, error] : found_) {
            *errors_ += error + "\n";
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
            found_[name] = SourceError(tokens_[name],
                                       "sampler array index must be a literal expression", "X3512");
        }
    }

    void CheckOffset(const ObjectMethodCall& call) {
        const size_t index = OffsetArgument(call.object->kind, tokens_[call.method].text);
        if (index == 0 || call.arguments.size() <= index) {
            return;
        }
        const auto offset = call.arguments[index];
        if (LiteralOutOfRange(tokens_, offset.first, offset.second) ||
            Runtime().Reads(offset.first, offset.second)) {
            found_[call.method] = SourceError(tokens_[call.method],
                                              "offset texture instructions must take offset which "
                                              "can resolve to integer literal in the range -8 to 7",
                                              "X4566");
        }
    }

    const Tokens& tokens_;
    std::string* errors_;
    ObjectMethodCalls calls_;
    const std::map<std::string, DeclaredObject>& objects_;
    std::unique_ptr<RuntimeValues> runtime_;
    std::map<size_t, std::string> found_; // by token, so that they read in the source's order
};

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
