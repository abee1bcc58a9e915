// Included by value_cpp_include_from_includers_folder.hlsl: its neighbour
// folder's file includes chain_leaf.hlsli, which lies beside this file only.
#include "chain_deep/chain_middle.hlsli"
