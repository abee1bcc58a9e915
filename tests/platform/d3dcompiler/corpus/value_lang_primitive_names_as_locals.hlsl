// Windows: the geometry shader's primitive types (point, line, triangle,
// lineadj, triangleadj) are modifiers only in front of a parameter's type, and
// elsewhere name variables and members.
// verdict: accepted
// probe: 1 2 3 9
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (the primitive types qualify a geometry shader's input parameter); DirectXShaderCompiler pull request 1406 (fxc takes modifier keywords as names where no modifier is expected); reasoning
#include "probe_stages.hlsli"
struct Edge
{
    float line;
    float lineadj;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float point = position.x * 2.0;
    float triangle = 3.0;
    Edge edge;
    edge.line = 2.0;
    edge.lineadj = 4.0;
    float triangleadj = point + edge.lineadj + 4.0;
    return float4(point, edge.line, triangle, triangleadj);
}
