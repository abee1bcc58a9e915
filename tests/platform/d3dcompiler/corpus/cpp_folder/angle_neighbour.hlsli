// Lies beside angle_outer.hlsli only.
float AngleNeighbourValue()
{
    return 5.0;
}
