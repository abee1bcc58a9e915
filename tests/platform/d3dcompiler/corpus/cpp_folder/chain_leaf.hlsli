// Found beside chain_outer.hlsli, the file that includes the one naming it.
float ChainLeafValue()
{
    return 11.0;
}
