// Included from the corpus folder: its neighbour comes from this folder.
#include "cpp_inner.hlsli"
float CppSubfolderValue()
{
    return CppInnerValue();
}
