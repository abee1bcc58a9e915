// The types of HLSL expressions as far as the source's declarations tell
// them: variables (globals, constant buffer members, locals, parameters),
// structure members, typedefs and function return types, read once from the
// token stream; then the type of an expression's tokens through member
// access, indexing, swizzles, constructors, casts, calls and arithmetic. For
// the rewrites whose meaning depends on the operands' types.
#pragma once

#include "aggregate_shapes.h"
#include "hlsl_tokens.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct ExpressionType {
    std::string base;               // "float", "int", "bool", ... or a structure's name
    int rows = 0;                   // a vector's size or a matrix's rows; 0 for a scalar
    int columns = 0;                // a matrix's columns; 0 otherwise
    std::vector<size_t> dimensions; // array dimensions, outermost first
    bool structure = false;
    // A resource object's kind ("Texture2D", "StructuredBuffer"); the fields
    // above then give its element type. A resource is no value itself: only
    // its elements and what its methods return have types.
    std::string resource;

    bool IsArray() const { return !dimensions.empty(); }
    bool IsMatrix() const { return !IsArray() && !structure && columns > 0; }
    bool IsScalar() const { return !IsArray() && !structure && rows == 0; }
    // "2x3" for a matrix.
    std::string MatrixShape() const;
    // The numeric type's name: "float", "float3", "double2x2".
    std::string NumericName() const;
};

// Whether `name` ends as a matrix type's name does ("...2x3"): a cheap test
// before ReadNumericTypeName.
bool LooksLikeMatrixType(const std::string& name);

// Whether any token names a matrix type: without one no expression is a
// matrix.
bool NamesAMatrixType(const std::vector<HlslToken>& tokens);

// The names declarations give a matrix type ("float2x2 m", "matrix<int, 2,
// 2> m"): a lone name outside them is no matrix. None when a typedef could
// give one a matrix type under another name.
std::optional<std::set<std::string>> MatrixVariableNames(const std::vector<HlslToken>& tokens);

// Where the operand before the binary operator at `op` starts, back over a
// postfix chain ("s.m", "a[1]", "transpose(m)", "(a + b)"), `op` for none;
// and past the one starting at `at` after an operator, `at` for none.
size_t PostfixOperandStart(const std::vector<HlslToken>& tokens, size_t op);
size_t PostfixOperandEnd(const std::vector<HlslToken>& tokens, size_t at);

// The text of tokens[first, end), spaced only where two names or numbers meet;
// in parentheses when `grouped` and the text is more than a postfix chain.
std::string ExpressionText(const std::vector<HlslToken>& tokens, size_t first, size_t end,
                           bool grouped);

class ExpressionTypes {
public:
    explicit ExpressionTypes(const std::vector<HlslToken>& tokens);

    // The type of the expression tokens[first, end), or none where a name or
    // form in it is not known.
    std::optional<ExpressionType> TypeOf(size_t first, size_t end) const;

    // The shape a type flattens into (components, members, elements).
    std::optional<Shape> ShapeOf(const ExpressionType& type) const;

    // The expressions `text` of `type` flattens into: scalars when
    // `toScalars`, else down to vectors and matrices whole. None for a
    // structure this view does not know.
    std::optional<std::vector<std::string>>
    Leaves(const std::string& text, const ExpressionType& type, bool toScalars) const;

    // Whether tokens[first, end) can be evaluated more than once with the
    // same result: no assignment, increment or call of a declared function.
    bool Repeatable(size_t first, size_t end) const;

    // The name token of the declaration the name at `at` refers to (the
    // innermost in scope), or none where no declaration this view read is.
    std::optional<size_t> DeclarationOf(size_t at) const;

    struct Member {
        std::string name;
        ExpressionType type;
    };
    // The members of the structure `name` in order, or none where this view
    // did not read it.
    const std::vector<struct Member>* MembersOf(const std::string& name) const;

private:
    struct Declaration {
        size_t at;       // the name's token
        size_t scopeEnd; // the token closing its scope
        ExpressionType type;
    };

    void Scan();
    size_t ReadType(size_t at, ExpressionType* type) const;
    void ReadStructure(size_t at);
    void ReadDeclarators(size_t nameAt, const ExpressionType& type, size_t scopeEnd);
    const Declaration* FindDeclaration(size_t at) const;
    std::optional<ExpressionType> Variable(size_t at) const;
    std::optional<ExpressionType> Operand(size_t first, size_t end) const;
    std::optional<ExpressionType> Primary(size_t first, size_t* next) const;
    std::optional<ExpressionType> Call(size_t at, size_t close) const;
    std::optional<ExpressionType> Postfix(ExpressionType type, size_t* at, size_t end) const;
    size_t ReadResourceType(size_t at, ExpressionType* type) const;
    // What indexing a resource or calling its method at `*at` gives; `*at`
    // moves past it.
    std::optional<ExpressionType> ResourceAccess(const ExpressionType& resource, size_t* at,
                                                 size_t end) const;
    std::optional<ExpressionType> Member(const ExpressionType& type, const std::string& name) const;

    const std::vector<HlslToken>& tokens_;
    std::map<std::string, std::vector<Declaration>> variables_;
    std::map<std::string, std::vector<struct Member>> structures_;
    std::map<std::string, ExpressionType> typedefs_;
    std::map<std::string, ExpressionType> functions_; // the return type of each
};

// The view of a token stream, built at the first Get(). While a
// SharedExpressionTypes of the same stream lives, each LazyExpressionTypes of
// it gets that one's view: a pass of rewrites over one source builds it once.
class LazyExpressionTypes {
public:
    explicit LazyExpressionTypes(const std::vector<HlslToken>& tokens) : tokens_(tokens) {}
    const ExpressionTypes& Get();
    const ExpressionTypes* operator->() { return &Get(); }

private:
    const std::vector<HlslToken>& tokens_;
    std::optional<ExpressionTypes> own_;
};

class SharedExpressionTypes {
public:
    explicit SharedExpressionTypes(const std::vector<HlslToken>& tokens);
    ~SharedExpressionTypes();
    SharedExpressionTypes(const SharedExpressionTypes&) = delete;
    SharedExpressionTypes& operator=(const SharedExpressionTypes&) = delete;

private:
    friend class LazyExpressionTypes;
    const std::vector<HlslToken>& tokens_;
    std::optional<ExpressionTypes> view_;
    SharedExpressionTypes* previous_;
};

} // namespace d3dcompiler_standin
