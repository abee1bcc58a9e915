// Windows: an InputPatch is a hull or domain shader's input; a pixel shader cannot take one.
// verdict: compile-error PSMain -
// error text: InputPatch
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-inputpatch ("InputPatch: represents an array of control points that are available to the hull shader as inputs"); fxc's number and words were not found
struct ControlPoint
{
    float4 pos : SV_Position;
};
float4 PSMain(InputPatch<ControlPoint, 3> patch) : SV_Target
{
    return patch[0].pos;
}
