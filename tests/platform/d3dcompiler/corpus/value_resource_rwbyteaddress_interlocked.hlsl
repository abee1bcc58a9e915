// Windows: RWByteAddressBuffer's Interlocked methods return the value the word held before: add, max, compare-exchange and exchange.
// verdict: accepted
// probe: 5 7 9 0
// group: resources
// uav u1: raw 4 : 5 7 9 0
// expect u1: 8 10 1 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-interlockedadd ("original_value: The original input value"), -interlockedmax, -interlockedcompareexchange, -interlockedexchange
#include "resource_stages.hlsli"
RWByteAddressBuffer raw : register(u1);
float4 PSMain() : SV_Target
{
    uint added, maximum, compared, exchanged;
    raw.InterlockedAdd(0, 3, added);
    raw.InterlockedMax(4, 10, maximum);
    raw.InterlockedCompareExchange(8, 9, 1, compared);
    raw.InterlockedExchange(12, 4, exchanged);
    return float4(added, maximum, compared, exchanged);
}
