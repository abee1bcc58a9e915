// The resource and sampler objects a source declares, read from its tokens:
// for the checks that judge how they are called and indexed.
#pragma once

#include "hlsl_tokens.h"

#include <map>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct DeclaredObject {
    std::string kind; // "Texture2D", "SamplerComparisonState", "sampler", ...
    bool array = false;
};

// Whether `text` names an object type of shader model 5 (textures, buffers,
// their RW forms, samplers and the sampler types of Direct3D 9's syntax).
bool IsObjectKind(const std::string& text);

// Whether any token names an object type: the test that spares a source
// without textures, buffers or samplers the checks about them.
bool DeclaresObjects(const std::vector<HlslToken>& tokens);

// Names declared "Kind name", "Kind<element> name" or "Kind name[N]", as
// globals, parameters or locals. A name declared with two kinds, or also
// with a type that is no object, is left out: scopes would decide.
std::map<std::string, DeclaredObject> DeclaredObjects(const std::vector<HlslToken>& tokens);

// Adds "@name" for each object declared "Kind<element> name" or "Kind name"
// to `components`, with its element type's components (a Texture2D's float4
// by default; 0 for a structure).
void AddObjectElements(const std::vector<HlslToken>& tokens,
                       std::map<std::string, int>* components);

// Components of what [first, end) reads from an object, where that is all it
// is: "t.Sample(s, uv)", "t.Load(p)", "t[p]", "b.Load3(a)", "t.Gather(s, uv)"
// (the element's; four for Gather, one for SampleCmp and a raw buffer's
// Load); 0 where the form or `components` (from AddObjectElements) does not tell.
int ObjectReadComponents(const std::vector<HlslToken>& tokens, size_t first, size_t end,
                         const std::map<std::string, int>& components);

} // namespace d3dcompiler_standin
