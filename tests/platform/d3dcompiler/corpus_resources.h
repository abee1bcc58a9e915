// The resources a corpus case declares in its header, read from lines such as
//   // texture t0: 2d r32g32b32a32_float 2x2 mips 2 : 1 2 3 4 ...
//   // buffer t1: structured 8 2 : 1 2.5 3 4.5
//   // uav u0: raw 16 : 0 0 0 0
//   // sampler s0: linear wrap
//   // expect u0: 1 2 3 4
// and the root signature text that binds them (see shader_corpus_test.cpp's
// header for the whole form).
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corpus_resources {

enum class Shape {
    Texture1D,
    Texture2D,
    Texture2DArray,
    Texture3D,
    TextureCube,
    Texture1DArray,
    TextureCubeArray, // slices: six a cube
    Texture2DMS,      // every texel's samples hold the first texel's value
    Texture2DMSArray, // every slice's likewise
    TypedBuffer,
    StructuredBuffer,
    RawBuffer
};

// One shader resource (t) or unordered access (u) view and what it starts with.
struct View {
    char registerKind = 't'; // 't' or 'u'
    unsigned slot = 0;
    Shape shape = Shape::Texture2D;
    DXGI_FORMAT format = DXGI_FORMAT_UNKNOWN; // textures and typed buffers
    unsigned width = 1, height = 1, depth = 1, mips = 1, slices = 1, samples = 1;
    unsigned stride = 0;            // a structured buffer's element size
    unsigned elements = 0;          // a buffer's element count (raw: 32-bit words)
    int counter = -1;               // a structured UAV's hidden counter; -1 when none
    bool depthStencil = false;      // an R32_FLOAT view of an R32_TYPELESS depth-stencil texture
    std::vector<uint32_t> contents; // 32-bit words, subresource after subresource

    bool IsBuffer() const { return shape >= Shape::TypedBuffer; }
    bool IsMultisampled() const {
        return shape == Shape::Texture2DMS || shape == Shape::Texture2DMSArray;
    }
};

// What a UAV (or its counter) must hold after the draw or dispatch.
struct Expectation {
    unsigned slot = 0;
    bool counter = false;
    std::vector<std::string> words; // floats where the view's format is or a word looks
                                    // it ("1.5"), else 32 bits ("7")
};

// A sampler in the samplers' descriptor heap, in its own table after the views'.
struct HeapSampler {
    unsigned slot = 0;
    D3D12_SAMPLER_DESC desc{};
};

struct Declarations {
    std::vector<View> views;
    std::vector<std::string> samplers; // StaticSampler(...) texts
    std::vector<HeapSampler> heapSamplers;
    std::vector<Expectation> expectations;
    std::string problem; // the first malformed line, if any

    bool Empty() const { return views.empty() && samplers.empty() && heapSamplers.empty(); }
    // "DescriptorTable(CBV(b0), SRV(t0), UAV(u1)), DescriptorTable(Sampler(s1)),
    // StaticSampler(s0, ...)": the table's descriptors in the order of `views`,
    // after the constants, then the heap samplers' table, if any.
    std::string RootSignature() const;
    // Reads one header line whose first word is `key`; false when the key is
    // none of texture, buffer, uav, sampler or expect.
    bool Read(const std::string& key, const std::string& rest);
};

// Bytes per texel of the formats a case may name; 0 for others.
unsigned TexelBytes(DXGI_FORMAT format);
// A word's 32 bits: floats where it has a point, an exponent, "inf" or "nan".
bool ParseWord(const std::string& word, bool asFloat, uint32_t* bits);
bool IsFloatWord(const std::string& word);
// Whether the texels of `format` are floats.
bool IsFloatFormat(DXGI_FORMAT format);

} // namespace corpus_resources
