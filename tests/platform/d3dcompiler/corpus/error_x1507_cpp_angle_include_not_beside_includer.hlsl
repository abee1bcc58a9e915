// Windows: a name in angle brackets is not looked for beside the file that
// holds the #include, only where the main file lies and in the current
// directory, so a neighbour of an included file is not found.
// verdict: compile-error PSMain X1507
// error text: failed to open source file: 'angle_neighbour.hlsli'
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include ("#include <filename>" searches the /I paths and the INCLUDE variable's, not the including file's folder) and learn.microsoft.com/windows/win32/api/d3dcompiler/nf-d3dcompiler-d3dcompile (the standard handler "includes files that are relative to the current directory and files that are relative to the directory of the initial source file")
#include "cpp_folder/angle_outer.hlsli"
float Shade(float y)
{
    return y * AngleNeighbourValue();
}
#include "shade_stages.hlsli"
