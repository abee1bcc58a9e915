// Windows: a double given to an intrinsic that takes floats only (sqrt, sin,
// pow) is narrowed to a float with warning X3205; min and abs, which have
// double forms, take it without one.
// verdict: accepted
// probe: 2 0 4 1
// warning: X3205 conversion from larger type to smaller, possible loss of data
// group: values
// source: fxc's words as DirectXShaderCompiler's operators test annotations quote them ("fxc-warning {{X3205: conversion from larger type to smaller, possible loss of data}}"); the narrowing of a double passed to such functions with a warning as slang issue 1180 reports it; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sqrt, dx-graphics-hlsl-sin and dx-graphics-hlsl-pow (float arguments only)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double four = (double)(position.x * 8.0);
    float root = sqrt(four);
    float wave = sin(four - four);
    float power = pow(four, 1.0);
    return float4(root, wave, power, (float)min(four, 1.0L));
}
