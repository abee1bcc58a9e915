// The shapes of HLSL types as aggregates are filled and flattened: a scalar,
// a vector's or matrix's components, a structure's members, an array's
// elements; read from the source's tokens for the rewrites that need them.
#pragma once

#include "hlsl_tokens.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct Shape {
    enum class Kind { Numeric, Array, Structure };
    Kind kind = Kind::Numeric;
    std::vector<Shape> parts;       // components (none for a scalar), elements or members
    std::vector<std::string> names; // a structure's member names

    size_t Scalars() const;
    bool HoldsAggregates() const; // some part has parts of its own
};

using Shapes = std::map<std::string, Shape>; // structure name -> shape

// A numeric type's shape ("float3", "int2x2"), a known structure's, or none.
std::optional<Shape> ShapeOf(const std::string& type, const Shapes& structures);

// `shape` as an array with the dimensions written at tokens[*at...]; `*at`
// moves past them. None for a dimension that is not a number, or that is past
// the 65536 Windows allows.
std::optional<Shape> WithDimensions(const std::vector<HlslToken>& tokens, size_t* at, Shape shape);

// The token after the well-formed dimensions "[N]..." written at tokens[at...].
size_t AfterDimensions(const std::vector<HlslToken>& tokens, size_t at);

// The shape of a declaration "Type name[dims]" at tokens[at], Type being
// numeric or a structure in `structures`; `*end` is the token after it. None
// for anything else.
std::optional<Shape> DeclaredShape(const std::vector<HlslToken>& tokens, size_t at,
                                   const Shapes& structures, size_t* end);

// The elements of the initialiser list in braces from `open` to `close`, as
// token ranges [first, end). Lists nested in it are read through, as HLSL
// fills a variable from its list's components in order whatever their
// grouping; `*nested` says whether there were any. None for a list whose
// braces do not stand where elements begin and end.
std::vector<std::pair<size_t, size_t>> ListElements(const std::vector<HlslToken>& tokens,
                                                    size_t open, size_t close, bool* nested);

// The name a declarator "name[dims] =" gives before the '=' at `equals`, or
// tokens.size().
size_t NameBeforeInitialiser(const std::vector<HlslToken>& tokens, size_t equals);

// Adds the structure declared at tokens[at] ("struct") to `structures` when
// every member's type is known.
void ReadStructure(const std::vector<HlslToken>& tokens, size_t at, Shapes* structures);

} // namespace d3dcompiler_standin
