// Windows: a constant buffer of 4097 vectors.
// verdict: compile-error VSMain -
// error text: a constant buffer holds at most 4096 vectors
// source: learn.microsoft.com/windows/win32/api/d3d11/nf-d3d11-id3d11devicecontext-pssetconstantbuffers (14 slots, D3D11_COMMONSHADER_CONSTANT_BUFFER_API_SLOT_COUNT; 4096 constants per buffer)
cbuffer uniform0 : register(b0)
{
    row_major float4x4 viewProjection;
    float4 tint;
    float4 table[4092];
};
#include "table_stages.hlsli"
