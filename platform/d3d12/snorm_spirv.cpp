#include "snorm_spirv.h"

#include "spirv_append.h"

#include <spirv_words.h>

#include <map>

namespace d3d12_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kFloatMinusOne = 0xBF800000;
constexpr uint32_t kExecutionModelVertex = 0;
constexpr uint32_t kExecutionModelFragment = 4;

// A variable to rewrite: its float or float-vector type, that type's
// component count, the bool type of as many components and the constants
// it is compared with and replaced by.
struct FloatVariable {
    uint32_t variable = 0, type = 0, components = 0, boolType = 0, zero = 0;
    uint32_t minusOne = 0, one = 0; // of its type
};

// What the rewrites need to find in the module; zero where absent.
struct ModuleFacts {
    size_t firstFunction = 0;
    uint32_t entryFunction = 0, floatType = 0, boolType = 0;
    std::map<uint32_t, uint32_t> locations;               // variable -> location
    std::map<uint32_t, uint32_t> pointees;                // pointer type of the class -> pointee
    std::map<uint32_t, uint32_t> floatVectors;            // float vector type -> components
    std::map<uint32_t, uint32_t> boolVectors;             // components -> bool vector type
    std::vector<std::pair<uint32_t, uint32_t>> variables; // variable of the class, pointee
};

void ReadType(const uint32_t* w, uint32_t op, uint32_t count, uint32_t storage,
              ModuleFacts* facts) {
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
    } else if (op == OpTypePointer && count == 4 && w[2] == storage) {
        facts->pointees[w[1]] = w[3];
    }
}

// The facts of the entry point of `model` and the variables of `storage`.
ModuleFacts ReadModuleFacts(const std::vector<uint32_t>& spirv, uint32_t model, uint32_t storage) {
    ModuleFacts facts;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const uint32_t* w = &spirv[at];
        if (op == OpEntryPoint && count >= 3 && w[1] == model && facts.entryFunction == 0) {
            facts.entryFunction = w[2];
        } else if (op == OpDecorate && count == 4 && w[2] == kDecorationLocation) {
            facts.locations[w[1]] = w[3];
        } else if (op == OpVariable && count >= 4 && w[3] == storage &&
                   facts.pointees.count(w[1]) != 0) {
            facts.variables.emplace_back(w[2], facts.pointees[w[1]]);
        } else if (op == OpFunction && facts.firstFunction == 0) {
            facts.firstFunction = at;
        } else {
            ReadType(w, op, count, storage, &facts);
        }
    });
    return facts;
}

