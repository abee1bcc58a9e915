#include "constructor_rewrites.h"

#include "aggregate_shapes.h"
#include "expression_types.h"

#include <algorithm>
#include <set>

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
// An array's elements are laid out only when a use asks for its shape: most
// declarations are never looked up, and a large array's shape is large.
class Declarations {
public:
    Declarations(const Tokens& tokens, const Shapes& structures)
        : tokens_(tokens), structures_(structures) {}

    // Notes a declaration "Type name[dims]" at tokens[at].
    void Note(size_t at) {
        if (!IsIdentifier(tokens_, at) || !IsIdentifier(tokens_, at + 1) ||
            IsToken(tokens_, at + 2, "(") ||
            IsToken(tokens_, AfterDimensions(tokens_, at + 2), "[")) {
            return;
        }
        std::optional<Shape> type = ShapeOf(tokens_[at].text, structures_);
        if (type) {
            variables_[tokens_[at + 1].text] = {std::move(*type), at + 2, std::nullopt};
        }
    }

    const Shape* Find(const std::string& name) const {
        auto found = variables_.find(name);
        if (found == variables_.end()) {
            return nullptr;
        }
        const Declared& declared = found->second;
        if (!declared.shape) {
            size_t dimensions = declared.dimensions;
            declared.shape = WithDimensions(tokens_, &dimensions, declared.type);
        }
        return &*declared.shape;
    }

    // Notes "S name(" at tokens[at], a function returning the structure S.
    void NoteFunction(const Tokens& tokens, size_t at) {
        if (structures_.count(tokens[at].text) != 0 && IsIdentifier(tokens, at + 1) &&
            IsToken(tokens, at + 2, "(")) {
            functions_[tokens[at + 1].text] = tokens[at].text;
        }
    }

    // The structure a call at tokens[at] returns, or nullptr.
    const std::string* CallReturns(const Tokens& tokens, size_t at) const {
        if (!IsIdentifier(tokens, at) || !IsToken(tokens, at + 1, "(")) {
            return nullptr;
        }
        auto found = functions_.find(tokens[at].text);
        return found != functions_.end() ? &found->second : nullptr;
    }

private:
    struct Declared {
        Shape type;                         // the declared type's shape
        size_t dimensions;                  // where its dimensions "[N]..." would start
        mutable std::optional<Shape> shape; // with them, once asked for
    };

    const Tokens& tokens_;
    const Shapes& structures_;
    std::map<std::string, Declared> variables_;
    std::map<std::string, std::string> functions_; // function -> the structure it returns
};

// Calls of functions returning structures, given to a vector's constructor or
// cast: each goes through a function of the structure's own that returns its
// leaves as one vector, which glslang flattens. Defined after the structure.
class StructureFlatteners {
public:
    // Notes where the structure declared at tokens[at] ("struct") ends.
    void NoteStructure(const Tokens& tokens, size_t at) {
        const size_t close = ClosingBracket(tokens, at + 2);
        if (IsToken(tokens, close + 1, ";")) {
            ends_[tokens[at + 1].text] = tokens[close + 1].offset + 1;
        }
    }

    // Wraps the call at tokens[at] (to tokens[end - 1]) of a function
    // returning `type`; false when its leaves fill no vector.
    bool Wrap(const Tokens& tokens, size_t at, size_t end, const std::string& type,
              const Shapes& structures, std::vector<TextEdit>* edits) {
        const Shape& shape = structures.at(type);
        if (end > tokens.size() || ends_.count(type) == 0 || shape.Scalars() == 0 ||
            shape.Scalars() > 4) {
            return false;
        }
        used_.insert(type);
        edits->push_back({tokens[at].offset, 0, "standin_flat_" + type + "("});
        edits->push_back({tokens[end - 1].offset + tokens[end - 1].text.size(), 0, ")"});
        return true;
    }

