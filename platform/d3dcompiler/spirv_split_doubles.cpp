#include "spirv_split_doubles.h"

#include <spirv_words.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kOpBitcast = 124;

// A double, double vector or array of doubles held as words: uint2, or an
// array of uint2.
struct Split {
    uint32_t original;
    uint32_t element; // the double type; `original` itself for a scalar
    uint32_t components;
    uint32_t replacement;
};

// Where a path of indices (an access chain's or a composite extract's)
// enters a split member, and how many indices follow it.
struct Entry {
    Split split;
    size_t following;
};

SpirvInstruction Composite(uint32_t op, uint32_t type, uint32_t result,
                           const std::vector<uint32_t>& parts) {
    SpirvInstruction instruction = MakeInstruction(op, {type, result});
    instruction.insert(instruction.end(), parts.begin(), parts.end());
    instruction[0] = static_cast<uint32_t>(instruction.size() << 16) | op;
    return instruction;
}

class DoubleSplitter {
public:
    explicit DoubleSplitter(SpirvModule& module) : module_(module) {}

    bool Run(uint32_t block) {
        FindMembers(block);
        if (members_.empty()) {
            return false;
        }
        DeclareReplacements();
        return RewriteBodies();
    }

private:
    using Place = std::pair<uint32_t, uint32_t>; // structure, member

    void FindMembers(uint32_t type) {
        const SpirvInstruction* t = module_.Definition(type);
        if (t == nullptr || !visited_.insert(type).second) {
            return;
        }
        if (OpcodeOf(*t) == OpTypeArray || OpcodeOf(*t) == OpTypeRuntimeArray) {
            FindMembers((*t)[2]);
        }
        if (OpcodeOf(*t) != OpTypeStruct) {
            return;
        }
        for (uint32_t member = 0; member + 2 < t->size(); ++member) {
            const uint32_t memberType = (*t)[member + 2];
            const uint32_t element = DoubleElement(memberType);
            const uint32_t count = ElementCount(memberType);
            if (element != 0 && count != 0) {
                members_[{type, member}] = {memberType, element, count, 0};
            } else {
                FindMembers(memberType);
            }
        }
    }

    // The double type of a double, a double vector or an array of doubles;
    // 0 for other types.
    uint32_t DoubleElement(uint32_t type) const {
        const SpirvInstruction* t = module_.Definition(type);
        if (t == nullptr) {
            return 0;
        }
        const bool composite = OpcodeOf(*t) == OpTypeVector || OpcodeOf(*t) == OpTypeArray;
        const uint32_t element = composite ? (*t)[2] : type;
        const SpirvInstruction* scalar = module_.Definition(element);
        const bool isDouble =
            scalar != nullptr && OpcodeOf(*scalar) == OpTypeFloat && (*scalar)[2] == 64;
        return isDouble ? element : 0;
    }

    uint32_t ElementCount(uint32_t type) const {
        const SpirvInstruction* t = module_.Definition(type);
        if (t != nullptr && OpcodeOf(*t) == OpTypeArray) {
            return ConstantValue(module_, (*t)[3]);
        }
        return module_.ComponentCount(type);
    }

    size_t IndexOf(uint32_t id) const {
        return size_t(module_.Definition(id) - module_.instructions().data());
    }

    // The words' types go before the first structure that holds them.
    void DeclareReplacements() {
        size_t at = module_.instructions().size();
        for (const auto& [place, split] : members_) {
            at = std::min(at, IndexOf(place.first));
        }
        const uint32_t uint = Hoist(MakeInstruction(OpTypeInt, {0, 32, 0}), at);
        words_ = Hoist(MakeInstruction(OpTypeVector, {0, uint, 2}), at);
        std::vector<uint32_t> arrays;
        for (auto& [place, split] : members_) {
            split.replacement = words_;
            if (split.original != split.element) {
                const uint32_t length =
                    Hoist(MakeInstruction(OpConstant, {uint, 0, split.components}), at);
                split.replacement = module_.NewId();
                module_.Insert(at++,
                               MakeInstruction(OpTypeArray, {split.replacement, words_, length}));
                arrays.push_back(split.replacement);
            }
        }
        for (const auto& [place, split] : members_) {
            module_.instructions()[IndexOf(place.first)][place.second + 2] = split.replacement;
        }
        for (uint32_t array : arrays) {
            module_.Insert(AnnotationPlace(module_),
                           MakeInstruction(OpDecorate, {array, kDecorationArrayStride, 8}));
        }
    }

