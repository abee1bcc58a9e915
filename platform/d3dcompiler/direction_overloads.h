// Functions defined again with parameters that differ only in in, out and
// inout. Windows' compiler takes such definitions and finds each call of the
// name ambiguous (X3067, overload_checks.cpp); glslang calls the second a
// redefinition, so where nothing calls them the later ones are renamed.
#pragma once

#include "function_scan.h"
#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// The definitions whose name and parameter types an earlier definition has,
// with other directions.
std::vector<FunctionDefinition>
DefinitionsDifferingInDirectionOnly(const std::vector<HlslToken>& tokens);

// Adds edits renaming each such definition, so that glslang takes them all.
void RenameDirectionOnlyOverloads(const std::vector<HlslToken>& tokens,
                                  std::vector<TextEdit>* edits);

// The name a renamed definition had in the source, or "" for other names.
std::string NameBeforeDirectionRename(const std::string& name);

} // namespace d3dcompiler_standin
