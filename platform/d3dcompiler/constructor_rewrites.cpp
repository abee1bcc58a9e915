#include "constructor_rewrites.h"

#include "aggregate_shapes.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The expressions an aggregate variable flattens into, vectors and matrices
// whole: "s.a, s.b[0], s.b[1]".
void Leaves(const Shape& shape, const std::string& name, std::vector<std::string>* leaves) {
    switch (shape.kind) {
    case Shape::Kind::Numeric:
        leaves->push_back(name);
        return;
    case Shape::Kind::Array:
        for (size_t i = 0; i < shape.parts.size(); ++i) {
            Leaves(shape.parts[i], name + "[" + std::to_string(i) + "]", leaves);
        }
        return;
    case Shape::Kind::Structure:
        for (size_t i = 0; i < shape.parts.size(); ++i) {
            Leaves(shape.parts[i], name + "." + shape.names[i], leaves);
        }
        return;
    }
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

// "S(v.xy, v.z)" for a structure of scalars and vectors filled from the
// vector `name` of as many components; empty otherwise.
std::string StructureFromVector(const std::string& type, const Shape& structure,
                                const std::string& name, size_t components) {
    if (structure.Scalars() != components || components > 4) {
        return "";
    }
    std::vector<std::string> members;
    size_t used = 0;
    for (const Shape& member : structure.parts) {
        if (member.kind != Shape::Kind::Numeric) {
            return "";
        }
        const size_t count = member.Scalars();
        members.push_back(name + "." + std::string("xyzw").substr(used, count));
        used += count;
    }
    return type + "(" + Joined(members) + ")";
}

// Variables' shapes, by the latest declaration of each name before a use.
class Declarations {
public:
    explicit Declarations(const Shapes& structures) : structures_(structures) {}

    // Notes a declaration "Type name[dims]" at tokens[at].
    void Note(const Tokens& tokens, size_t at) {
        size_t end = at;
        std::optional<Shape> shape = DeclaredShape(tokens, at, structures_, &end);
        if (shape && !IsToken(tokens, at + 2, "(")) {
            variables_[tokens[at + 1].text] = std::move(*shape);
        }
    }

    const Shape* Find(const std::string& name) const {
        auto found = variables_.find(name);
        return found != variables_.end() ? &found->second : nullptr;
    }

private:
    const Shapes& structures_;
    std::map<std::string, Shape> variables_;
};

// A lone identifier naming an aggregate variable, as its leaves.
std::string FlattenedName(const Tokens& tokens, size_t at, const Declarations& declarations) {
    const Shape* shape = IsIdentifier(tokens, at) ? declarations.Find(tokens[at].text) : nullptr;
    if (shape == nullptr || shape->kind == Shape::Kind::Numeric) {
        return "";
    }
    std::vector<std::string> leaves;
    Leaves(*shape, tokens[at].text, &leaves);
    return Joined(leaves);
}

// "float4(a, 1)" with an array or structure `a` among the arguments.
void FlattenArguments(const Tokens& tokens, size_t open, const Declarations& declarations,
                      std::vector<TextEdit>* edits) {
    const size_t close = ClosingBracket(tokens, open);
    size_t first = open + 1;
    for (size_t at = open + 1; at <= close && at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || text == "{") {
            at = ClosingBracket(tokens, at);
            continue;
        }
        if (text != "," && at != close) {
            continue;
        }
        const std::string leaves =
            at == first + 1 ? FlattenedName(tokens, first, declarations) : "";
        if (!leaves.empty()) {
            edits->push_back({tokens[first].offset, tokens[first].text.size(), leaves});
        }
        first = at + 1;
    }
}

// "(float4)s" from an aggregate, or "(S)v" from a vector.
void FlattenCast(const Tokens& tokens, size_t open, const Shapes& structures,
                 const Declarations& declarations, std::vector<TextEdit>* edits) {
    const std::string& type = tokens[open + 1].text;
    const size_t operand = open + 3;
    std::optional<Shape> target = ShapeOf(type, structures);
    const Shape* source =
        IsIdentifier(tokens, operand) ? declarations.Find(tokens[operand].text) : nullptr;
    if (!target || source == nullptr || IsToken(tokens, operand + 1, "[") ||
        IsToken(tokens, operand + 1, ".") || IsToken(tokens, operand + 1, "(")) {
        return;
    }
    std::string replacement;
    if (target->kind == Shape::Kind::Numeric && !target->parts.empty()) {
        const std::string leaves = FlattenedName(tokens, operand, declarations);
        replacement = leaves.empty() ? "" : type + "(" + leaves + ")";
    } else if (target->kind == Shape::Kind::Structure && source->kind == Shape::Kind::Numeric &&
               !source->parts.empty()) {
        replacement =
            StructureFromVector(type, *target, tokens[operand].text, source->parts.size());
    }
    if (!replacement.empty()) {
        const size_t end = tokens[operand].offset + tokens[operand].text.size();
        edits->push_back({tokens[open].offset, end - tokens[open].offset, replacement});
    }
}

} // namespace

void FlattenAggregateOperands(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    Shapes structures;
    Declarations declarations(structures);
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && IsIdentifier(tokens, at + 1)) {
            ReadStructure(tokens, at, &structures);
            continue;
        }
        declarations.Note(tokens, at);
        std::optional<Shape> type = ShapeOf(tokens[at].text, structures);
        const bool numericAggregate =
            type && type->kind == Shape::Kind::Numeric && !type->parts.empty();
        if (numericAggregate && tokens[at + 1].text == "(" &&
            !(at > 0 && IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return")) {
            FlattenArguments(tokens, at + 1, declarations, edits);
        } else if (tokens[at].text == "(" && IsIdentifier(tokens, at + 1) &&
                   IsToken(tokens, at + 2, ")")) {
            FlattenCast(tokens, at, structures, declarations, edits);
        }
    }
}

} // namespace d3dcompiler_standin