    // The declaration equal to `wanted` but for its id, moved before `at`
    // where it came later, or declared there.
    uint32_t Hoist(SpirvInstruction wanted, size_t& at) {
        const size_t resultWord = OpcodeOf(wanted) == OpConstant ? 2 : 1;
        const size_t end = module_.FirstFunction();
        for (size_t i = 0; i < end; ++i) {
            SpirvInstruction candidate = module_.instructions()[i];
            if (candidate.size() != wanted.size() || candidate[0] != wanted[0]) {
                continue;
            }
            const uint32_t id = candidate[resultWord];
            candidate[resultWord] = wanted[resultWord];
            if (candidate != wanted) {
                continue;
            }
            if (i > at) {
                SpirvInstruction moved = module_.instructions()[i];
                module_.Erase(i);
                module_.Insert(at++, std::move(moved));
            }
            return id;
        }
        wanted[resultWord] = module_.NewId();
        module_.Insert(at++, wanted);
        return wanted[resultWord];
    }

    bool RewriteBodies() {
        const size_t start = module_.FirstFunction();
        const std::vector<SpirvInstruction> old(module_.instructions().begin() + long(start),
                                                module_.instructions().end());
        std::vector<SpirvInstruction> body;
        for (const SpirvInstruction& instruction : old) {
            if (!Rewrite(instruction, body)) {
                return false;
            }
        }
        module_.ReplaceFrom(module_.FirstFunction(), std::move(body));
        return true;
    }

    bool Rewrite(const SpirvInstruction& in, std::vector<SpirvInstruction>& body) {
        switch (OpcodeOf(in)) {
        case OpAccessChain:
        case OpInBoundsAccessChain:
            return Chain(in, body);
        case OpLoad:
            if (pointers_.count(in[3]) != 0) {
                return Load(in, body);
            }
            break;
        case OpStore:
            if (pointers_.count(in[1]) != 0) {
                return Store(in, body);
            }
            break;
        case OpCompositeExtract:
            return Extract(in, body);
        case OpCompositeConstruct:
            return Construct(in, body);
        case OpCompositeInsert:
            if (Enter(module_.TypeOf(in[4]), in, 5, false).has_value()) {
                return false;
            }
            break;
        default:
            break;
        }
        for (size_t word = 1; word < in.size(); ++word) {
            if (pointers_.count(in[word]) != 0) {
                return false; // a pointer to words passed on whole
            }
        }
        body.push_back(in);
        return true;
    }

    // Follows the indices of `in` from word `first` over `type`; `literal`
    // where they are literals rather than constants' ids.
    std::optional<Entry> Enter(uint32_t type, const SpirvInstruction& in, size_t first,
                               bool literal) const {
        for (size_t k = first; k < in.size(); ++k) {
            const SpirvInstruction* t = module_.Definition(type);
            if (t == nullptr) {
                return std::nullopt;
            }
            if (OpcodeOf(*t) != OpTypeStruct) {
                type = (*t)[2];
                continue;
            }
            const uint32_t member = literal ? in[k] : ConstantValue(module_, in[k]);
            const auto split = members_.find({type, member});
            if (split != members_.end()) {
                return Entry{split->second, in.size() - k - 1};
            }
            type = member + 2 < t->size() ? (*t)[member + 2] : 0;
        }
        return std::nullopt;
    }

    // What a path `following` indices past a split member's start reaches:
    // the member's words, or one component's; none past that.
    std::optional<Split> Reached(const Split& split, size_t following) const {
        if (following == 0) {
            return split;
        }
        if (following == 1 && split.original != split.element) {
            return Split{split.element, split.element, 1, words_};
        }
        return std::nullopt;
    }