    void Define(const Shapes& structures, std::vector<TextEdit>* edits) const {
        for (const std::string& type : used_) {
            std::vector<std::string> leaves;
            Leaves(structures.at(type), "s", &leaves);
            const std::string vector = "float" + std::to_string(structures.at(type).Scalars());
            edits->push_back({ends_.at(type), 0,
                              " " + vector + " standin_flat_" + type + "(" + type +
                                  " s) { return " + vector + "(" + Joined(leaves) + "); }"});
        }
    }

private:
    std::map<std::string, size_t> ends_; // structure -> offset past its ';'
    std::set<std::string> used_;
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

// Whether tokens[first, end) is a name followed by members, indexes and
// calls only ("s.inner", "a[i].b"), the forms whose value may be an aggregate.
bool IsPostfixChain(const Tokens& tokens, size_t first, size_t end) {
    if (!IsIdentifier(tokens, first)) {
        return false;
    }
    for (size_t at = first + 1; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "[" || text == "(") {
            at = ClosingBracket(tokens, at);
        } else if (text != "." || !IsIdentifier(tokens, at + 1)) {
            return false;
        } else {
            ++at;
        }
    }
    return true;
}

// Whether the postfix chain tokens[first, end) is a scalar, vector or matrix
// by the shape its root variable is declared with; false where that does not
// tell.
bool ChainIsNumeric(const Tokens& tokens, size_t first, size_t end,
                    const Declarations& declarations) {
    const Shape* shape = declarations.Find(tokens[first].text);
    for (size_t at = first + 1; shape != nullptr && at < end; ++at) {
        if (shape->kind == Shape::Kind::Numeric) {
            return true; // members and indexes of a numeric value are numeric
        }
        const std::string& text = tokens[at].text;
        if (text == "[" && shape->kind == Shape::Kind::Array && !shape->parts.empty()) {
            shape = &shape->parts[0];
            at = ClosingBracket(tokens, at);
        } else if (text == "." && shape->kind == Shape::Kind::Structure) {
            auto name = std::find(shape->names.begin(), shape->names.end(), tokens[at + 1].text);
            shape =
                name != shape->names.end() ? &shape->parts[name - shape->names.begin()] : nullptr;
            ++at;
        } else {
            return false;
        }
    }
    return shape != nullptr && shape->kind == Shape::Kind::Numeric;
}

// The argument tokens[first, end), a member, element or other expression
// whose type is an array or a structure, as its leaves; empty otherwise.
// With a `limit`, as its first `limit` scalars: a cast keeps the leading
// components of a source that has more.
std::string FlattenedExpression(const Tokens& tokens, size_t first, size_t end,
                                LazyExpressionTypes* types, size_t limit = 0) {
    const ExpressionTypes& view = types->Get();
    std::optional<ExpressionType> type = view.TypeOf(first, end);
    if (!type || !(type->IsArray() || type->structure) || !view.Repeatable(first, end)) {
        return "";
    }
    auto leaves = view.Leaves(ExpressionText(tokens, first, end, true), *type, limit != 0);
    if (leaves && limit != 0 && leaves->size() > limit) {
        leaves->resize(limit);
    }
    return leaves ? Joined(*leaves) : "";
}

// A vector or matrix type: "float4", not "float" or a structure.
bool IsNumericAggregate(const std::string& type, const Shapes& structures) {
    if (structures.count(type) != 0) {
        return false;
    }
    std::optional<Shape> shape = ShapeOf(type, structures);
    return shape && shape->kind == Shape::Kind::Numeric && !shape->parts.empty();
}

// "float4(a, 1)" with an array or structure `a` among the arguments.
void FlattenArguments(const Tokens& tokens, size_t open, const Shapes& structures,
                      const Declarations& declarations, StructureFlatteners* flatteners,
                      LazyExpressionTypes* types, std::vector<TextEdit>* edits) {
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
        const std::string* returned = declarations.CallReturns(tokens, first);
        if (!leaves.empty()) {
            edits->push_back({tokens[first].offset, tokens[first].text.size(), leaves});
        } else if (returned != nullptr && ClosingBracket(tokens, first + 1) + 1 == at) {
            flatteners->Wrap(tokens, first, at, *returned, structures, edits);
        } else if (at > first + 1 && returned == nullptr && IsPostfixChain(tokens, first, at) &&
                   !ChainIsNumeric(tokens, first, at, declarations)) {
            const std::string flattened = FlattenedExpression(tokens, first, at, types);
            const size_t end = tokens[at - 1].offset + tokens[at - 1].text.size();
            if (!flattened.empty()) {
                edits->push_back({tokens[first].offset, end - tokens[first].offset, flattened});
            }
        }
        first = at + 1;
    }
}

