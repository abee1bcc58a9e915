// Windows: a geometry shader's entry point needs [maxvertexcount].
// verdict: compile-error GSMain X3514
// error text: 'GSMain' must have a max vertex count
// group: stages
// source: fxc's "error X3514: 'float_maxvertexcount1' must have a max vertex count" for a geometry entry point whose count it could not read, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (the attribute is part of the entry point's form)
#include "geometry_vertex.hlsli"
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
}
