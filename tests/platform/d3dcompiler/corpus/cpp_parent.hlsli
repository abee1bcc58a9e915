// Included by cpp_folder/cpp_climbs.hlsli through "..".
float CppParentBase()
{
    return 7.0;
}
