// Included by value_lit_in_include.hlsl: lit() called in an included file.
float4 Lighting(float n_dot_l, float n_dot_h)
{
    return lit(n_dot_l, n_dot_h, 2.0);
}
