// Queries at execution. Every query command runs between render pass
// instances, so that a query begun before a draw's pass ends after it, and
// Vulkan's reset of a query before each use stays out of the caller's sight.
#include "command_translator.h"

#include "binary_occlusion.h"

namespace d3d12_standin {

void CommandTranslator::operator()(const CmdQuery& command) {
    EndRendering();
    FlushClears(); // a timestamp follows the clears recorded before it
    KeepUntilFinished(command.pool);
    GpuQueryPool& pool = *command.pool;
    if (!command.begin && command.type != D3D12_QUERY_TYPE_TIMESTAMP) {
        vkCmdEndQuery(commands_, pool.pool, command.index);
        pool.hasResult[command.index] = true;
        return;
    }
    vkCmdResetQueryPool(commands_, pool.pool, command.index, 1);
    if (command.type == D3D12_QUERY_TYPE_TIMESTAMP) {
        vkCmdWriteTimestamp2(commands_, VK_PIPELINE_STAGE_2_ALL_COMMANDS_BIT, pool.pool,
                             command.index);
        pool.hasResult[command.index] = true;
        return;
    }
    pool.hasResult[command.index] = false;
    bool precise =
        command.type == D3D12_QUERY_TYPE_OCCLUSION && core_.context->features.occlusionQueryPrecise;
    vkCmdBeginQuery(commands_, pool.pool, command.index,
                    precise ? VK_QUERY_CONTROL_PRECISE_BIT : 0);
}

// Runs of queries that have results are copied, waiting for them; a query
// never ended has none and leaves its eight bytes as they were (Windows
// leaves them undefined, and the validation layer reports it), so a resolve
// never waits for a result that cannot come.
void CommandTranslator::operator()(const CmdResolveQueries& command) {
    BeginCopy(command.destination, command.pool);
    BeforeBufferCopy(nullptr, command.destination.get());
    RecordBarriers();
    const GpuQueryPool& pool = *command.pool;
    uint32_t end = command.first + command.count;
    for (uint32_t run = command.first; run < end;) {
        uint32_t last = run;
        while (last < end && pool.hasResult[last]) {
            ++last;
        }
        if (last > run) {
            VkDeviceSize offset = command.offset + uint64_t(run - command.first) * sizeof(UINT64);
            vkCmdCopyQueryPoolResults(commands_, pool.pool, run, last - run,
                                      command.destination->buffer, offset, sizeof(UINT64),
                                      VK_QUERY_RESULT_64_BIT | VK_QUERY_RESULT_WAIT_BIT);
            if (command.type == D3D12_QUERY_TYPE_BINARY_OCCLUSION) {
                BinaryResults(*command.destination, offset, last - run);
            }
        }
        run = last + 1;
    }
}

void CommandTranslator::BinaryResults(const GpuBuffer& buffer, uint64_t offset, uint32_t count) {
    if (core_.binaryOcclusion == nullptr) {
        core_.binaryOcclusion = std::make_unique<BinaryOcclusionPass>(core_.context);
    }
    core_.binaryOcclusion->Record(commands_, *core_.descriptorSets, buffer, offset, count);
}

} // namespace d3d12_standin
