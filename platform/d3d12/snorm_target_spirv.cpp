#include "snorm_target_spirv.h"

#include "spirv_append.h"

#include <spirv_words.h>

#include <map>

namespace d3d12_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kFloatMinusOne = 0xBF800000;

constexpr uint32_t kExecutionModelFragment = 4;

// An output to rewrite: the variable, its float or float-vector type, that
// type's component count, the bool type of as many components and the
// constants it is compared with and replaced by.
struct FloatOutput {
    uint32_t variable = 0, type = 0, components = 0, boolType = 0, zero = 0;
    uint32_t minusOne = 0, one = 0; // of its type
};

// What the rewrite needs to find in the module; zero where absent.
struct OutputFacts {
    size_t firstFunction = 0;
    uint32_t entryFunction = 0, floatType = 0, boolType = 0;
    std::map<uint32_t, uint32_t> locations;             // variable -> location
    std::map<uint32_t, uint32_t> outputPointee;         // Output pointer type -> pointee
    std::map<uint32_t, uint32_t> floatVectors;          // float vector type -> components
    std::map<uint32_t, uint32_t> boolVectors;           // components -> bool vector type
    std::vector<std::pair<uint32_t, uint32_t>> outputs; // variable, pointee
};

void ReadType(const uint32_t* w, uint32_t op, uint32_t count, OutputFacts* facts) {
    if (op == OpTypeFloat && count == 3 && w[2] == 32) {
        facts->floatType = w[1];
    } else if (op == OpTypeBool && count == 2) {
        facts->boolType = w[1];
    } else if (op == OpTypeVector && count == 4 && w[2] == facts->floatType &&
               facts->floatType != 0) {
        facts->floatVectors[w[1]] = w[3];
    } else if (op == OpTypeVector && count == 4 && w[2] == facts->boolType &&
               facts->boolType != 0) {
        facts->boolVectors[w[3]] = w[1];
    } else if (op == OpTypePointer && count == 4 && w[2] == kStorageOutput) {
        facts->outputPointee[w[1]] = w[3];
    }
}

OutputFacts ReadOutputFacts(const std::vector<uint32_t>& spirv) {
    OutputFacts facts;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const uint32_t* w = &spirv[at];
        if (op == OpEntryPoint && count >= 3 && w[1] == kExecutionModelFragment &&
            facts.entryFunction == 0) {
            facts.entryFunction = w[2];
        } else if (op == OpDecorate && count == 4 && w[2] == kDecorationLocation) {
            facts.locations[w[1]] = w[3];
        } else if (op == OpVariable && count >= 4 && w[3] == kStorageOutput &&
                   facts.outputPointee.count(w[1]) != 0) {
            facts.outputs.emplace_back(w[2], facts.outputPointee[w[1]]);
        } else if (op == OpFunction && facts.firstFunction == 0) {
            facts.firstFunction = at;
        } else {
            ReadType(w, op, count, &facts);
        }
    });
    return facts;
}

std::vector<FloatOutput> SnormOutputs(const OutputFacts& facts, uint32_t snormLocations) {
    std::vector<FloatOutput> found;
    for (const auto& [variable, pointee] : facts.outputs) {
        auto location = facts.locations.find(variable);
        if (location == facts.locations.end() || location->second >= 32 ||
            (snormLocations >> location->second & 1) == 0) {
            continue;
        }
        auto vector = facts.floatVectors.find(pointee);
        if (pointee == facts.floatType && pointee != 0) {
            found.push_back({variable, pointee, 1});
        } else if (vector != facts.floatVectors.end()) {
            found.push_back({variable, pointee, vector->second});
        }
    }
    return found;
}

