// Values a compiled shader leaves to pipeline creation, as SPIR-V
// specialization constants: the HLSL compiler declares them under these ids,
// and the Direct3D 12 stand-in sets them from the pipeline description.
#pragma once

#include <cstdint>

namespace dxbc {

// GetRenderTargetSampleCount(): D3D12_GRAPHICS_PIPELINE_STATE_DESC::SampleDesc.Count.
constexpr uint32_t kSampleCountConstantId = 0;

} // namespace dxbc
