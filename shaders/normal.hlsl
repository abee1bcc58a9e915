// The demo's shader: instanced cubes, each drawn in its instance's colour and
// shaded per face by a fixed directional light.
//
// Root parameter 0 is the descriptor table holding the constant buffer
// "uniform0"; textures, when a mesh has any, follow as parameters 1, 2, ...
#define NORMAL_ROOT_SIGNATURE                                                    \
    "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT),"                             \
    "DescriptorTable(CBV(b0))"

// One instance as the renderer copies it: 80 bytes, matrix stored row by row.
struct InstanceSlot
{
    row_major float4x4 world;
    float4 color;
};

// Matrices are stored row by row for row vectors (translation in the last
// row), hence row_major and mul(vector, matrix) throughout.
cbuffer uniform0 : register(b0)
{
    row_major float4x4 identity;   // 0
    row_major float4x4 view;       // 64
    row_major float4x4 projection; // 128
    row_major float4x4 unused192;  // 192
    float viewportWidth;           // 256
    float viewportHeight;          // 260
    float aspect;                  // 264
    int int0;                      // 268
    float frameClock;              // 272
    float3 unused276;              // 276
    float4 unused288[3];           // 288
    float4 viewParam;              // 336
    float4 unused352[2];           // 352
    InstanceSlot slot[128];        // 384
};

struct VertexInput
{
    float3 position : POSITION;
    float3 normal : NORMAL;
    float2 uv : UV;
    float4 color : COLOR;
    uint instanceId : SV_InstanceID;
};

struct PixelInput
{
    float4 position : SV_Position;
    float4 color : COLOR;
    float3 worldNormal : NORMAL;
    float2 uv : TEXCOORD0;
};

// Half-Lambert with a light whose direction has three different components,
// so all six faces of a cube get different brightness.
static const float3 kLightDirection = float3(0.32, 0.81, -0.49);
static const float kAmbient = 0.25;
// Texture coordinates run 0..1 across a face; faces darken towards their edges.
static const float kEdgeDarkening = 0.15;

[RootSignature(NORMAL_ROOT_SIGNATURE)]
PixelInput VSMain(VertexInput input)
{
    InstanceSlot instance = slot[input.instanceId];
    float4 worldPosition = mul(float4(input.position, 1.0), instance.world);

    PixelInput output;
    output.position = mul(mul(worldPosition, view), projection);
    // Mesh colours add to the instance colour (the demo's meshes have none).
    output.color = instance.color + input.color;
    output.worldNormal = mul(float4(input.normal, 0.0), instance.world).xyz;
    output.uv = input.uv;
    return output;
}

float4 PSMain(PixelInput input) : SV_Target
{
    float3 normal = normalize(input.worldNormal);
    float facing = 0.5 + 0.5 * dot(normal, normalize(kLightDirection));
    float brightness = kAmbient + (1.0 - kAmbient) * facing;
    float2 fromCentre = abs(input.uv - 0.5) * 2.0;
    brightness *= 1.0 - kEdgeDarkening * max(fromCentre.x, fromCentre.y);
    return float4(input.color.rgb * brightness, 1.0);
}
