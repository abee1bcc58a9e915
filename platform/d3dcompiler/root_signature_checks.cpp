#include "root_signature_checks.h"

#include <vector>

namespace d3dcompiler_standin {
namespace {

constexpr uint32_t kUnbounded = 0xFFFFFFFF;
constexpr uint32_t kAppend = 0xFFFFFFFF;

// Registers [first, last] of one class in one space, seen by `visibility`.
struct RegisterSpan {
    char letter; // b, t, u or s
    uint32_t space;
    uint64_t first;
    uint64_t last;
    D3D12_SHADER_VISIBILITY visibility;
    std::string owner; // for messages
};

char RangeLetter(D3D12_DESCRIPTOR_RANGE_TYPE type) {
    switch (type) {
    case D3D12_DESCRIPTOR_RANGE_TYPE_CBV:
        return 'b';
    case D3D12_DESCRIPTOR_RANGE_TYPE_SRV:
        return 't';
    case D3D12_DESCRIPTOR_RANGE_TYPE_UAV:
        return 'u';
    default:
        return 's';
    }
}

char DescriptorLetter(D3D12_ROOT_PARAMETER_TYPE type) {
    return type == D3D12_ROOT_PARAMETER_TYPE_SRV   ? 't'
           : type == D3D12_ROOT_PARAMETER_TYPE_UAV ? 'u'
                                                   : 'b';
}

std::string Describe(const RegisterSpan& span) {
    std::string text = span.letter + std::to_string(span.first);
    if (span.last >= kUnbounded) {
        text += " onwards";
    } else if (span.last != span.first) {
        text += '-';
        text += std::to_string(span.last);
    }
    return text + ", space" + std::to_string(span.space) + " (" + span.owner + ")";
}

bool Overlap(const RegisterSpan& a, const RegisterSpan& b) {
    bool seenTogether = a.visibility == b.visibility ||
                        a.visibility == D3D12_SHADER_VISIBILITY_ALL ||
                        b.visibility == D3D12_SHADER_VISIBILITY_ALL;
    return seenTogether && a.letter == b.letter && a.space == b.space && a.first <= b.last &&
           b.first <= a.last;
}

} // namespace

bool CheckRootSignature(const dxbc::RootSignatureDesc& desc, std::string* error) {
    std::vector<RegisterSpan> spans;
    for (size_t i = 0; i < desc.parameters.size(); ++i) {
        const dxbc::RootParameter& parameter = desc.parameters[i];
        const std::string owner = "parameter " + std::to_string(i);
        switch (parameter.type) {
        case D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE: {
            bool unboundedBefore = false;
            for (const D3D12_DESCRIPTOR_RANGE1& range : parameter.ranges) {
                if (unboundedBefore && range.OffsetInDescriptorsFromTableStart == kAppend) {
                    *error = owner +
                             ": a range with DESCRIPTOR_RANGE_OFFSET_APPEND follows an unbounded "
                             "range";
                    return false;
                }
                unboundedBefore |= range.NumDescriptors == kUnbounded;
                uint64_t count =
                    range.NumDescriptors == kUnbounded ? kUnbounded : range.NumDescriptors;
                spans.push_back({RangeLetter(range.RangeType), range.RegisterSpace,
                                 range.BaseShaderRegister, range.BaseShaderRegister + count - 1,
                                 parameter.visibility, owner});
            }
            break;
        }
        case D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS:
            spans.push_back({'b', parameter.constants.RegisterSpace,
                             parameter.constants.ShaderRegister, parameter.constants.ShaderRegister,
                             parameter.visibility, owner});
            break;
        default:
            spans.push_back({DescriptorLetter(parameter.type), parameter.descriptor.RegisterSpace,
                             parameter.descriptor.ShaderRegister,
                             parameter.descriptor.ShaderRegister, parameter.visibility, owner});
            break;
        }
    }
    for (size_t i = 0; i < desc.staticSamplers.size(); ++i) {
        const D3D12_STATIC_SAMPLER_DESC& sampler = desc.staticSamplers[i];
        spans.push_back({'s', sampler.RegisterSpace, sampler.ShaderRegister, sampler.ShaderRegister,
                         sampler.ShaderVisibility, "static sampler " + std::to_string(i)});
    }
    for (size_t a = 0; a < spans.size(); ++a) {
        for (size_t b = a + 1; b < spans.size(); ++b) {
            if (Overlap(spans[a], spans[b])) {
                *error = "registers overlap: " + Describe(spans[a]) + " and " + Describe(spans[b]);
                return false;
            }
        }
    }
    return true;
}

} // namespace d3dcompiler_standin
