// Included by value_sample_count_in_include.hlsl: the intrinsic called only
// in an included file.
float TargetSamples()
{
    return GetRenderTargetSampleCount();
}
