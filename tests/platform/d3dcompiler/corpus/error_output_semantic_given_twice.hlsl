// Windows: two outputs of one stage with one semantic and index are refused
// (inputs may share one).
// verdict: compile-error VSMain -
// group: semantics
// error text: 'TEXCOORD0'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (a semantic and index name one element of the signature); vkd3d-shader's tests/hlsl semantics cases mark a repeated output semantic as failing with Windows' compiler; fxc's words were not found quoted, so the number is not checked and the words are our own
struct Output
{
    float4 position : SV_Position;
    float4 a : TEXCOORD0;
    float4 b : TEXCOORD0;
};
Output VSMain(float3 position : POSITION)
{
    Output output;
    output.position = float4(position, 1.0);
    output.a = 1.0;
    output.b = 0.5;
    return output;
}
float4 PSMain(float4 position : SV_Position, float4 a : TEXCOORD0) : SV_Target
{
    return a;
}
