// Fault injection and counters behind the test hooks (platform_testing/d3d12.h).
#pragma once

#include <cstdint>

namespace d3d12_standin {

enum class Refusal { Device, CommittedResource, DescriptorHeap, Map, RootSignature, PipelineState };

// True (and one fewer refusal pending) when a test asked to refuse this kind.
bool ConsumeRefusal(Refusal kind);

void CountExecutedCommandLists(uint64_t count);
void CountExecutedDraws(uint64_t count);
void CountBlockingFenceWait();
void CountTranslatedWork(uint64_t barriers, uint64_t renderPasses);
void CountReusedTranslation();

} // namespace d3d12_standin
