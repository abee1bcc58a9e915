// What a class holds beyond its own body, for glslang, which reads a class as
// the structure of its body: the members and methods of the class it derives
// from ("class Derived : Base"), but for the methods it declares again, and
// the bodies of its methods defined after it ("float Base::Scaled(float x)
// { ... }"), which take the place of their declarations in the class. The
// text moved or copied is written on one line, so the lines of the rest keep
// their numbers.
#pragma once

#include "hlsl_tokens.h"

#include <string>
#include <vector>

namespace d3dcompiler_standin {

// A member or method of a class, structure or interface body: tokens
// [begin, end].
struct BodyItem {
    size_t begin;
    size_t end;
    std::string method; // the method's name; empty for a member variable
    bool declaration;   // a method without a body
};

// The members and methods between the braces at `open` and `close`.
std::vector<BodyItem> BodyItems(const std::vector<HlslToken>& tokens, size_t open, size_t close);

// Adds the edits to `source`'s text (one file, before glslang) to `edits`.
// `depths` is each token's brace depth.
void RewriteClassMembers(const std::string& source, const std::vector<HlslToken>& tokens,
                         const std::vector<int>& depths, std::vector<TextEdit>* edits);

} // namespace d3dcompiler_standin
