// Windows: a double assigned to a float compiles with warning X3205, and the float holds the rounded value.
// verdict: accepted
// probe: 0.5 0 0 1
// warning: X3205 conversion from larger type to smaller, possible loss of data
// group: values
// source: fxc's words as DirectXShaderCompiler's operators test annotations quote them ("fxc-warning {{X3205: conversion from larger type to smaller, possible loss of data}}") and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double d = (double)position.x;
    float f = d;
    return float4(f, 0, 0, 1);
}
