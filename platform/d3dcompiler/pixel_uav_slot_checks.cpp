#include "pixel_uav_slot_checks.h"
#include "resource_declarations.h"

#include <cstdlib>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The render targets the source writes: one past the highest SV_Target index.
long TargetCount(const Tokens& tokens) {
    long count = 0;
    for (const HlslToken& token : tokens) {
        if (token.text.size() < 9 || strncasecmp(token.text.c_str(), "SV_Target", 9) != 0 ||
            token.text.find_first_not_of("0123456789", 9) != std::string::npos) {
            continue;
        }
        const long index =
            token.text.size() == 9 ? 0 : std::strtol(token.text.c_str() + 9, nullptr, 10);
        count = std::max(count, index + 1);
    }
    return count;
}

// Whether `name` is mentioned anywhere but at `declared`.
bool IsUsed(const Tokens& tokens, const std::string& name, size_t declared) {
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (at != declared && tokens[at].text == name) {
            return true;
        }
    }
    return false;
}

// The UAV declared before the ':' at `colon' ("RWTexture2D<float4> name" or
// "name[N]"): its name's index, or 0 where none is.
size_t UavNameBefore(const Tokens& tokens, size_t colon) {
    size_t name = colon - 1;
    if (IsChar(tokens[name], ']')) {
        name = OpeningBracket(tokens, name);
        if (name == 0) {
            return 0;
        }
        --name;
    }
    if (name == 0 || tokens[name].kind != HlslToken::Kind::Identifier) {
        return 0;
    }
    size_t kind = name - 1;
    if (IsChar(tokens[kind], '>')) {
        while (kind > 0 && !IsChar(tokens[kind], '<')) {
            --kind;
        }
        kind = kind > 0 ? kind - 1 : 0;
    }
    const std::string& type = tokens[kind].text;
    const bool uav =
        IsObjectKind(type) &&
        (type.rfind("RW", 0) == 0 || type.rfind("Append", 0) == 0 || type.rfind("Consume", 0) == 0);
    return uav ? name : 0;
}

} // namespace

void CheckPixelUavSlots(const Tokens& tokens, const ShaderTarget& target, std::string* errors) {
    if (target.stage != 'p' || target.major > 5) {
        return;
    }
    long targets = -1; // read when a UAV register is found
    for (size_t at = 2; at + 3 < tokens.size(); ++at) {
        const std::string& slot = tokens[at + 2].text;
        if (tokens[at].text != "register" || !IsChar(tokens[at + 1], '(') || slot.size() < 2 ||
            (slot[0] != 'u' && slot[0] != 'U') ||
            slot.find_first_not_of("0123456789", 1) != std::string::npos ||
            !IsChar(tokens[at - 1], ':')) {
            continue;
        }
        const size_t name = UavNameBefore(tokens, at - 1);
        if (name == 0) {
            continue;
        }
        if (targets < 0) {
            targets = TargetCount(tokens);
        }
        const long index = std::strtol(slot.c_str() + 1, nullptr, 10);
        if (index < targets && IsUsed(tokens, tokens[name].text, name)) {
            *errors += SourceError(tokens[at + 2],
                                   "UAV registers live in the same name space as outputs, so they "
                                   "must be bound to at least u" +
                                       std::to_string(targets) + ", manual bind to slot u" +
                                       std::to_string(index) + " failed",
                                   "X4509") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