std::vector<FloatVariable> FloatsAt(const ModuleFacts& facts, uint32_t locations) {
    std::vector<FloatVariable> found;
    for (const auto& [variable, pointee] : facts.variables) {
        auto location = facts.locations.find(variable);
        if (location == facts.locations.end() || location->second >= 32 ||
            (locations >> location->second & 1) == 0) {
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
uint32_t BoolTypeOf(uint32_t components, ModuleFacts* facts, uint32_t* bound,
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

// `scalar` as a constant of `variable`'s type, declared in `declarations`
// where that type is a vector.
uint32_t Splat(uint32_t scalar, const FloatVariable& variable, uint32_t* bound,
               std::vector<uint32_t>* declarations) {
    if (variable.components == 1) {
        return scalar;
    }
    const uint32_t vector = (*bound)++;
    declarations->push_back((3 + variable.components) << 16 | OpConstantComposite);
    declarations->insert(declarations->end(), {variable.type, vector});
    declarations->insert(declarations->end(), variable.components, scalar);
    return vector;
}

// The types and constants each of `variables` is rewritten with.
std::vector<uint32_t> DeclareConstants(ModuleFacts* facts, uint32_t* bound,
                                       std::vector<FloatVariable>* variables) {
    std::vector<uint32_t> declarations;
    const uint32_t minusOne = (*bound)++, one = (*bound)++;
    Append(&declarations, OpConstant, {facts->floatType, minusOne, kFloatMinusOne});
    Append(&declarations, OpConstant, {facts->floatType, one, kFloatOne});
    for (FloatVariable& variable : *variables) {
        variable.boolType = BoolTypeOf(variable.components, facts, bound, &declarations);
        variable.zero = (*bound)++;
        Append(&declarations, OpConstantNull, {variable.type, variable.zero});
        variable.minusOne = Splat(minusOne, variable, bound, &declarations);
        variable.one = Splat(one, variable, bound, &declarations);
    }
    return declarations;
}

// Loads `output`, takes NaN components as 0, clamps to [-1, 1] and stores it.
void AppendSaturate(const FloatVariable& output, uint32_t* bound, std::vector<uint32_t>* out) {
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

// `load` (an OpLoad of `input`) as a load into a fresh id, raised to -1 at
// least into the load's own result.
void AppendRaisedLoad(const uint32_t* load, const FloatVariable& input, uint32_t* bound,
                      std::vector<uint32_t>* out) {
    const uint32_t value = (*bound)++, below = (*bound)++;
    Append(out, OpLoad, {load[1], value, input.variable});
    Append(out, OpFOrdLessThan, {input.boolType, below, value, input.minusOne});
    Append(out, OpSelect, {input.type, load[2], below, input.minusOne, value});
}

// What a rewrite adds: the variables it rewrites, the declarations it puts
// before the first function, and the module's id bound as it grows.
struct Rewrite {
    ModuleFacts facts;
    std::vector<FloatVariable> variables;
    std::vector<uint32_t> declarations;
    uint32_t bound = 0;
};

// False where the module has no float variable of `storage` at `locations`
// in an entry point of `model`, or cannot be read.
bool PrepareRewrite(const std::vector<uint32_t>& spirv, uint32_t locations, uint32_t model,
                    uint32_t storage, Rewrite* rewrite) {
    if (locations == 0 || spirv.size() <= kHeaderWords) {
        return false;
    }
    rewrite->facts = ReadModuleFacts(spirv, model, storage);
    rewrite->variables = FloatsAt(rewrite->facts, locations);
    if (rewrite->variables.empty() || rewrite->facts.entryFunction == 0 ||
        rewrite->facts.firstFunction == 0) {
        return false;
    }
    rewrite->bound = spirv[3];
    rewrite->declarations = DeclareConstants(&rewrite->facts, &rewrite->bound, &rewrite->variables);
    return true;
}

// The module with `rewrite`'s declarations before its first function, each
// instruction passed to `change(at, op, out)`, which returns whether it
// wrote the instruction itself.
template <typename Change>
std::vector<uint32_t> Rewritten(const std::vector<uint32_t>& spirv, Rewrite& rewrite,
                                Change&& change) {
    std::vector<uint32_t> out(spirv.begin(), spirv.begin() + kHeaderWords);
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        if (at == rewrite.facts.firstFunction) {
            out.insert(out.end(), rewrite.declarations.begin(), rewrite.declarations.end());
        }
        if (!change(at, op, &out)) {
            out.insert(out.end(), &spirv[at], &spirv[at] + count);
        }
    });
    out[3] = rewrite.bound;
    return out;
}

} // namespace

std::vector<uint32_t> WithSnormOutputsSaturated(const std::vector<uint32_t>& spirv,
                                                uint32_t snormLocations) {
    Rewrite rewrite;
    if (!PrepareRewrite(spirv, snormLocations, kExecutionModelFragment, kStorageOutput, &rewrite)) {
        return spirv;
    }
    bool inEntry = false;
    return Rewritten(spirv, rewrite, [&](size_t at, uint32_t op, std::vector<uint32_t>* out) {
        inEntry = op == OpFunction ? spirv[at + 2] == rewrite.facts.entryFunction
                                   : inEntry && op != OpFunctionEnd;
        for (const FloatVariable& output : rewrite.variables) {
            if (inEntry && op == OpReturn) {
                AppendSaturate(output, &rewrite.bound, out);
            }
        }
        return false;
    });
}

std::vector<uint32_t> WithSnormInputsClamped(const std::vector<uint32_t>& spirv,
                                             uint32_t snormLocations) {
    Rewrite rewrite;
    if (!PrepareRewrite(spirv, snormLocations, kExecutionModelVertex, kStorageInput, &rewrite)) {
        return spirv;
    }
    return Rewritten(spirv, rewrite, [&](size_t at, uint32_t op, std::vector<uint32_t>* out) {
        const uint32_t* w = &spirv[at];
        for (const FloatVariable& input : rewrite.variables) {
            if (op == OpLoad && (w[0] >> 16) == 4 && w[3] == input.variable) {
                AppendRaisedLoad(w, input, &rewrite.bound, out);
                return true;
            }
        }
        return false;
    });
}

} // namespace d3d12_standin
