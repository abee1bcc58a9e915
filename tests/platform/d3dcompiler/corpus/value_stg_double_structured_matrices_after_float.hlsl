// Windows: double matrices after a float pack at byte 4 of a structured buffer's element ({float, row_major double2x2, double2x2}: 68 bytes), the row_major one row by row, the other (column-major by default) column by column; a component, a row or the whole matrix is read from and written to the same places.
// verdict: accepted CSMain
// group: resources
// buffer t0: structured 68 1 : 0x3F800000 0 0x3FF00000 0 0x40000000 0 0x40080000 0 0x40100000 0 0x3FF00000 0 0x40080000 0 0x40000000 0 0x40100000
// uav u0: structured 68 1 : 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
// uav u1: structured 4 5 : 0 0 0 0 0
// expect u0: 0x3F800000 0 0x3FF00000 0 0x40000000 0 0x40080000 0 0x40100000 0 0x3FF00000 0 0x40080000 0 0x40000000 0 0x40100000
// expect u1: 0x40080000 0x40100000 0x40000000 0x40080000 0x40100000
// source: fxc's store_structured of a structure's row_major int2x2 writes 11, 12, 21, 22 (github.com/microsoft/DirectXShaderCompiler/issues/1788, which records fxc's output), and matrices are column-major by default (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math, "Matrix Ordering"); doubles are 8 bytes (dx-graphics-hlsl-scalar), 4-byte aligned in fxc's structured buffers (github.com/microsoft/DirectXShaderCompiler/pull/721 records that only shader model 6.2 aligns them to 8). High words: 1.0 0x3FF00000, 2.0 0x40000000, 3.0 0x40080000, 4.0 0x40100000
struct Frame
{
    float weight;
    row_major double2x2 rows;
    double2x2 columns;
};
StructuredBuffer<Frame> frames : register(t0);
RWStructuredBuffer<Frame> written : register(u0);
RWStructuredBuffer<uint> words : register(u1);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    written[index].weight = 1;
    written[index].rows = double2x2(1, 2, 3, 4);
    written[index].columns = double2x2(1, 2, 0, 0);
    written[index].columns[1] = double2(3, 4);
    uint low, high;
    asuint(frames[index].columns._21, low, high);
    words[0] = high;
    asuint(frames[index].rows[1].y, low, high);
    words[1] = high;
    double2x2 copied = frames[index].columns;
    asuint(copied._12, low, high);
    words[2] = high;
    asuint(frames[index].columns[1].x, low, high);
    words[3] = high;
    double2 row = frames[index].columns[1];
    asuint(row.y, low, high);
    words[4] = high;
}
