// Windows: groupshared memory belongs to compute shaders; a vertex shader that writes a groupshared variable is refused.
// verdict: compile-error VSMain -
// error text: groupshared variables are only supported in compute shaders
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: "Mark a variable for thread-group-shared memory for compute shaders") and dcl-tgsm-raw--sm5---asm- (compute shaders only); fxc's words for it were not found
groupshared float shared_value;
float4 VSMain(float4 position : POSITION) : SV_Position
{
    shared_value = position.x;
    return position * shared_value;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
