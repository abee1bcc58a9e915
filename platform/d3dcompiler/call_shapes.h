// The shapes of calls' arguments and of functions' parameters where the
// tokens tell them: scalar and vector types, read for overload resolution.
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// A scalar or vector type: its base type and component count.
struct NumericShape {
    std::string base;
    uint32_t components = 1;
};

// "float3", "uint", "dword2": the shape a type name gives; nothing for others.
std::optional<NumericShape> ParseShape(const std::string& type);

// The arguments of the call whose '(' is at `open`: first and past-last token of each.
std::vector<std::pair<size_t, size_t>> CallArguments(const std::vector<HlslToken>& tokens,
                                                     size_t open);

// Variables declared "type name" with a scalar or vector type; a name
// declared with two types, or as an array, is left out.
std::map<std::string, std::optional<NumericShape>>
DeclaredShapes(const std::vector<HlslToken>& tokens);

// The argument in [begin, end): "int3(...)" or a declared variable.
std::optional<NumericShape>
ArgumentShape(const std::vector<HlslToken>& tokens, size_t begin, size_t end,
              const std::map<std::string, std::optional<NumericShape>>& declared);

// The parameters of a definition, as shapes; nothing when one is no scalar or
// vector or has a modifier other than in.
std::optional<std::vector<NumericShape>> ParameterShapes(const std::vector<HlslToken>& tokens,
                                                         const FunctionDefinition& function);

} // namespace d3dcompiler_standin
