// The warnings Windows' compiler gives on shaders it compiles, judged on the
// preprocessed token stream: each adds one warning line (warning_lines.h).
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"
#include "shader_target.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Every warning line for the source, in the order of the checks.
std::string CollectSourceWarnings(const std::vector<HlslToken>& tokens,
                                  const std::string& entryPoint, const ShaderTarget& target);

// X3078 and X3557: a for statement's variable declared again in scope, and
// a loop with constant bounds that runs at most once.
void WarnLoops(const std::vector<HlslToken>& tokens,
               const std::vector<FunctionDefinition>& functions, std::string* warnings);

// X3571: pow(f, e) computed as exp2(e * log2(f)), wrong for negative f.
void WarnPowers(const std::vector<HlslToken>& tokens, std::string* warnings);

// X3577: isnan and isinf, which Windows' compiler, taking floats to be
// finite unless D3DCOMPILE_IEEE_STRICTNESS (/Gis) asks otherwise, may fold
// away; the caller gives it where that flag is not set.
void WarnFiniteTests(const std::vector<HlslToken>& tokens, std::string* warnings);

// X3206: a vector given where a shorter vector or a scalar is declared.
void WarnTruncations(const std::vector<HlslToken>& tokens,
                     const std::vector<FunctionDefinition>& functions, std::string* warnings);

// X3205: a double given where a float, half or minimum-precision float is
// declared or returned.
void WarnDoubleNarrowing(const std::vector<HlslToken>& tokens,
                         const std::vector<FunctionDefinition>& functions, std::string* warnings);

// X3556, X4008 and X3203: a division or remainder of signed integers, a
// float divided by a literal zero, and a signed integer variable compared
// with an unsigned value.
void WarnArithmetic(const std::vector<HlslToken>& tokens,
                    const std::vector<FunctionDefinition>& functions, std::string* warnings);

// X3578: an `out` parameter of the entry point, a scalar, vector or
// structure of them, some component of which the body never writes.
void WarnIncompleteOutputs(const std::vector<HlslToken>& tokens,
                           const std::vector<FunctionDefinition>& functions,
                           const std::string& entryPoint, std::string* warnings);

} // namespace d3dcompiler_standin