// The bool type of `components` components, declared in `declarations`
// where the module lacks it.
uint32_t BoolTypeOf(uint32_t components, OutputFacts* facts, uint32_t* bound,
                    std::vector<uint32_t>* declarations) {
    if (facts->boolType == 0) {
        facts->boolType = (*bound)++;
        Append(declarations, OpTypeBool, {facts->boolType});
    }
    if (components == 1) {
        return facts->boolType;
    }
    uint32_t& vector = facts->boolVectors[components];
    if (vector == 0) {
        vector = (*bound)++;
        Append(declarations, OpTypeVector, {vector, facts->boolType, components});
    }
    return vector;
}

// `scalar` as a constant of `output`'s type, declared in `declarations`
// where that type is a vector.
uint32_t Splat(uint32_t scalar, const FloatOutput& output, uint32_t* bound,
               std::vector<uint32_t>* declarations) {
    if (output.components == 1) {
        return scalar;
    }
    const uint32_t vector = (*bound)++;
    declarations->push_back((3 + output.components) << 16 | OpConstantComposite);
    declarations->insert(declarations->end(), {output.type, vector});
    declarations->insert(declarations->end(), output.components, scalar);
    return vector;
}

// Loads `output`, takes NaN components as 0, clamps to [-1, 1] and stores it.
void AppendSaturate(const FloatOutput& output, uint32_t* bound, std::vector<uint32_t>* out) {
    const uint32_t value = (*bound)++, nan = (*bound)++, number = (*bound)++;
    const uint32_t below = (*bound)++, raised = (*bound)++, above = (*bound)++,
                   clamped = (*bound)++;
    Append(out, OpLoad, {output.type, value, output.variable});
    Append(out, OpIsNan, {output.boolType, nan, value});
    Append(out, OpSelect, {output.type, number, nan, output.zero, value});
    Append(out, OpFOrdLessThan, {output.boolType, below, number, output.minusOne});
    Append(out, OpSelect, {output.type, raised, below, output.minusOne, number});
    Append(out, OpFOrdLessThan, {output.boolType, above, output.one, raised});
    Append(out, OpSelect, {output.type, clamped, above, output.one, raised});
    Append(out, OpStore, {output.variable, clamped});
}

} // namespace

std::vector<uint32_t> WithSnormOutputsSaturated(const std::vector<uint32_t>& spirv,
                                                uint32_t snormLocations) {
    if (snormLocations == 0 || spirv.size() <= kHeaderWords) {
        return spirv;
    }
    OutputFacts facts = ReadOutputFacts(spirv);
    std::vector<FloatOutput> outputs = SnormOutputs(facts, snormLocations);
    if (outputs.empty() || facts.entryFunction == 0 || facts.firstFunction == 0 ||
        facts.floatType == 0) {
        return spirv;
    }
    uint32_t bound = spirv[3];
    std::vector<uint32_t> declarations;
    const uint32_t minusOne = bound++, one = bound++;
    Append(&declarations, OpConstant, {facts.floatType, minusOne, kFloatMinusOne});
    Append(&declarations, OpConstant, {facts.floatType, one, kFloatOne});
    for (FloatOutput& output : outputs) {
        output.boolType = BoolTypeOf(output.components, &facts, &bound, &declarations);
        output.zero = bound++;
        Append(&declarations, OpConstantNull, {output.type, output.zero});
        output.minusOne = Splat(minusOne, output, &bound, &declarations);
        output.one = Splat(one, output, &bound, &declarations);
    }
    std::vector<uint32_t> out(spirv.begin(), spirv.begin() + kHeaderWords);
    bool inEntry = false;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const uint32_t* w = &spirv[at];
        inEntry = op == OpFunction ? w[2] == facts.entryFunction : inEntry;
        if (at == facts.firstFunction) {
            out.insert(out.end(), declarations.begin(), declarations.end());
        }
        for (const FloatOutput& output : outputs) {
            if (inEntry && op == OpReturn) {
                AppendSaturate(output, &bound, &out);
            }
        }
        out.insert(out.end(), w, w + count);
        inEntry = inEntry && op != OpFunctionEnd;
    });
    out[3] = bound;
    return out;
}

} // namespace d3d12_standin
