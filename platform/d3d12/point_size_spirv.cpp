#include "point_size_spirv.h"

#include "spirv_append.h"

#include <spirv_words.h>

namespace d3d12_standin {
namespace {

using namespace dxbc::spirv;

constexpr uint32_t kBuiltInPointSize = 1;
constexpr uint32_t kExecutionModelVertex = 0;

// What the rewrite needs to find in the module; zero where absent.
struct PointSizeFacts {
    bool written = false;
    size_t entryPoint = 0, annotationsEnd = 0, firstFunction = 0;
    uint32_t entryFunction = 0, floatType = 0, outputPointer = 0, one = 0;
};

PointSizeFacts ReadPointSizeFacts(const std::vector<uint32_t>& spirv) {
    PointSizeFacts facts;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const uint32_t* w = &spirv[at];
        if (op == OpEntryPoint && count >= 3 && w[1] == kExecutionModelVertex &&
            facts.entryPoint == 0) {
            facts.entryPoint = at;
            facts.entryFunction = w[2];
        } else if (op >= OpDecorate && op <= OpDecorate + 4) {
            facts.annotationsEnd = at + count;
            facts.written =
                facts.written || (op == OpDecorate && count == 4 && w[2] == kDecorationBuiltIn &&
                                  w[3] == kBuiltInPointSize);
        } else if (op == OpTypeFloat && count == 3 && w[2] == 32) {
            facts.floatType = w[1];
        } else if (op == OpTypePointer && count == 4 && w[2] == kStorageOutput &&
                   w[3] == facts.floatType && facts.floatType != 0) {
            facts.outputPointer = w[1];
        } else if (op == OpConstant && count == 4 && w[1] == facts.floatType && w[3] == kFloatOne &&
                   facts.floatType != 0) {
            facts.one = w[2];
        } else if (op == OpFunction && facts.firstFunction == 0) {
            facts.firstFunction = at;
        }
    });
    return facts;
}

// The float type, its output pointer, the constant 1 and the variable,
// those the module lacks declared in `declarations`.
uint32_t DeclarePointSize(PointSizeFacts* facts, uint32_t* bound,
                          std::vector<uint32_t>* declarations) {
    if (facts->floatType == 0) {
        facts->floatType = (*bound)++;
        Append(declarations, OpTypeFloat, {facts->floatType, 32});
    }
    if (facts->outputPointer == 0) {
        facts->outputPointer = (*bound)++;
        Append(declarations, OpTypePointer,
               {facts->outputPointer, kStorageOutput, facts->floatType});
    }
    if (facts->one == 0) {
        facts->one = (*bound)++;
        Append(declarations, OpConstant, {facts->floatType, facts->one, kFloatOne});
    }
    const uint32_t variable = (*bound)++;
    Append(declarations, OpVariable, {facts->outputPointer, variable, kStorageOutput});
    return variable;
}

} // namespace

std::vector<uint32_t> WithPointSizeOne(const std::vector<uint32_t>& spirv) {
    if (spirv.size() <= kHeaderWords) {
        return spirv;
    }
    PointSizeFacts facts = ReadPointSizeFacts(spirv);
    if (facts.written || facts.entryPoint == 0 || facts.annotationsEnd == 0 ||
        facts.firstFunction == 0) {
        return spirv;
    }
    uint32_t bound = spirv[3];
    std::vector<uint32_t> declarations;
    const uint32_t variable = DeclarePointSize(&facts, &bound, &declarations);
    std::vector<uint32_t> out(spirv.begin(), spirv.begin() + kHeaderWords);
    bool inEntry = false;
    ForEachInstruction(spirv, [&](size_t at, uint32_t op, uint32_t count) {
        const uint32_t* w = &spirv[at];
        inEntry = op == OpFunction ? w[2] == facts.entryFunction : inEntry;
        if (at == facts.firstFunction) {
            out.insert(out.end(), declarations.begin(), declarations.end());
        }
        if (inEntry && op == OpReturn) {
            Append(&out, OpStore, {variable, facts.one});
        }
        if (at == facts.entryPoint) {
            out.push_back((count + 1) << 16 | OpEntryPoint);
            out.insert(out.end(), w + 1, w + count);
            out.push_back(variable);
        } else {
            out.insert(out.end(), w, w + count);
        }
        if (at + count == facts.annotationsEnd) {
            Append(&out, OpDecorate, {variable, kDecorationBuiltIn, kBuiltInPointSize});
        }
        inEntry = inEntry && op != OpFunctionEnd;
    });
    out[3] = bound;
    return out;
}

} // namespace d3d12_standin
