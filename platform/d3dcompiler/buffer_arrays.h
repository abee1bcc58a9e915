// Arrays of structured and raw buffers ("StructuredBuffer<Item> items[2] :
// register(t0)", "ByteAddressBuffer raws[2]"), which Windows binds one
// register per element (t0 and t1) and glslang could neither index nor
// bind so. Where every use indexes the array with an integer literal, as
// shader model 5.0 wants of arrays of resources, the array is declared as
// one buffer per element, each at its element's register, and "items[1]"
// names the second. Arrays indexed otherwise are left to glslang.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Whether `tokens[at]` starts the declaration of an array of structured or
// raw buffers: a cheap test for the scan of rare forms.
bool StartsBufferArray(const std::vector<HlslToken>& tokens, size_t at);

// Where `tokens` (over `*spelled`, or over `written` while `*spelled` is
// empty) declare such arrays, sets `*spelled` to the text with them split and
// `*tokens` to its tokens, before the other rewrites read the source.
void SplitBufferArrays(const std::string& written, std::string* spelled,
                       std::vector<HlslToken>* tokens);

} // namespace d3dcompiler_standin
