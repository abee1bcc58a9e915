// Included by cpp_outer.hlsli from its own folder.
float CppInnerValue()
{
    return 7.0;
}
