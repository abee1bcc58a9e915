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
// array of uint2. A double matrix is an array of such arrays, in the order
// its majority stores it: columns of rows, or rows of columns.
struct Split {
    uint32_t original;
    uint32_t element;    // the double type; `original` itself for a scalar
    uint32_t components; // a matrix's columns
    uint32_t replacement;
    uint32_t rows = 0; // a matrix's column length; 0 for other types
    bool rowMajor = false;
    uint32_t inner = 0; // a matrix's inner array

    bool IsMatrix() const { return rows != 0; }
    // A matrix component's index in its words.
    std::pair<uint32_t, uint32_t> Place(uint32_t column, uint32_t row) const {
        return rowMajor ? std::make_pair(row, column) : std::make_pair(column, row);
    }
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
            if (const auto matrix = DoubleMatrix(type, member, memberType)) {
                members_[{type, member}] = *matrix;
            } else if (element != 0 && count != 0) {
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

    std::optional<Split> DoubleMatrix(uint32_t structure, uint32_t member, uint32_t type) const {
        const SpirvInstruction* t = module_.Definition(type);
        if (t == nullptr || OpcodeOf(*t) != OpTypeMatrix) {
            return std::nullopt;
        }
        const uint32_t element = DoubleElement((*t)[2]);
        if (element == 0) {
            return std::nullopt;
        }
        Split split{type, element, (*t)[3], 0};
        split.rows = module_.ComponentCount((*t)[2]);
        split.rowMajor = HasMemberDecoration(module_, structure, member, kDecorationRowMajor);
        return split;
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
        uint_ = uint;
        words_ = Hoist(MakeInstruction(OpTypeVector, {0, uint, 2}), at);
        std::vector<std::pair<uint32_t, uint32_t>> strides; // array, stride
        const auto declareArray = [&](uint32_t element, uint32_t length, uint32_t stride) {
            const uint32_t count = Hoist(MakeInstruction(OpConstant, {uint, 0, length}), at);
            const uint32_t array = module_.NewId();
            module_.Insert(at++, MakeInstruction(OpTypeArray, {array, element, count}));
            strides.emplace_back(array, stride);
            return array;
        };
        for (auto& [place, split] : members_) {
            split.replacement = words_;
            if (split.IsMatrix()) {
                const auto [outer, inner] = split.Place(split.components, split.rows);
                split.inner = declareArray(words_, inner, 8);
                split.replacement = declareArray(split.inner, outer, 8 * inner);
            } else if (split.original != split.element) {
                split.replacement = declareArray(words_, split.components, 8);
            }
        }
        for (const auto& [place, split] : members_) {
            module_.instructions()[IndexOf(place.first)][place.second + 2] = split.replacement;
            if (split.IsMatrix()) {
                DropMatrixDecorations(place);
            }
        }
        for (const auto& [array, stride] : strides) {
            module_.Insert(AnnotationPlace(module_),
                           MakeInstruction(OpDecorate, {array, kDecorationArrayStride, stride}));
        }
    }

    void DropMatrixDecorations(Place place) {
        auto& list = module_.instructions();
        for (size_t i = list.size(); i-- > 0;) {
            const SpirvInstruction& d = list[i];
            if (OpcodeOf(d) == OpMemberDecorate && d.size() >= 4 && d[1] == place.first &&
                d[2] == place.second &&
                (d[3] == kDecorationRowMajor || d[3] == kDecorationColMajor ||
                 d[3] == kDecorationMatrixStride)) {
                module_.Erase(i);
            }
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
            if (strided_.count(in[3]) != 0) {
                return LoadStrided(in, body);
            }
            if (pointers_.count(in[3]) != 0) {
                return Load(in, body);
            }
            break;
        case OpStore:
            if (strided_.count(in[1]) != 0) {
                return StoreStrided(in, body);
            }
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
            if (pointers_.count(in[word]) != 0 || strided_.count(in[word]) != 0) {
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
        if (split.IsMatrix() && following == 1 && !split.rowMajor) {
            return Split{(*module_.Definition(split.original))[2], split.element, split.rows,
                         split.inner};
        }
        if (following == (split.IsMatrix() ? 2u : 1u) && split.original != split.element) {
            return Split{split.element, split.element, 1, words_};
        }
        return std::nullopt;
    }

    // A row-major matrix's words are rows of columns: its last two indices
    // trade places.
    static void SwapMatrixIndices(const Split& split, size_t following, SpirvInstruction& in) {
        if (split.IsMatrix() && split.rowMajor && following == 2) {
            std::swap(in[in.size() - 2], in[in.size() - 1]);
        }
    }

    bool Chain(SpirvInstruction in, std::vector<SpirvInstruction>& body) {
        std::optional<Split> reached;
        const auto base = pointers_.find(in[3]);
        const auto column = strided_.find(in[3]);
        if (column != strided_.end() && in.size() == 5) {
            pointers_[in[2]] =
                Split{column->second.split.element, column->second.split.element, 1, words_};
            body.push_back(RowOf(column->second, in[4], in[2]));
            return true;
        }
        if (IsStridedColumn(base != pointers_.end() ? base->second : Split{}, in.size() - 4)) {
            strided_[in[2]] = Strided{in, base->second};
            return true;
        }
        if (base != pointers_.end()) {
            reached = Reached(base->second, in.size() - 4);
            SwapMatrixIndices(base->second, in.size() - 4, in);
        } else {
            const SpirvInstruction* pointer = module_.Definition(module_.TypeOf(in[3]));
            const auto entry =
                pointer != nullptr ? Enter((*pointer)[3], in, 4, false) : std::nullopt;
            if (!entry.has_value()) {
                body.push_back(in);
                return true;
            }
            if (IsStridedColumn(entry->split, entry->following)) {
                strided_[in[2]] = Strided{in, entry->split};
                return true;
            }
            reached = Reached(entry->split, entry->following);
            SwapMatrixIndices(entry->split, entry->following, in);
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

    // A column of a row-major matrix: its components lie a row apart, so
    // the access chain to it is kept, to reach each component on its own.
    struct Strided {
        SpirvInstruction chain; // its last index the column's
        Split split;
    };

    static bool IsStridedColumn(const Split& split, size_t following) {
        return split.IsMatrix() && split.rowMajor && following == 1;
    }

    // An access chain to the words of row `row` (an id) of `column`.
    SpirvInstruction RowOf(const Strided& column, uint32_t row, uint32_t result) {
        SpirvInstruction chain = column.chain;
        const SpirvInstruction* pointer = module_.Definition(chain[1]);
        chain[1] = module_.FindOrDeclare(
            MakeInstruction(OpTypePointer, {0, pointer != nullptr ? (*pointer)[2] : 0, words_}));
        chain[2] = result;
        const uint32_t columnIndex = chain.back();
        chain.back() = row;
        chain.push_back(columnIndex);
        chain[0] = static_cast<uint32_t>(chain.size() << 16) | OpcodeOf(chain);
        return chain;
    }

    uint32_t RowConstant(uint32_t row) {
        return module_.FindOrDeclare(MakeInstruction(OpConstant, {uint_, 0, row}));
    }

    bool LoadStrided(const SpirvInstruction& in, std::vector<SpirvInstruction>& body) {
        const Strided& column = strided_.at(in[3]);
        std::vector<uint32_t> parts;
        for (uint32_t row = 0; row < column.split.rows; ++row) {
            const uint32_t pointer = module_.NewId();
            const uint32_t words = module_.NewId();
            parts.push_back(module_.NewId());
            body.push_back(RowOf(column, RowConstant(row), pointer));
            body.push_back(MakeInstruction(OpLoad, {words_, words, pointer}));
            body.push_back(
                MakeInstruction(kOpBitcast, {column.split.element, parts.back(), words}));
        }
        body.push_back(Composite(OpCompositeConstruct, in[1], in[2], parts));
        return true;
    }

    bool StoreStrided(const SpirvInstruction& in, std::vector<SpirvInstruction>& body) {
        const Strided& column = strided_.at(in[1]);
        for (uint32_t row = 0; row < column.split.rows; ++row) {
            const uint32_t pointer = module_.NewId();
            const uint32_t component = module_.NewId();
            const uint32_t words = module_.NewId();
            body.push_back(RowOf(column, RowConstant(row), pointer));
            body.push_back(
                MakeInstruction(OpCompositeExtract, {column.split.element, component, in[2], row}));
            body.push_back(MakeInstruction(kOpBitcast, {words_, words, component}));
            body.push_back(MakeInstruction(OpStore, {pointer, words}));
        }
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
        if (entry->split.IsMatrix() && entry->split.rowMajor && entry->following == 1) {
            const uint32_t column = in.back();
            in.pop_back();
            body.push_back(MatrixColumn(entry->split, in, column, in[2], body));
            return true;
        }
        const auto reached = Reached(entry->split, entry->following);
        if (!reached.has_value()) {
            return false;
        }
        SwapMatrixIndices(entry->split, entry->following, in);
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

    // Column `column` of the matrix whose words `extract` (a composite
    // extract, its result and indices to be replaced) reaches, as `result`.
    SpirvInstruction MatrixColumn(const Split& split, const SpirvInstruction& extract,
                                  uint32_t column, uint32_t result,
                                  std::vector<SpirvInstruction>& body) {
        std::vector<uint32_t> parts;
        for (uint32_t row = 0; row < split.rows; ++row) {
            const auto [outer, inner] = split.Place(column, row);
            std::vector<uint32_t> operands(extract.begin() + 3, extract.end());
            operands.insert(operands.end(), {outer, inner});
            const uint32_t words = module_.NewId();
            parts.push_back(module_.NewId());
            body.push_back(Composite(OpCompositeExtract, words_, words, operands));
            body.push_back(MakeInstruction(kOpBitcast, {split.element, parts.back(), words}));
        }
        return Composite(OpCompositeConstruct, (*module_.Definition(split.original))[2], result,
                         parts);
    }

    void ToDouble(uint32_t words, const Split& split, uint32_t result,
                  std::vector<SpirvInstruction>& body) {
        if (split.IsMatrix()) {
            const SpirvInstruction whole = MakeInstruction(OpCompositeExtract, {0, 0, words});
            std::vector<uint32_t> columns;
            for (uint32_t column = 0; column < split.components; ++column) {
                columns.push_back(module_.NewId());
                body.push_back(MatrixColumn(split, whole, column, columns.back(), body));
            }
            body.push_back(Composite(OpCompositeConstruct, split.original, result, columns));
            return;
        }
        if (split.original == split.element) {
            body.push_back(MakeInstruction(kOpBitcast, {split.original, result, words}));
            return;
        }
        CastEach(words, {words_, split.element}, {split.original, result}, split.components, body);
    }

    uint32_t FromDouble(uint32_t value, const Split& split, std::vector<SpirvInstruction>& body) {
        const uint32_t result = module_.NewId();
        if (split.IsMatrix()) {
            FromMatrix(value, split, result, body);
            return result;
        }
        if (split.original == split.element) {
            body.push_back(MakeInstruction(kOpBitcast, {words_, result, value}));
            return result;
        }
        CastEach(value, {split.element, words_}, {split.replacement, result}, split.components,
                 body);
        return result;
    }

    void FromMatrix(uint32_t value, const Split& split, uint32_t result,
                    std::vector<SpirvInstruction>& body) {
        const auto [outerLength, innerLength] = split.Place(split.components, split.rows);
        std::vector<uint32_t> outer;
        for (uint32_t o = 0; o < outerLength; ++o) {
            std::vector<uint32_t> inner;
            for (uint32_t i = 0; i < innerLength; ++i) {
                const auto [column, row] = split.Place(o, i); // the same trade, undone
                const uint32_t component = module_.NewId();
                inner.push_back(module_.NewId());
                body.push_back(MakeInstruction(OpCompositeExtract,
                                               {split.element, component, value, column, row}));
                body.push_back(MakeInstruction(kOpBitcast, {words_, inner.back(), component}));
            }
            outer.push_back(module_.NewId());
            body.push_back(Composite(OpCompositeConstruct, split.inner, outer.back(), inner));
        }
        body.push_back(Composite(OpCompositeConstruct, split.replacement, result, outer));
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
    std::map<uint32_t, Strided> strided_;
    uint32_t uint_ = 0;
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
