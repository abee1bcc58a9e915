#include "constant_buffer_size.h"
#include "spirv_words.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using namespace dxbc::spirv;

struct Module {
    std::map<uint32_t, std::vector<uint32_t>> types; // id -> instruction words
    std::map<uint32_t, uint64_t> constants;
    std::map<uint32_t, uint64_t> arrayStrides;
    std::map<std::pair<uint32_t, uint32_t>, uint64_t> offsets, matrixStrides;
    std::map<uint32_t, std::string> names;
    std::vector<uint32_t> uniformPointers; // pointer types of Uniform variables
};

void Record(Module& m, const std::vector<uint32_t>& w) {
    switch (w[0] & 0xFFFF) {
    case OpName:
        m.names[w[1]] = ReadLiteralString(w, 2, w.size());
        break;
    case OpConstant:
        m.constants[w[2]] = w.size() > 3 ? w[3] : 0;
        break;
    case OpDecorate:
        if (w.size() > 3 && w[2] == kDecorationArrayStride) {
            m.arrayStrides[w[1]] = w[3];
        }
        break;
    case OpMemberDecorate:
        if (w.size() > 4 && w[3] == kDecorationOffset) {
            m.offsets[{w[1], w[2]}] = w[4];
        } else if (w.size() > 4 && w[3] == kDecorationMatrixStride) {
            m.matrixStrides[{w[1], w[2]}] = w[4];
        }
        break;
    case OpVariable:
        if (w.size() > 3 && w[3] == kStorageUniform) {
            m.uniformPointers.push_back(w[1]);
        }
        break;
    default:
        if ((w[0] & 0xFFFF) >= OpTypeInt && (w[0] & 0xFFFF) <= OpTypePointer) {
            m.types[w[1]] = w;
        }
        break;
    }
}

// Bytes a value of `type` covers; `matrixStride` applies to a matrix member.
uint64_t SizeOf(const Module& m, uint32_t type, uint64_t matrixStride, int depth = 0) {
    auto found = m.types.find(type);
    if (found == m.types.end() || depth > 64) {
        return 0;
    }
    const std::vector<uint32_t>& w = found->second;
    switch (w[0] & 0xFFFF) {
    case OpTypeInt:
    case OpTypeFloat:
        return w[2] / 8;
    case OpTypeVector:
        return SizeOf(m, w[2], 0, depth + 1) * w[3];
    case OpTypeMatrix:
        return matrixStride * w[3];
    case OpTypeArray: {
        auto stride = m.arrayStrides.find(w[1]);
        auto length = m.constants.find(w[3]);
        return stride != m.arrayStrides.end() && length != m.constants.end()
                   ? stride->second * length->second
                   : 0;
    }
    case OpTypeStruct: {
        uint64_t size = 0;
        for (uint32_t member = 0; member + 2 < w.size(); ++member) {
            auto offset = m.offsets.find({w[1], member});
            auto stride = m.matrixStrides.find({w[1], member});
            uint64_t memberSize = SizeOf(
                m, w[member + 2], stride != m.matrixStrides.end() ? stride->second : 0, depth + 1);
            size = std::max(size, (offset != m.offsets.end() ? offset->second : 0) + memberSize);
        }
        return size;
    }
    default:
        return 0;
    }
}

} // namespace

bool CheckConstantBufferSizes(const std::vector<uint32_t>& spirv, std::string* errors) {
    Module m;
    // A malformed tail is left to the validator; what comes before it counts.
    ForEachInstruction(spirv, [&](size_t at, uint32_t, uint32_t count) {
        Record(m, std::vector<uint32_t>(spirv.begin() + at, spirv.begin() + at + count));
    });
    bool ok = true;
    for (uint32_t pointer : m.uniformPointers) {
        auto type = m.types.find(pointer);
        if (type == m.types.end() || type->second.size() < 4) {
            continue;
        }
        const uint32_t block = type->second[3];
        const uint64_t size = SizeOf(m, block, 0);
        if (size > kMaxConstantBufferBytes) {
            std::string name = m.names.count(block) ? m.names[block] : "?";
            *errors += "error: cbuffer '" + name + "' needs " + std::to_string(size) +
                       " bytes; a constant buffer holds at most 4096 vectors (65536 bytes)\n";
            ok = false;
        }
    }
    return ok;
}

} // namespace d3dcompiler_standin
