// Windows: SV_DispatchThreadID takes an integer type; declared as a float3 it is refused.
// verdict: compile-error CSMain -
// error text: invalid type used for 'SV_DispatchThreadID' input semantics, must be integral
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid (uint3); fxc refuses other types, as DirectXShaderCompiler pull request 3043 records ("FXC reports error"); fxc's words as a Unity user's report quotes them for SV_VertexID ("invalid type used for 'SV_VertexID' input semantics, must be integral")
RWStructuredBuffer<float> results : register(u0);
[numthreads(4, 1, 1)]
void CSMain(float3 id : SV_DispatchThreadID)
{
    results[(uint)id.x] = id.x;
}
