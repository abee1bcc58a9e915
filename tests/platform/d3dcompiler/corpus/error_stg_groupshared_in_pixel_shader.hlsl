// Windows: groupshared memory belongs to compute shaders; a pixel shader that reads and writes a groupshared variable is refused.
// verdict: compile-error PSMain -
// error text: groupshared variables are only supported in compute shaders
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: "Mark a variable for thread-group-shared memory for compute shaders") and dcl-tgsm-raw--sm5---asm- (thread group shared memory declared in compute shaders only); fxc's words for it were not found
groupshared float shared_value;
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    return float4(0, 0, 0, 1);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    shared_value = position.x;
    return float4(shared_value, 0, 0, 1);
}
