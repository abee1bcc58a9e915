// Included by ../chain_outer.hlsli; chain_leaf.hlsli is not in this folder
// but in the folder of the file that includes this one.
#include "chain_leaf.hlsli"
