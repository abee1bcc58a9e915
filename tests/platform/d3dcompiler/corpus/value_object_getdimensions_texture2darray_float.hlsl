// Windows: a Texture2DArray's float GetDimensions overload gives width, height and slice count as floats; an RWTexture2DArray's gives its size and slices.
// verdict: accepted CSMain
// group: resources
// texture t0: 2darray r32_float 4x2 slices 3
// uav u0: 2darray r32_float 2x2 slices 5
// uav u1: structured 4 4
// expect u1: 4.0 3.0 2.0 5.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (Texture2DArray "out float Width, out float Height, out float Elements"; RWTexture2DArray "out Width, out Height, out Elements")
Texture2DArray<float> layers : register(t0);
RWTexture2DArray<float> written : register(u0);
RWStructuredBuffer<float> results : register(u1);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    float width, height, elements;
    layers.GetDimensions(width, height, elements);
    uint w, h, e;
    written.GetDimensions(w, h, e);
    results[0] = width;
    results[1] = elements;
    results[2] = w;
    results[3] = e;
}
