#include "pow2_partitioning.h"

#include "function_scan.h"
#include "spirv_module.h"
#include "stage_attribute_checks.h"

#include <spirv_words.h>

#include <cstring>
#include <set>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kBuiltInTessLevelOuter = 11;
constexpr uint32_t kBuiltInTessLevelInner = 12;
constexpr uint32_t kOpIAdd = 128;
constexpr uint32_t kOpConvertUToF = 112;
constexpr uint32_t kOpFOrdGreaterThan = 186;
constexpr uint32_t kGlslCeil = 9;
constexpr uint32_t kGlslFClamp = 43;
constexpr uint32_t kGlslFindUMsb = 75;

// The pointers a store writes a factor through: the tess level variables
// and the access chains into them.
std::set<uint32_t> FactorPointers(const SpirvModule& module) {
    std::set<uint32_t> pointers;
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpDecorate && instruction.size() >= 4 &&
            instruction[2] == kDecorationBuiltIn &&
            (instruction[3] == kBuiltInTessLevelOuter ||
             instruction[3] == kBuiltInTessLevelInner)) {
            pointers.insert(instruction[1]);
        }
    }
    for (const SpirvInstruction& instruction : module.instructions()) {
        if (OpcodeOf(instruction) == OpAccessChain && instruction.size() >= 4 &&
            pointers.count(instruction[3]) != 0) {
            pointers.insert(instruction[2]);
        }
    }
    return pointers;
}

// The GLSL.std.450 instruction set's id, imported where legalisation left it out.
uint32_t ImportGlsl450(SpirvModule& module) {
    if (module.Glsl450() != 0) {
        return module.Glsl450();
    }
    constexpr uint32_t kOpMemoryModel = 14;
    std::vector<SpirvInstruction>& instructions = module.instructions();
    size_t at = 0;
    while (at < instructions.size() && OpcodeOf(instructions[at]) != kOpMemoryModel) {
        ++at;
    }
    const uint32_t id = module.NewId();
    // "GLSL.std.450" and its terminating zero, four characters a word.
    SpirvInstruction import =
        MakeInstruction(OpExtInstImport, {id, 0x4C534C47, 0x6474732E, 0x3035342E, 0});
    module.Insert(at, std::move(import));
    return id;
}

// The types and constants the rounding reads, declared before any
// instruction is inserted, so that the stores' places stay put.
struct RoundingIds {
    uint32_t glsl, floatType, uintType, boolType, one, sixtyFour, zero, oneBit;
};

RoundingIds DeclareRoundingIds(SpirvModule& module, uint32_t floatType) {
    RoundingIds ids{ImportGlsl450(module), floatType, 0, 0, 0, 0, 0, 0};
    ids.uintType = module.FindOrDeclare(MakeInstruction(OpTypeInt, {0, 32, 0}));
    ids.boolType = module.BoolTypeLike(floatType);
    ids.one = module.Splat(floatType, 0x3F800000);
    ids.sixtyFour = module.Splat(floatType, 0x42800000);
    ids.zero = module.Splat(floatType, 0);
    ids.oneBit = module.Splat(ids.uintType, 1);
    return ids;
}

// Inserts at `*at` the instructions rounding float `value` up to a power of
// two; returns the rounded value's id and moves `*at` past them.
uint32_t InsertRounding(SpirvModule& module, const RoundingIds& ids, size_t* at, uint32_t value) {
    auto add = [&](uint32_t op, std::initializer_list<uint32_t> operands) {
        module.Insert((*at)++, MakeInstruction(op, operands));
    };
    const uint32_t clamped = module.NewId(), ceiling = module.NewId(), whole = module.NewId();
    const uint32_t less = module.NewId(), top = module.NewId(), shift = module.NewId();
    const uint32_t power = module.NewId(), rounded = module.NewId();
    const uint32_t positive = module.NewId(), result = module.NewId();
    const uint32_t f = ids.floatType, u = ids.uintType;
    add(OpExtInst, {f, clamped, ids.glsl, kGlslFClamp, value, ids.one, ids.sixtyFour});
    add(OpExtInst, {f, ceiling, ids.glsl, kGlslCeil, clamped});
    add(OpConvertFToU, {u, whole, ceiling});
    add(OpISub, {u, less, whole, ids.oneBit});
    // FindUMsb(0) is -1, so a factor of 1 stays 1.
    add(OpExtInst, {u, top, ids.glsl, kGlslFindUMsb, less});
    add(kOpIAdd, {u, shift, top, ids.oneBit});
    add(OpShiftLeftLogical, {u, power, ids.oneBit, shift});
    add(kOpConvertUToF, {f, rounded, power});
    add(kOpFOrdGreaterThan, {ids.boolType, positive, value, ids.zero});
    add(OpSelect, {f, result, positive, rounded, value});
    return result;
}

// Whether the instruction at `at` stores a float scalar through `pointers`.
bool StoresFactor(const SpirvModule& module, size_t at, const std::set<uint32_t>& pointers) {
    const SpirvInstruction& store = module.instructions()[at];
    if (OpcodeOf(store) != OpStore || store.size() < 3 || pointers.count(store[1]) == 0) {
        return false;
    }
    const uint32_t type = module.TypeOf(store[2]);
    return module.IsFloat32(type) && module.ComponentCount(type) == 1;
}

} // namespace

bool PartitionsByPowersOfTwo(const std::vector<HlslToken>& tokens, const std::string& entry) {
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        if (tokens[function.name].text != entry) {
            continue;
        }
        const size_t name = FindEntryAttribute(tokens, function, "partitioning");
        return name != 0 && name + 2 < tokens.size() &&
               strcasecmp(tokens[name + 2].text.c_str(), "\"pow2\"") == 0;
    }
    return false;
}

bool SpellsPow2(const std::string& text) {
    return strcasestr(text.c_str(), "\"pow2\"") != nullptr;
}

std::string WithPow2ReadAsInteger(std::string text) {
    static const std::string kInteger = "\"integer\"";
    for (const char* found = strcasestr(text.c_str(), "\"pow2\""); found != nullptr;
         found = strcasestr(text.c_str(), "\"pow2\"")) {
        text.replace(size_t(found - text.c_str()), 6, kInteger);
    }
    return text;
}

void RoundTessFactorsToPowersOfTwo(std::vector<uint32_t>* spirv) {
    SpirvModule module;
    if (!module.Read(*spirv)) {
        return;
    }
    const std::set<uint32_t> pointers = FactorPointers(module);
    uint32_t floatType = 0;
    for (size_t at = module.FirstFunction(); at < module.instructions().size(); ++at) {
        if (floatType == 0 && StoresFactor(module, at, pointers)) {
            floatType = module.TypeOf(module.instructions()[at][2]);
        }
    }
    if (floatType == 0) {
        return;
    }
    const RoundingIds ids = DeclareRoundingIds(module, floatType);
    for (size_t at = module.FirstFunction(); at < module.instructions().size(); ++at) {
        if (StoresFactor(module, at, pointers)) {
            const uint32_t rounded = InsertRounding(module, ids, &at, module.instructions()[at][2]);
            module.instructions()[at][2] = rounded;
        }
    }
    *spirv = module.Write();
}

} // namespace d3dcompiler_standin
