// Source forms whose value glslang gets wrong, rewritten into ones it gets
// right: a global const (a uniform, not a literal), row_major or column_major
// carried by a typedef, lit() as documented, GetRenderTargetSampleCount(),
// which reads the pipeline's sample count, and [numthreads] without
// arguments, which a vertex or pixel shader ignores.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Adds the edits to `tokens`' text (the main source, before glslang) to `edits`.
void RewriteValueForms(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits);

// Calls of the intrinsic `name` become calls of `replacement`, which
// `definition` (guarded, ending in `#line 1`) defines in front of the source;
// nothing changes where the source declares its own function of that name.
void DocumentedIntrinsic(const std::vector<HlslToken>& tokens, const char* name,
                         const char* definition, const char* replacement,
                         std::vector<TextEdit>* edits);

// What the rewritten forms read and pipeline creation sets, declared in front
// of the source glslang compiles (after the source checks, which refuse the
// attribute syntax in a user's source), with the source's numbering kept.
std::string PipelineConstantDeclarations();

// Whether a rewritten source reads what PipelineConstantDeclarations() declares.
bool ReadsPipelineConstants(const std::string& rewritten);

} // namespace d3dcompiler_standin
