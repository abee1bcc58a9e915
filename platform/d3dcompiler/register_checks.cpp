#include "register_checks.h"

#include <cctype>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The register classes a declared type binds to, and fxc's words when the
// register is of another class.
struct BindingRule {
    const char* letters;
    const char* refusal;
};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// Nothing for types whose registers are not checked here (numeric values).
const BindingRule* RuleFor(const std::string& type) {
    static const BindingRule kConstantBuffer = {"bc", nullptr};
    static const BindingRule kTextureBuffer = {
        "t", "invalid register specification, expected 't' binding"};
    static const BindingRule kUnordered = {"u", "UAV requires a 'u' register"};
    static const BindingRule kBuffer = {"t", "buffer requires a 't' register"};
    static const BindingRule kTexture = {"ts", "texture requires a 't' or 's' register"};
    static const BindingRule kSampler = {"st", "sampler requires an 's' or 't' register"};
    if (type == "cbuffer") {
        return &kConstantBuffer;
    }
    if (type == "tbuffer") {
        return &kTextureBuffer;
    }
    if (StartsWith(type, "RW") || StartsWith(type, "RasterizerOrdered") ||
        type == "AppendStructuredBuffer" || type == "ConsumeStructuredBuffer") {
        return &kUnordered;
    }
    if (type == "Buffer" || type == "ByteAddressBuffer" || type == "StructuredBuffer") {
        return &kBuffer;
    }
    if (StartsWith(type, "Texture")) {
        return &kTexture;
    }
    if (StartsWith(type, "Sampler") || StartsWith(type, "sampler")) {
        return &kSampler;
    }
    return nullptr;
}

// One register(...) annotation: its class letter and number as written, and
// whether it names a shader profile ("register(ps, s0)").
struct Binding {
    const HlslToken* at;
    std::string slot; // "t3", "s" or "b0"
    bool profile;
};

Binding ReadBinding(const Tokens& tokens, size_t open) {
    Binding binding{&tokens[open - 1], "", false};
    const size_t close = ClosingBracket(tokens, open);
    for (size_t at = open + 1; at < close && at < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (token.kind != HlslToken::Kind::Identifier) {
            continue;
        }
        if (IsToken(tokens, at + 1, ",") && binding.slot.empty() && at == open + 1) {
            binding.profile = true; // "ps", "vs_5_0"
        } else if (binding.slot.empty() && !StartsWith(token.text, "space")) {
            binding.slot = token.text;
            binding.at = &token;
        }
    }
    return binding;
}

// The declaration a ": register(...)" belongs to: its type, found by walking
// back from the annotation to the start of the statement.
std::string DeclaredType(const Tokens& tokens, size_t colon) {
    size_t start = colon;
    while (start > 0) {
        const std::string& text = tokens[start - 1].text;
        if (text == ";" || text == "{" || text == "}") {
            break;
        }
        --start;
    }
    static const char* kSkipped[] = {"static",           "uniform", "const",     "extern",
                                     "globallycoherent", "shared",  "row_major", "column_major"};
    for (size_t at = start; at < colon; ++at) {
        bool skipped = false;
        for (const char* word : kSkipped) {
            skipped |= tokens[at].text == word;
        }
        if (!skipped && tokens[at].kind == HlslToken::Kind::Identifier) {
            return tokens[at].text;
        }
    }
    return "";
}

void Report(std::string* errors, const HlslToken& at, const std::string& message,
            const char* code) {
    *errors += SourceError(at, message, code) + "\n";
}

void CheckClass(const std::string& type, const Binding& binding, std::string* errors) {
    const BindingRule* rule = RuleFor(type);
    if (rule == nullptr || binding.slot.empty()) {
        return;
    }
    const char letter = char(std::tolower(uint8_t(binding.slot[0])));
    if (std::string(rule->letters).find(letter) != std::string::npos) {
        if (type == "cbuffer" && letter == 'c') {
            Report(errors, *binding.at, "invalid register specification, expected 'b' binding",
                   "X3530");
        }
        return;
    }
    const std::string refusal = rule->refusal != nullptr
                                    ? rule->refusal
                                    : "invalid register specification, expected 'b' or 'c' binding";
    Report(errors, *binding.at, refusal, "X3530");
}

// Two register() annotations on one declaration.
void CheckPair(const std::string& type, const Binding& first, const Binding& second,
               std::string* errors) {
    if (type == "cbuffer" || type == "tbuffer") {
        Report(errors, *second.at, "Buffers may only be bound to one slot.", "X3530");
        return;
    }
    if (first.profile || second.profile || first.slot.empty() || second.slot.empty() ||
        std::tolower(uint8_t(first.slot[0])) != std::tolower(uint8_t(second.slot[0])) ||
        first.slot == second.slot) {
        return;
    }
    Report(errors, *second.at,
           "Conflicting register semantics: '" + first.slot + "' and '" + second.slot + "'",
           "X3115");
}

} // namespace

bool IsResourceType(const std::string& type) {
    return RuleFor(type) != nullptr && type != "cbuffer" && type != "tbuffer";
}

void CheckRegisterBindings(const Tokens& tokens, std::string* errors) {
    for (size_t at = 1; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != ":" || tokens[at + 1].text != "register" ||
            tokens[at + 2].text != "(") {
            continue;
        }
        const std::string type = DeclaredType(tokens, at);
        const Binding binding = ReadBinding(tokens, at + 2);
        CheckClass(type, binding, errors);
        size_t next = ClosingBracket(tokens, at + 2) + 1;
        if (IsToken(tokens, next, ":") && IsToken(tokens, next + 1, "register") &&
            IsToken(tokens, next + 2, "(")) {
            CheckPair(type, binding, ReadBinding(tokens, next + 2), errors);
            at = next - 1; // the second annotation is judged for its class too
        }
    }
}

} // namespace d3dcompiler_standin
