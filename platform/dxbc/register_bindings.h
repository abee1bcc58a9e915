// Where each HLSL register class lands among the binding numbers of the
// compiled SPIR-V: the compiler numbers b, t, s and u registers from these
// bases, the root signature maps them back, and the source checks refuse
// register numbers that would spill into the next class.
#pragma once

#include <cstdint>

namespace dxbc {

constexpr uint32_t kRegistersPerClass = 256;

// In binding order: binding / kRegistersPerClass is the class. The hidden
// counter of the structured buffer at uN is at UnorderedAccessCounter's N.
enum class RegisterClass : uint32_t {
    ConstantBuffer,
    ShaderResource,
    Sampler,
    UnorderedAccess,
    UnorderedAccessCounter,
};

constexpr uint32_t BindingBase(RegisterClass registerClass) {
    return uint32_t(registerClass) * kRegistersPerClass;
}

} // namespace dxbc
