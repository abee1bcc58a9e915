#include "spirv_outputs.h"
#include "spirv_words.h"

#include <algorithm>
#include <map>
#include <set>

namespace dxbc {
namespace {

using namespace spirv;

constexpr uint32_t kFirstInterfaceWordOfEntryPoint = 3; // after model and id
constexpr uint32_t kVersionWithPrivateInterface = 0x00010400;

struct ModuleFacts {
    std::map<uint32_t, uint32_t> location;                     // variable -> location
    std::map<uint32_t, std::pair<uint32_t, uint32_t>> pointer; // type -> {storage, pointee}
    std::map<uint32_t, uint32_t> arrayLength;                  // array type -> length constant
    std::map<uint32_t, uint32_t> constant;                     // 32-bit constants
};

ModuleFacts ReadFacts(const std::vector<uint32_t>& spirv) {
    ModuleFacts facts;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpDecorate && count >= 4 && spirv[at + 2] == kDecorationLocation) {
            facts.location[spirv[at + 1]] = spirv[at + 3];
        } else if (op == OpTypePointer && count == 4) {
            facts.pointer[spirv[at + 1]] = {spirv[at + 2], spirv[at + 3]};
        } else if (op == OpTypeArray && count == 4) {
            facts.arrayLength[spirv[at + 1]] = spirv[at + 3];
        } else if (op == OpConstant && count == 4) {
            facts.constant[spirv[at + 2]] = spirv[at + 3];
        }
    });
    return facts;
}

// The locations an output variable of pointer type `type` covers, as a mask.
uint32_t CoveredLocations(const ModuleFacts& facts, uint32_t type, uint32_t first) {
    uint32_t count = 1;
    const auto pointer = facts.pointer.find(type);
    if (pointer != facts.pointer.end()) {
        const auto array = facts.arrayLength.find(pointer->second.second);
        if (array != facts.arrayLength.end() && facts.constant.count(array->second) != 0) {
            count = facts.constant.at(array->second);
        }
    }
    uint32_t mask = 0;
    for (uint32_t location = first; location < first + count && location < 32; ++location) {
        mask |= 1u << location;
    }
    return mask;
}

// What changes: the variables to demote, the pointers derived from them, and
// a Private twin for each Output pointer type they use.
struct Demotion {
    std::set<uint32_t> variables;
    std::set<uint32_t> derived; // access chains and copies of a demoted pointer
    std::map<uint32_t, uint32_t> privateTwin;
};

bool IsPointerDerivation(uint32_t op) {
    return op == OpAccessChain || op == OpInBoundsAccessChain || op == OpPtrAccessChain ||
           op == OpCopyObject;
}

Demotion PlanDemotion(std::vector<uint32_t>& spirv, const ModuleFacts& facts, uint32_t kept) {
    Demotion plan;
    uint32_t& bound = spirv[3];
    auto twin = [&](uint32_t type) {
        if (plan.privateTwin.count(type) == 0) {
            plan.privateTwin[type] = bound++;
        }
    };
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpVariable && count >= 4 && spirv[at + 3] == kStorageOutput) {
            const auto location = facts.location.find(spirv[at + 2]);
            if (location != facts.location.end() &&
                (CoveredLocations(facts, spirv[at + 1], location->second) & kept) == 0) {
                plan.variables.insert(spirv[at + 2]);
                twin(spirv[at + 1]);
            }
        } else if (IsPointerDerivation(op) && count >= 4 &&
                   (plan.variables.count(spirv[at + 3]) || plan.derived.count(spirv[at + 3]))) {
            plan.derived.insert(spirv[at + 2]);
            twin(spirv[at + 1]);
        }
    });
    return plan;
}

void AppendEntryPoint(const std::vector<uint32_t>& spirv, size_t at, uint32_t count,
                      const Demotion& plan, std::vector<uint32_t>* out) {
    const size_t start = out->size();
    out->push_back(0);
    // The name is a literal string: copy every word up to the interface.
    size_t word = at + kFirstInterfaceWordOfEntryPoint;
    while (word < at + count && (spirv[word] >> 24) != 0) {
        ++word;
    }
    out->insert(out->end(), spirv.begin() + at + 1, spirv.begin() + std::min(word + 1, at + count));
    const bool listsPrivate = spirv[1] >= kVersionWithPrivateInterface;
    for (++word; word < at + count; ++word) {
        if (listsPrivate || plan.variables.count(spirv[word]) == 0) {
            out->push_back(spirv[word]);
        }
    }
    (*out)[start] = uint32_t(out->size() - start) << 16 | OpEntryPoint;
}

bool DecoratesDemoted(const std::vector<uint32_t>& spirv, size_t at, uint32_t op,
                      const Demotion& plan) {
    return (op == OpDecorate || op == OpDecorateId || op == OpDecorateString) &&
           plan.variables.count(spirv[at + 1]) != 0;
}

} // namespace

std::vector<uint32_t> WithoutOutputLocations(const std::vector<uint32_t>& spirv,
                                             uint32_t keptLocations) {
    if (spirv.size() < kHeaderWords || spirv[0] != kMagic ||
        !ForEachInstruction(spirv, [](size_t, uint32_t, uint32_t) {})) {
        return {};
    }
    std::vector<uint32_t> module = spirv;
    const ModuleFacts facts = ReadFacts(module);
    const Demotion plan = PlanDemotion(module, facts, keptLocations);
    if (plan.variables.empty()) {
        return module;
    }
    std::vector<uint32_t> out(module.begin(), module.begin() + kHeaderWords);
    ForEachInstruction(module, [&](size_t at, uint32_t op, uint32_t count) {
        if (op == OpEntryPoint && count >= 4) {
            AppendEntryPoint(module, at, count, plan, &out);
            return;
        }
        if (DecoratesDemoted(module, at, op, plan)) {
            return;
        }
        const size_t start = out.size();
        out.insert(out.end(), module.begin() + at, module.begin() + at + count);
        if (op == OpTypePointer && plan.privateTwin.count(module[at + 1]) != 0) {
            out.insert(out.end(), {4u << 16 | OpTypePointer, plan.privateTwin.at(module[at + 1]),
                                   kStoragePrivate, module[at + 3]});
        } else if (op == OpVariable && plan.variables.count(module[at + 2]) != 0) {
            out[start + 1] = plan.privateTwin.at(module[at + 1]);
            out[start + 3] = kStoragePrivate;
        } else if (IsPointerDerivation(op) && count >= 4 && plan.derived.count(module[at + 2])) {
            out[start + 1] = plan.privateTwin.at(module[at + 1]);
        }
    });
    return out;
}

} // namespace dxbc