// "(float4)s" from an aggregate, or "(S)v" from a vector.
void FlattenCast(const Tokens& tokens, size_t open, const Shapes& structures,
                 const Declarations& declarations, StructureFlatteners* flatteners,
                 LazyExpressionTypes* types, std::vector<TextEdit>* edits) {
    const std::string& type = tokens[open + 1].text;
    const size_t operand = open + 3;
    std::optional<Shape> target = ShapeOf(type, structures);
    const size_t chainEnd = PostfixOperandEnd(tokens, operand);
    if (target && target->kind == Shape::Kind::Numeric && !target->parts.empty() &&
        (IsToken(tokens, operand + 1, "[") || IsToken(tokens, operand + 1, ".")) &&
        IsPostfixChain(tokens, operand, chainEnd) &&
        !ChainIsNumeric(tokens, operand, chainEnd, declarations)) {
        // "(float4)s.inner", "(float2)pairs[1]": a member or element that is an aggregate.
        const std::string leaves =
            FlattenedExpression(tokens, operand, chainEnd, types, target->Scalars());
        const HlslToken& last = tokens[chainEnd - 1];
        if (!leaves.empty()) {
            edits->push_back({tokens[open].offset,
                              last.offset + last.text.size() - tokens[open].offset,
                              type + "(" + leaves + ")"});
        }
        return;
    }
    const std::string* returned = declarations.CallReturns(tokens, operand);
    if (returned != nullptr && target && target->kind == Shape::Kind::Numeric) {
        flatteners->Wrap(tokens, operand, ClosingBracket(tokens, operand + 1) + 1, *returned,
                         structures, edits);
        return;
    }
    const Shape* source =
        IsIdentifier(tokens, operand) ? declarations.Find(tokens[operand].text) : nullptr;
    if (!target || source == nullptr || IsToken(tokens, operand + 1, "[") ||
        IsToken(tokens, operand + 1, ".") || IsToken(tokens, operand + 1, "(")) {
        return;
    }
    std::string replacement;
    if (target->kind == Shape::Kind::Numeric && !target->parts.empty()) {
        if (source->kind != Shape::Kind::Numeric && source->Scalars() < target->Scalars()) {
            return; // Windows refuses it (X3017), as glslang does the cast left whole
        }
        const bool truncated =
            source->kind != Shape::Kind::Numeric && source->Scalars() > target->Scalars();
        const std::string leaves =
            truncated ? FlattenedExpression(tokens, operand, operand + 1, types, target->Scalars())
                      : FlattenedName(tokens, operand, declarations);
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
    Declarations declarations(tokens, structures);
    StructureFlatteners flatteners;
    LazyExpressionTypes types(tokens); // built at the first argument that needs it
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && IsIdentifier(tokens, at + 1)) {
            ReadStructure(tokens, at, &structures);
            if (structures.count(tokens[at + 1].text) != 0) {
                flatteners.NoteStructure(tokens, at);
            }
            continue;
        }
        declarations.Note(at);
        declarations.NoteFunction(tokens, at);
        if (tokens[at + 1].text == "(" && IsNumericAggregate(tokens[at].text, structures) &&
            !(at > 0 && IsIdentifier(tokens, at - 1) && tokens[at - 1].text != "return")) {
            FlattenArguments(tokens, at + 1, structures, declarations, &flatteners, &types, edits);
        } else if (tokens[at].text == "(" && IsIdentifier(tokens, at + 1) &&
                   IsToken(tokens, at + 2, ")")) {
            FlattenCast(tokens, at, structures, declarations, &flatteners, &types, edits);
        }
    }
    flatteners.Define(structures, edits);
}

} // namespace d3dcompiler_standin
