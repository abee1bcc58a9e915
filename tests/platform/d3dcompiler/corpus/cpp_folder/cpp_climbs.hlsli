// Climbs to the corpus folder for cpp_parent.hlsli.
#include "../cpp_parent.hlsli"
float CppParentValue()
{
    return CppParentBase() + 2.0;
}