    bool Chain(SpirvInstruction in, std::vector<SpirvInstruction>& body) {
        std::optional<Split> reached;
        const auto base = pointers_.find(in[3]);
        if (base != pointers_.end()) {
            reached = Reached(base->second, in.size() - 4);
        } else {
            const SpirvInstruction* pointer = module_.Definition(module_.TypeOf(in[3]));
            const auto entry =
                pointer != nullptr ? Enter((*pointer)[3], in, 4, false) : std::nullopt;
            if (!entry.has_value()) {
                body.push_back(in);
                return true;
            }
            reached = Reached(entry->split, entry->following);
        }
        const SpirvInstruction* resultPointer = module_.Definition(in[1]);
        if (!reached.has_value() || resultPointer == nullptr) {
            return false;
        }
        in[1] = module_.FindOrDeclare(
            MakeInstruction(OpTypePointer, {0, (*resultPointer)[2], reached->replacement}));
        pointers_[in[2]] = *reached;
        body.push_back(in);
        return true;
    }

    bool Load(SpirvInstruction in, std::vector<SpirvInstruction>& body) {
        const Split& split = pointers_.at(in[3]);
        const uint32_t result = in[2];
        in[1] = split.replacement;
        in[2] = module_.NewId();
        body.push_back(in);
        ToDouble(in[2], split, result, body);
        return true;
    }

    bool Store(SpirvInstruction in, std::vector<SpirvInstruction>& body) {
        in[2] = FromDouble(in[2], pointers_.at(in[1]), body);
        body.push_back(in);
        return true;
    }

    bool Extract(SpirvInstruction in, std::vector<SpirvInstruction>& body) {
        const auto entry = Enter(module_.TypeOf(in[3]), in, 4, true);
        if (!entry.has_value()) {
            body.push_back(in);
            return true;
        }
        const auto reached = Reached(entry->split, entry->following);
        if (!reached.has_value()) {
            return false;
        }
        const uint32_t result = in[2];
        in[1] = reached->replacement;
        in[2] = module_.NewId();
        body.push_back(in);
        ToDouble(in[2], *reached, result, body);
        return true;
    }

    bool Construct(SpirvInstruction in, std::vector<SpirvInstruction>& body) {
        for (size_t word = 3; word < in.size(); ++word) {
            const auto split = members_.find({in[1], uint32_t(word - 3)});
            if (split != members_.end()) {
                in[word] = FromDouble(in[word], split->second, body);
            }
        }
        body.push_back(in);
        return true;
    }

    void ToDouble(uint32_t words, const Split& split, uint32_t result,
                  std::vector<SpirvInstruction>& body) {
        if (split.original == split.element) {
            body.push_back(MakeInstruction(kOpBitcast, {split.original, result, words}));
            return;
        }
        CastEach(words, {words_, split.element}, {split.original, result}, split.components, body);
    }

    uint32_t FromDouble(uint32_t value, const Split& split, std::vector<SpirvInstruction>& body) {
        const uint32_t result = module_.NewId();
        if (split.original == split.element) {
            body.push_back(MakeInstruction(kOpBitcast, {words_, result, value}));
            return result;
        }
        CastEach(value, {split.element, words_}, {split.replacement, result}, split.components,
                 body);
        return result;
    }

    struct Cast {
        uint32_t from;
        uint32_t to;
    };
    struct Typed {
        uint32_t type;
        uint32_t id;
    };
    // Composite `made` of `value`'s `count` parts, each bitcast.
    void CastEach(uint32_t value, Cast part, Typed made, uint32_t count,
                  std::vector<SpirvInstruction>& body) {
        std::vector<uint32_t> parts;
        for (uint32_t index = 0; index < count; ++index) {
            const uint32_t extracted = module_.NewId();
            parts.push_back(module_.NewId());
            body.push_back(
                MakeInstruction(OpCompositeExtract, {part.from, extracted, value, index}));
            body.push_back(MakeInstruction(kOpBitcast, {part.to, parts.back(), extracted}));
        }
        body.push_back(Composite(OpCompositeConstruct, made.type, made.id, parts));
    }

    SpirvModule& module_;
    std::set<uint32_t> visited_;
    std::map<Place, Split> members_;
    std::map<uint32_t, Split> pointers_; // access chains reaching words
    uint32_t words_ = 0;
};

} // namespace

bool SplitDoubleMembers(SpirvModule& module, uint32_t block) {
    SpirvModule edited = module;
    if (!DoubleSplitter(edited).Run(block)) {
        return false;
    }
    module = std::move(edited);
    return true;
}

} // namespace d3dcompiler_standin
