#include "unpaired_counters.h"

#include <register_bindings.h>
#include <spirv_words.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace d3dcompiler_standin {
namespace {

constexpr uint32_t kOpName = 5;
constexpr uint32_t kOpDecorate = 71;
constexpr uint32_t kDecorationBinding = 33;

// The variables named "buffer@count": the buffer's name by the variable's id.
std::map<uint32_t, std::string> CounterNames(const std::vector<uint32_t>& spirv) {
    static const std::string kSuffix = "@count";
    std::map<uint32_t, std::string> names;
    dxbc::spirv::ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == kOpName && count > 2) {
            const char* text = reinterpret_cast<const char*>(&spirv[at + 2]);
            const size_t length = strnlen(text, (count - 2) * 4);
            if (length > kSuffix.size() && text[length - kSuffix.size()] == '@' &&
                kSuffix.compare(0, kSuffix.size(), text + length - kSuffix.size(),
                                kSuffix.size()) == 0) {
                names[spirv[at + 1]] = std::string(text, length - kSuffix.size());
            }
        }
    });
    return names;
}

// The N of "name : register(uN)", or -1.
long UavRegisterOf(const std::vector<HlslToken>& tokens, const std::string& name) {
    for (size_t at = 0; at + 5 < tokens.size(); ++at) {
        const std::string& slot = tokens[at + 4].text;
        if (tokens[at].text == name && IsChar(tokens[at + 1], ':') &&
            tokens[at + 2].text == "register" && IsChar(tokens[at + 3], '(') && slot.size() > 1 &&
            (slot[0] == 'u' || slot[0] == 'U') &&
            slot.find_first_not_of("0123456789", 1) == std::string::npos) {
            return std::strtol(slot.c_str() + 1, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

void PlaceUnpairedCounters(std::vector<uint32_t>* spirv, const std::vector<HlslToken>& tokens) {
    const std::map<uint32_t, std::string> counters = CounterNames(*spirv);
    if (counters.empty()) {
        return;
    }
    const uint32_t base = dxbc::BindingBase(dxbc::RegisterClass::UnorderedAccessCounter);
    std::vector<uint32_t>& words = *spirv;
    dxbc::spirv::ForEachInstruction(words, [&](size_t at, uint32_t op, uint32_t count) {
        const auto counter = counters.find(count > 3 ? words[at + 1] : 0);
        if (op == kOpDecorate && count > 3 && words[at + 2] == kDecorationBinding &&
            counter != counters.end() && words[at + 3] < base) {
            const long slot = UavRegisterOf(tokens, counter->second);
            if (slot >= 0) {
                words[at + 3] = base + uint32_t(slot);
            }
        }
    });
}

} // namespace d3dcompiler_standin
