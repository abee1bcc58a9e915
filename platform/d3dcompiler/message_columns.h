// The columns of messages, which editors' problem matchers read: glslang gives
// a conversion's or constructor's error the line alone, and the checks count
// columns in the preprocessed text.
#pragma once

#include "compile_messages.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// `messages` with each "file(N): error X3017: ..." or "file(N): error X3014:
// ..." line given the columns of the value it is about: what a return or an
// assignment on that line gives, or the constructor call there. Lines the
// tokens do not place keep the line alone.
std::string AddConversionColumns(const std::string& messages, const std::vector<HlslToken>& tokens,
                                 const SourceLineLookup& lines);

// `messages` whose "file(line,first-last)" columns count in the preprocessed
// line of `tokens`, which glslang's preprocessor spaces anew ("v . xyzq"),
// with the columns of the same tokens in the source as written.
std::string MapColumnsToSource(const std::string& messages, const std::vector<HlslToken>& tokens,
                               const SourceLineLookup& lines);

} // namespace d3dcompiler_standin
