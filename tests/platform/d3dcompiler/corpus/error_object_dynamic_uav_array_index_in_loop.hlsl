// Windows: a loop marked [loop] is not unrolled, so its counter indexing an array of UAVs is no literal: X3512 at shader model 5.0.
// verdict: compile-error CSMain X3512
// group: resources
// error text: sampler array index must be a literal expression
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592; DirectXShaderCompiler issue 4710 (fxc compiles a resource array indexed by a loop's counter when the loop is unrolled); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for ("loop: Generate code that uses flow control")
RWBuffer<uint> outputs[2] : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    [loop]
    for (uint i = 0; i < 2; ++i)
    {
        outputs[i][0] = i;
    }
}
