// What only effects read (technique and fxgroup blocks, state objects such
// as BlendState, shader objects, and the DirectX 8 effects' texture
// variables) taken out of a shader compile: Windows' compiler parses them for
// a shader profile and ignores them; glslang refuses them.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether `word` starts one of those global statements: a cheap test for the
// pass that decides whether BlankEffectObjects runs.
bool IsEffectObjectWord(const std::string& word);

// Blanks each such global statement in `*spelled` (a copy of `written` where
// it is empty), every other character kept so that each other token keeps its place, and
// drops its tokens from `*tokens`. A texture variable is blanked only where
// nothing but annotations and state blocks name it.
void BlankEffectObjects(const std::string& written, std::string* spelled,
                        std::vector<HlslToken>* tokens);

} // namespace d3dcompiler_standin
