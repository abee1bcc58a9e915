#include "expression_types.h"
#include "numeric_type_names.h"

#include <algorithm>
#include <string_view>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Intrinsics whose value has the shape of their arguments, component by
// component.
constexpr std::string_view kComponentwise[] = {
    "abs",   "acos",        "asin",       "atan",     "atan2",      "ceil",      "clamp",
    "cos",   "cosh",        "ddx",        "ddy",      "degrees",    "exp",       "exp2",
    "floor", "fmod",        "frac",       "fwidth",   "lerp",       "log",       "log10",
    "log2",  "mad",         "max",        "min",      "normalize",  "pow",       "radians",
    "rcp",   "reflect",     "refract",    "round",    "rsqrt",      "saturate",  "sign",
    "sin",   "sinh",        "smoothstep", "sqrt",     "step",       "tan",       "tanh",
    "trunc", "reversebits", "ddx_fine",   "ddy_fine", "ddx_coarse", "ddy_coarse"};
// What may stand before a structure member's type.
constexpr std::string_view kMemberModifiers[] = {
    "row_major",     "column_major", "nointerpolation", "linear",  "centroid",
    "noperspective", "sample",       "precise",         "const",   "uniform",
    "static",        "snorm",        "unorm",           "volatile"};
// Intrinsics whose value is one component of their arguments' type.
constexpr std::string_view kReducing[] = {"dot", "length", "distance", "determinant"};

bool Listed(const std::string& name, const std::string_view* first, const std::string_view* last) {
    return std::find(first, last, std::string_view(name)) != last;
}

// A rank for the usual arithmetic conversions: the wider base wins.
int BaseRank(const std::string& base) {
    if (base == "double") {
        return 5;
    }
    if (base == "float" || base == "half" || base == "min16float" || base == "min10float") {
        return 4;
    }
    if (base == "uint" || base == "min16uint" || base == "dword") {
        return 3;
    }
    return base == "bool" ? 1 : 2;
}

std::optional<ExpressionType> Promoted(const ExpressionType& a, const ExpressionType& b) {
    if (a.IsArray() || b.IsArray() || a.structure || b.structure) {
        return std::nullopt;
    }
    ExpressionType result = BaseRank(a.base) >= BaseRank(b.base) ? a : b;
    if (a.IsMatrix() && b.IsMatrix()) {
        result.rows = std::min(a.rows, b.rows);
        result.columns = std::min(a.columns, b.columns);
    } else if (a.IsMatrix() || b.IsMatrix()) {
        const ExpressionType& matrix = a.IsMatrix() ? a : b;
        const ExpressionType& other = a.IsMatrix() ? b : a;
        if (!other.IsScalar() && other.rows != 1) {
            return std::nullopt;
        }
        result.rows = matrix.rows;
        result.columns = matrix.columns;
    } else {
        const bool scalarA = a.IsScalar() || a.rows == 1;
        const bool scalarB = b.IsScalar() || b.rows == 1;
        result.rows = scalarA ? b.rows : scalarB ? a.rows : std::min(a.rows, b.rows);
        result.columns = 0;
    }
    return result;
}

ExpressionType Scalar(const std::string& base) {
    ExpressionType type;
    type.base = base;
    return type;
}

ExpressionType LiteralType(const std::string& text) {
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return Scalar(text.back() == 'u' || text.back() == 'U' ? "uint" : "int");
    }
    for (char c : text) {
        if (c == '.' || c == 'e' || c == 'E' || c == 'f' || c == 'F' || c == 'h' || c == 'H') {
            return Scalar(c == 'l' || c == 'L' ? "double" : "float");
        }
    }
    return Scalar(text.back() == 'u' || text.back() == 'U' ? "uint" : "int");
}

// The length of a swizzle of a vector or scalar ("xy", "rgba"), 0 for none.
int VectorSwizzle(const std::string& name) {
    const bool xyzw = name.find_first_not_of("xyzw") == std::string::npos;
    const bool rgba = name.find_first_not_of("rgba") == std::string::npos;
    return (xyzw || rgba) && name.size() <= 4 ? int(name.size()) : 0;
}

// The elements of a matrix swizzle ("_11_12", "_m00"), 0 for none.
int MatrixSwizzle(const std::string& name) {
    if (name.empty() || name[0] != '_') {
        return 0;
    }
    const int count = int(std::count(name.begin(), name.end(), '_'));
    return count <= 4 ? count : 0;
}

} // namespace

bool LooksLikeMatrixType(const std::string& name) {
    return name.size() > 3 && name[name.size() - 2] == 'x';
}

bool NamesAMatrixType(const Tokens& tokens) {
    for (const HlslToken& token : tokens) {
        NumericTypeName type;
        if (token.text == "matrix" ||
            (LooksLikeMatrixType(token.text) && ReadNumericTypeName(token.text, &type) &&
             type.columns > 0)) {
            return true;
        }
    }
    return false;
}

// Where the operand ending before the binary operator at `op` starts: back
// over a postfix chain ("s.m", "a[1]", "transpose(m)", "(a + b)"); `op` when
// there is none.
size_t PostfixOperandStart(const Tokens& tokens, size_t op) {
    size_t start = op;
    while (start > 0) {
        const HlslToken& before = tokens[start - 1];
        if (before.text == ")" || before.text == "]") {
            start = OpeningBracket(tokens, start - 1);
        } else if ((before.kind == HlslToken::Kind::Identifier && before.text != "return") ||
                   (before.text == "." && start < op)) {
            --start;
        } else {
            break;
        }
    }
    return start;
}

// Past the operand starting at `at` after a binary operator: a number, or a
// name or group with what follows it as a postfix chain; `at` when none.
size_t PostfixOperandEnd(const Tokens& tokens, size_t at) {
    size_t end = at;
    if (IsToken(tokens, end, "(")) {
        end = ClosingBracket(tokens, end) + 1;
        if (IsIdentifier(tokens, end) || IsToken(tokens, end, "(")) {
            return PostfixOperandEnd(tokens, end); // a cast's operand
        }
    } else if (IsIdentifier(tokens, end) ||
               (end < tokens.size() && tokens[end].kind == HlslToken::Kind::Number)) {
        ++end;
    } else {
        return at;
    }
    while (end < tokens.size()) {
        const std::string& text = tokens[end].text;
        if (text == "(" || text == "[") {
            end = ClosingBracket(tokens, end) + 1;
        } else if (text == "." && IsIdentifier(tokens, end + 1)) {
            end += 2;
        } else {
            break;
        }
    }
    return std::min(end, tokens.size());
}

std::optional<std::set<std::string>> MatrixVariableNames(const Tokens& tokens) {
    std::set<std::string> names;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (token.kind != HlslToken::Kind::Identifier) {
            continue;
        }
        if (token.text == "typedef") {
            return std::nullopt;
        }
        NumericTypeName type;
        size_t name = at + 1;
        if (token.text == "matrix") {
            name = IsToken(tokens, at + 1, "<") ? ClosingBracket(tokens, at + 1) + 1 : at + 1;
        } else if (!LooksLikeMatrixType(token.text) || !ReadNumericTypeName(token.text, &type) ||
                   type.columns == 0) {
            continue;
        }
        if (IsIdentifier(tokens, name)) {
            names.insert(tokens[name].text);
        }
    }
    return names;
}

std::string ExpressionText(const Tokens& tokens, size_t first, size_t end, bool grouped) {
    std::string text;
    bool postfix = first < end && IsIdentifier(tokens, first);
    for (size_t at = first; at < end; ++at) {
        const bool word = tokens[at].kind == HlslToken::Kind::Identifier ||
                          tokens[at].kind == HlslToken::Kind::Number;
        if (at > first && word &&
            (tokens[at - 1].kind == HlslToken::Kind::Identifier ||
             tokens[at - 1].kind == HlslToken::Kind::Number)) {
            text += ' ';
        }
        text += tokens[at].text;
        const std::string& t = tokens[at].text;
        if (t == "(" || t == "[") {
            for (size_t close = ClosingBracket(tokens, at); at < close && at + 1 < end;) {
                ++at;
                text += (IsIdentifier(tokens, at) && IsIdentifier(tokens, at - 1) ? " " : "") +
                        tokens[at].text;
            }
        } else if (!word && t != ".") {
            postfix = false;
        }
    }
    return grouped && !postfix ? "(" + text + ")" : text;
}

std::string ExpressionType::MatrixShape() const {
    std::string shape = std::to_string(rows);
    shape += 'x';
    shape += std::to_string(columns);
    return shape;
}

std::string ExpressionType::NumericName() const {
    std::string name = base;
    if (rows > 0) {
        name += std::to_string(rows);
    }
    if (columns > 0) {
        name += 'x';
        name += std::to_string(columns);
    }
    return name;
}

ExpressionTypes::ExpressionTypes(const Tokens& tokens) : tokens_(tokens) {
    Scan();
}

namespace {

bool IsResourceKind(const std::string& name) {
    if (name.size() < 6 || (name[0] != 'T' && name[0] != 'R' && name[0] != 'B' && name[0] != 'S' &&
                            name[0] != 'A' && name[0] != 'C')) {
        return false;
    }
    static constexpr const char* kKinds[] = {"Buffer",
                                             "RWBuffer",
                                             "StructuredBuffer",
                                             "RWStructuredBuffer",
                                             "AppendStructuredBuffer",
                                             "ConsumeStructuredBuffer",
                                             "ByteAddressBuffer",
                                             "RWByteAddressBuffer"};
    static constexpr const char* kTextureShapes[] = {"1D",   "1DArray",   "2D",   "2DArray",  "3D",
                                                     "Cube", "CubeArray", "2DMS", "2DMSArray"};
    const size_t shape = name.rfind("Texture", 0) == 0     ? 7
                         : name.rfind("RWTexture", 0) == 0 ? 9
                                                           : 0;
    const char* const* begin = shape > 0 ? std::begin(kTextureShapes) : std::begin(kKinds);
    const char* const* end = shape > 0 ? std::end(kTextureShapes) : std::end(kKinds);
    return std::any_of(begin, end, [&](const char* kind) {
        return name.compare(shape, std::string::npos, kind) == 0;
    });
}

// What a resource's method returns, given the element type; none for methods
// without a value (GetDimensions, Store, Append, Interlocked*).
std::optional<ExpressionType> MethodResult(const ExpressionType& resource,
                                           const std::string& method) {
    ExpressionType element = resource;
    element.resource.clear();
    if (method == "Load" || method == "Consume" || method.rfind("Sample", 0) == 0) {
        if (method.rfind("SampleCmp", 0) == 0) {
            return Scalar("float");
        }
        if (resource.resource.find("ByteAddressBuffer") != std::string::npos) {
            return Scalar("uint");
        }
        return element;
    }
    if (method.rfind("Gather", 0) == 0) {
        ExpressionType gathered = Scalar(element.structure ? "float" : element.base);
        gathered.rows = 4;
        return gathered;
    }
    if (method.size() == 5 && method.rfind("Load", 0) == 0) { // Load2, Load3, Load4
        ExpressionType words = Scalar("uint");
        words.rows = method[4] - '0';
        return words;
    }
    if (method == "IncrementCounter" || method == "DecrementCounter") {
        return Scalar("uint");
    }
    if (method.rfind("CalculateLevelOfDetail", 0) == 0) {
        return Scalar("float");
    }
    return std::nullopt;
}

} // namespace

// "Texture2D", "StructuredBuffer<S>", "Texture2DMS<float4, 4>": the element
// type read, float4 where none is written.
size_t ExpressionTypes::ReadResourceType(size_t at, ExpressionType* type) const {
    *type = Scalar("float");
    type->rows = 4;
    size_t next = at + 1;
    if (IsToken(tokens_, at + 1, "<")) {
        const size_t close = ClosingBracket(tokens_, at + 1);
        const size_t afterElement = ReadType(at + 2, type);
        if (close >= tokens_.size() || afterElement == at + 2 ||
            (afterElement != close && !IsToken(tokens_, afterElement, ","))) {
            return at;
        }
        next = close + 1;
    }
    type->resource = tokens_[at].text;
    return next;
}

std::optional<ExpressionType> ExpressionTypes::ResourceAccess(const ExpressionType& resource,
                                                              size_t* at, size_t end) const {
    ExpressionType element = resource;
    element.resource.clear();
    const std::string& text = tokens_[*at].text;
    if (text == "[") {
        *at = ClosingBracket(tokens_, *at) + 1;
        return element;
    }
    if (text != "." || !IsIdentifier(tokens_, *at + 1) || *at + 2 >= end) {
        return std::nullopt;
    }
    const std::string& member = tokens_[*at + 1].text;
    if ((member == "mips" || member == "sample") && IsToken(tokens_, *at + 2, "[")) {
        const size_t level = ClosingBracket(tokens_, *at + 2);
        if (!IsToken(tokens_, level + 1, "[")) {
            return std::nullopt;
        }
        *at = ClosingBracket(tokens_, level + 1) + 1;
        return element;
    }
    if (!IsToken(tokens_, *at + 2, "(")) {
        return std::nullopt;
    }
    *at = ClosingBracket(tokens_, *at + 2) + 1;
    return MethodResult(resource, member);
}

size_t ExpressionTypes::ReadType(size_t at, ExpressionType* type) const {
    if (!IsIdentifier(tokens_, at)) {
        return at;
    }
    const std::string& name = tokens_[at].text;
    NumericTypeName numeric;
    if (ReadNumericTypeName(name, &numeric)) {
        *type = ExpressionType{};
        type->base = std::string(numeric.base);
        type->rows = numeric.size;
        type->columns = numeric.columns;
        return at + 1;
    }
    if ((name == "vector" || name == "matrix") && IsToken(tokens_, at + 1, "<")) {
        const size_t count = name == "vector" ? 5 : 7;
        if (at + count >= tokens_.size() || tokens_[at + count].text != ">") {
            return at;
        }
        *type = Scalar(tokens_[at + 2].text);
        type->rows = std::atoi(tokens_[at + 4].text.c_str());
        type->columns = name == "matrix" ? std::atoi(tokens_[at + 6].text.c_str()) : 0;
        return type->rows > 0 ? at + count + 1 : at;
    }
    if (name == "vector" || name == "matrix") {
        *type = Scalar("float");
        type->rows = 4;
        type->columns = name == "matrix" ? 4 : 0;
        return at + 1;
    }
    if (IsResourceKind(name)) {
        return ReadResourceType(at, type);
    }
    auto typedefed = typedefs_.find(name);
    if (typedefed != typedefs_.end()) {
        *type = typedefed->second;
        return at + 1;
    }
    if (structures_.count(name) != 0) {
        *type = Scalar(name);
        type->structure = true;
        return at + 1;
    }
    return at;
}

// Array dimensions "[N]..." after a declarator's name, 0 for one not a number.
static size_t ReadDimensions(const Tokens& tokens, size_t at, std::vector<size_t>* dimensions) {
    while (IsToken(tokens, at, "[")) {
        const size_t close = ClosingBracket(tokens, at);
        const bool number = close == at + 2 && tokens[at + 1].kind == HlslToken::Kind::Number;
        dimensions->push_back(number ? std::strtoul(tokens[at + 1].text.c_str(), nullptr, 0) : 0);
        at = close + 1;
    }
    return at;
}

void ExpressionTypes::ReadStructure(size_t at) {
    const size_t close = ClosingBracket(tokens_, at + 2);
    std::vector<struct Member> members;
    for (size_t member = at + 3; member < close;) {
        const std::string& text = tokens_[member].text;
        if (text == ";" || Listed(text, std::begin(kMemberModifiers), std::end(kMemberModifiers))) {
            ++member;
            continue;
        }
        ExpressionType type;
        size_t name = ReadType(member, &type);
        const bool method = IsIdentifier(tokens_, name) && IsToken(tokens_, name + 1, "(");
        if (method || (text == "void" && IsToken(tokens_, member + 2, "("))) {
            size_t body = ClosingBracket(tokens_, method ? name + 1 : member + 2) + 1;
            while (body < close && tokens_[body].text != "{" && tokens_[body].text != ";") {
                ++body;
            }
            member = IsToken(tokens_, body, "{") ? ClosingBracket(tokens_, body) + 1 : body + 1;
            continue;
        }
        if (name == member || !IsIdentifier(tokens_, name)) {
            return; // a member this view does not read (a texture): the structure stays unknown
        }
        for (;;) {
            ExpressionType declared = type;
            size_t next = ReadDimensions(tokens_, name + 1, &declared.dimensions);
            members.push_back({tokens_[name].text, declared});
            while (next < close && tokens_[next].text != "," && tokens_[next].text != ";") {
                ++next; // a semantic
            }
            if (next >= close || tokens_[next].text == ";" || !IsIdentifier(tokens_, next + 1)) {
                member = next + 1;
                break;
            }
            name = next + 1;
        }
    }
    structures_[tokens_[at + 1].text] = std::move(members);
}

void ExpressionTypes::ReadDeclarators(size_t nameAt, const ExpressionType& type, size_t scopeEnd) {
    for (;;) {
        ExpressionType declared = type;
        size_t next = ReadDimensions(tokens_, nameAt + 1, &declared.dimensions);
        variables_[tokens_[nameAt].text].push_back({nameAt, scopeEnd, declared});
        while (next < tokens_.size() && tokens_[next].text != "," && tokens_[next].text != ";" &&
               tokens_[next].text != ")" && tokens_[next].text != "{") {
            const std::string& text = tokens_[next].text;
            next = text == "(" || text == "[" ? ClosingBracket(tokens_, next) + 1 : next + 1;
            if (text == "=" && IsToken(tokens_, next, "{")) {
                next = ClosingBracket(tokens_, next) + 1;
            }
        }
        if (!IsToken(tokens_, next, ",") || !IsIdentifier(tokens_, next + 1) ||
            IsIdentifier(tokens_, next + 2)) {
            return;
        }
        nameAt = next + 1;
    }
}

void ExpressionTypes::Scan() {
    std::vector<size_t> blocks;    // the '{' of each enclosing scope
    std::vector<size_t> blockEnds; // its '}', found at its first declaration
    std::vector<size_t> parens;
    bool bufferBody = false; // the next '{' opens a constant buffer's members, which are global
    for (size_t at = 0; at < tokens_.size(); ++at) {
        const HlslToken& token = tokens_[at];
        const std::string& text = token.text;
        if (token.kind == HlslToken::Kind::Punctuation) {
            const char c = text[0];
            if (c != '{' && c != '}' && c != '(' && c != ')') {
                continue;
            }
            std::vector<size_t>& stack = c == '{' || c == '}' ? blocks : parens;
            if (c == '{' && bufferBody) {
                bufferBody = false;
            } else if (c == '{' || c == '(') {
                stack.push_back(at);
            } else if (!stack.empty()) {
                stack.pop_back();
            }
            blockEnds.resize(blocks.size(), 0);
            continue;
        }
        if (token.kind != HlslToken::Kind::Identifier) {
            continue;
        }
        if (text == "struct" && IsIdentifier(tokens_, at + 1) && IsToken(tokens_, at + 2, "{")) {
            ReadStructure(at);
            at = ClosingBracket(tokens_, at + 2);
            continue;
        }
        bufferBody = bufferBody || text == "cbuffer" || text == "tbuffer";
        // Modifiers are passed as the scan reaches the type; a typedef's are
        // passed here.
        size_t typeAt = at;
        if (text == "typedef") {
            for (++typeAt; IsToken(tokens_, typeAt, "row_major") ||
                           IsToken(tokens_, typeAt, "column_major") ||
                           IsToken(tokens_, typeAt, "const");) {
                ++typeAt;
            }
        }
        ExpressionType type;
        const size_t name = ReadType(typeAt, &type);
        if (name == typeAt || !IsIdentifier(tokens_, name) ||
            (at > 0 && tokens_[at - 1].text == ".")) {
            continue;
        }
        if (text == "typedef") {
            ReadDimensions(tokens_, name + 1, &type.dimensions);
            typedefs_[tokens_[name].text] = type;
        } else if (IsToken(tokens_, name + 1, "(")) {
            if (blocks.empty() && parens.empty()) {
                functions_[tokens_[name].text] = type;
            }
        } else {
            size_t scopeEnd = tokens_.size();
            if (!blocks.empty()) {
                if (blockEnds.back() == 0) {
                    blockEnds.back() = ClosingBracket(tokens_, blocks.back());
                }
                scopeEnd = blockEnds.back();
            } else if (!parens.empty()) { // a parameter, seen in its function's body
                size_t body = ClosingBracket(tokens_, parens.front());
                while (body < tokens_.size() && tokens_[body].text != "{" &&
                       tokens_[body].text != ";") {
                    ++body;
                }
                scopeEnd = IsToken(tokens_, body, "{") ? ClosingBracket(tokens_, body) : body;
            }
            ReadDeclarators(name, type, scopeEnd);
        }
        at = name;
    }
}

const ExpressionTypes::Declaration* ExpressionTypes::FindDeclaration(size_t at) const {
    auto found = variables_.find(tokens_[at].text);
    if (found == variables_.end()) {
        return nullptr;
    }
    for (auto declaration = found->second.rbegin(); declaration != found->second.rend();
         ++declaration) {
        if (declaration->at <= at && at <= declaration->scopeEnd) {
            return &*declaration;
        }
    }
    return nullptr;
}

std::optional<ExpressionType> ExpressionTypes::Variable(size_t at) const {
    const Declaration* declaration = FindDeclaration(at);
    return declaration ? std::optional<ExpressionType>(declaration->type) : std::nullopt;
}

std::optional<size_t> ExpressionTypes::DeclarationOf(size_t at) const {
    const Declaration* declaration = FindDeclaration(at);
    return declaration ? std::optional<size_t>(declaration->at) : std::nullopt;
}

namespace {

// Precedence of the binary operator at tokens[at] and its length in tokens:
// 1 for ||, up to 10 for * / %; 0 for an assignment, -1 for no operator.
std::pair<int, size_t> BinaryOperator(const Tokens& tokens, size_t at, size_t end) {
    const std::string& text = tokens[at].text;
    const std::string next =
        at + 1 < end && Adjacent(tokens[at], tokens[at + 1]) ? tokens[at + 1].text : "";
    if (text.size() != 1 || tokens[at].kind != HlslToken::Kind::Punctuation) {
        return {-1, 0};
    }
    const char c = text[0];
    if ((c == '|' || c == '&' || c == '<' || c == '>') && next == text) {
        const bool assigns = at + 2 < end && tokens[at + 2].text == "=";
        return {assigns ? 0 : c == '|' ? 1 : c == '&' ? 2 : 8, assigns ? 3 : 2};
    }
    if (next == "=") {
        if (c == '=' || c == '!') {
            return {6, 2};
        }
        return {c == '<' || c == '>' ? 7 : 0, 2};
    }
    switch (c) {
    case '=':
        return {0, 1};
    case '|':
        return {3, 1};
    case '^':
        return {4, 1};
    case '&':
        return {5, 1};
    case '<':
    case '>':
        return {7, 1};
    case '+':
    case '-':
        return {9, 1};
    case '*':
    case '/':
    case '%':
        return {10, 1};
    default:
        return {-1, 0};
    }
}

bool EndsOperand(const HlslToken& token) {
    return (token.kind == HlslToken::Kind::Identifier && token.text != "return") ||
           token.kind == HlslToken::Kind::Number || token.text == ")" || token.text == "]";
}

} // namespace

std::optional<ExpressionType> ExpressionTypes::TypeOf(size_t first, size_t end) const {
    // Splitting at operators costs the square of an expression's length:
    // longer ones are left untyped, and the rewrites leave them as written.
    constexpr size_t kLongestTyped = 1024;
    if (first >= end || end > tokens_.size() || end - first > kLongestTyped) {
        return std::nullopt;
    }
    size_t split = end;
    size_t splitLength = 0;
    int lowest = 11;
    bool operandBefore = false;
    for (size_t at = first; at < end; ++at) {
        const std::string& text = tokens_[at].text;
        if (text == "?") {
            // The condition's value does not decide the type: the branches do.
            size_t colon = at + 1;
            for (int depth = 0; colon < end; ++colon) {
                const std::string& inner = tokens_[colon].text;
                if (inner == "(" || inner == "[") {
                    colon = ClosingBracket(tokens_, colon);
                } else if (inner == "?") {
                    ++depth;
                } else if (inner == ":" && depth-- == 0) {
                    break;
                }
            }
            auto yes = TypeOf(at + 1, colon);
            auto no = TypeOf(colon + 1, end);
            return yes && no ? Promoted(*yes, *no) : std::nullopt;
        }
        if (text == "(" || text == "[") {
            const size_t close = ClosingBracket(tokens_, at);
            ExpressionType cast;
            operandBefore = text == "[" || ReadType(at + 1, &cast) != close || close == at + 1;
            at = close;
            continue;
        }
        const auto [precedence, length] =
            operandBefore ? BinaryOperator(tokens_, at, end) : std::pair<int, size_t>{-1, 0};
        if (precedence == 0) {
            return std::nullopt;
        }
        if (precedence > 0 && precedence <= lowest) {
            lowest = precedence;
            split = at;
            splitLength = length;
        }
        operandBefore = precedence < 0 && EndsOperand(tokens_[at]);
        at += length > 0 ? length - 1 : 0;
    }
    if (split == end) {
        return Operand(first, end);
    }
    auto left = TypeOf(first, split);
    auto right = TypeOf(split + splitLength, end);
    auto joined = left && right ? Promoted(*left, *right) : std::nullopt;
    if (joined && lowest >= 6 && lowest <= 7) {
        joined->base = "bool";
    }
    if (joined && lowest <= 2) {
        joined->base = "bool";
    }
    return joined;
}

std::optional<ExpressionType> ExpressionTypes::Operand(size_t first, size_t end) const {
    const std::string& text = tokens_[first].text;
    if (first + 1 < end && (text == "-" || text == "+" || text == "~" || text == "!")) {
        auto type = Operand(first + 1, end);
        if (type && text == "!") {
            type->base = "bool";
        }
        return type;
    }
    if (text == "(") {
        const size_t close = ClosingBracket(tokens_, first);
        ExpressionType cast;
        if (close > first + 1 && close + 1 < end && ReadType(first + 1, &cast) == close) {
            return Operand(close + 1, end) ? std::optional<ExpressionType>(cast) : std::nullopt;
        }
    }
    size_t next = first;
    auto type = Primary(first, &next);
    if (!type || next > end) {
        return std::nullopt;
    }
    return Postfix(*type, &next, end);
}

std::optional<ExpressionType> ExpressionTypes::Primary(size_t first, size_t* next) const {
    const HlslToken& token = tokens_[first];
    *next = first + 1;
    if (token.kind == HlslToken::Kind::Number) {
        return LiteralType(token.text);
    }
    if (token.text == "." && first + 1 < tokens_.size() &&
        tokens_[first + 1].kind == HlslToken::Kind::Number) {
        *next = first + 2;
        return Scalar("float");
    }
    if (token.text == "true" || token.text == "false") {
        return Scalar("bool");
    }
    if (token.text == "(") {
        *next = ClosingBracket(tokens_, first) + 1;
        return TypeOf(first + 1, *next - 1);
    }
    ExpressionType type;
    const size_t afterType = ReadType(first, &type);
    if (afterType > first && IsToken(tokens_, afterType, "(")) {
        *next = ClosingBracket(tokens_, afterType) + 1;
        return type; // a constructor
    }
    if (!IsIdentifier(tokens_, first)) {
        return std::nullopt;
    }
    if (IsToken(tokens_, first + 1, "(")) {
        const size_t close = ClosingBracket(tokens_, first + 1);
        *next = close + 1;
        return Call(first, close);
    }
    return Variable(first);
}

std::optional<ExpressionType> ExpressionTypes::Postfix(ExpressionType type, size_t* at,
                                                       size_t end) const {
    while (*at < end) {
        if (!type.resource.empty() && !type.IsArray()) {
            auto accessed = ResourceAccess(type, at, end);
            if (!accessed) {
                return std::nullopt;
            }
            type = *accessed;
            continue;
        }
        const std::string& text = tokens_[*at].text;
        if (text == "." && IsIdentifier(tokens_, *at + 1) && !IsToken(tokens_, *at + 2, "(")) {
            auto member = Member(type, tokens_[*at + 1].text);
            if (!member) {
                return std::nullopt;
            }
            type = *member;
            *at += 2;
        } else if (text == "[") {
            if (type.IsArray()) {
                type.dimensions.erase(type.dimensions.begin());
            } else if (type.IsMatrix()) {
                type.rows = type.columns;
                type.columns = 0;
            } else if (!type.structure && type.rows > 0) {
                type.rows = 0;
            } else {
                return std::nullopt;
            }
            *at = ClosingBracket(tokens_, *at) + 1;
        } else {
            return std::nullopt;
        }
    }
    if (!type.resource.empty()) {
        return std::nullopt; // a resource itself has no value
    }
    return type;
}

std::optional<ExpressionType> ExpressionTypes::Member(const ExpressionType& type,
                                                      const std::string& name) const {
    if (type.IsArray()) {
        return std::nullopt;
    }
    if (type.structure) {
        auto structure = structures_.find(type.base);
        if (structure == structures_.end()) {
            return std::nullopt;
        }
        for (const struct Member& member : structure->second) {
            if (member.name == name) {
                return member.type;
            }
        }
        return std::nullopt;
    }
    const int count = type.IsMatrix() ? MatrixSwizzle(name) : VectorSwizzle(name);
    if (count == 0) {
        return std::nullopt;
    }
    ExpressionType result = Scalar(type.base);
    result.rows = count > 1 ? count : 0;
    return result;
}

namespace {

std::optional<ExpressionType> ProductType(const ExpressionType& a, const ExpressionType& b) {
    if (a.IsScalar() || b.IsScalar()) {
        return Promoted(a, b);
    }
    if (a.IsArray() || b.IsArray() || a.structure || b.structure) {
        return std::nullopt;
    }
    ExpressionType result = BaseRank(a.base) >= BaseRank(b.base) ? a : b;
    if (!a.IsMatrix() && !b.IsMatrix()) {
        result.rows = 0; // a dot product
    } else if (!a.IsMatrix()) {
        result.rows = b.columns; // a row vector times a matrix
        result.columns = 0;
    } else if (!b.IsMatrix()) {
        result.rows = a.rows; // a matrix times a column vector
        result.columns = 0;
    } else {
        result.rows = a.rows;
        result.columns = b.columns;
    }
    return result;
}

} // namespace

std::optional<ExpressionType> ExpressionTypes::Call(size_t at, size_t close) const {
    const std::string& name = tokens_[at].text;
    auto function = functions_.find(name);
    if (function != functions_.end()) {
        return function->second;
    }
    std::vector<ExpressionType> arguments;
    for (size_t first = at + 2, next = first; next <= close && close < tokens_.size(); ++next) {
        const std::string& text = tokens_[next].text;
        if (text == "(" || text == "[") {
            next = ClosingBracket(tokens_, next);
        } else if (text == "," || next == close) {
            auto argument = TypeOf(first, next);
            if (!argument) {
                return std::nullopt;
            }
            arguments.push_back(*argument);
            first = next + 1;
        }
    }
    if (arguments.empty()) {
        return std::nullopt;
    }
    std::optional<ExpressionType> result = arguments[0];
    if (Listed(name, std::begin(kComponentwise), std::end(kComponentwise))) {
        for (size_t i = 1; i < arguments.size() && result; ++i) {
            result = Promoted(*result, arguments[i]);
        }
    } else if (Listed(name, std::begin(kReducing), std::end(kReducing))) {
        result->rows = result->columns = 0;
    } else if (name == "transpose" && result->IsMatrix()) {
        std::swap(result->rows, result->columns);
    } else if (name == "mul" && arguments.size() == 2) {
        result = ProductType(arguments[0], arguments[1]);
    } else if (name == "asfloat" || name == "asint" || name == "asuint") {
        result->base = name.substr(2);
    } else if (name == "any" || name == "all") {
        result = Scalar("bool");
    } else if (name != "cross") {
        return std::nullopt;
    }
    return result;
}

std::optional<Shape> ExpressionTypes::ShapeOf(const ExpressionType& type) const {
    if (!type.resource.empty()) {
        return std::nullopt; // an object, no value
    }
    Shape shape;
    if (type.structure) {
        auto structure = structures_.find(type.base);
        if (structure == structures_.end()) {
            return std::nullopt;
        }
        shape.kind = Shape::Kind::Structure;
        for (const struct Member& member : structure->second) {
            std::optional<Shape> part = ShapeOf(member.type);
            if (!part) {
                return std::nullopt;
            }
            shape.parts.push_back(std::move(*part));
            shape.names.push_back(member.name);
        }
    } else {
        const size_t components = size_t(std::max(type.rows, 1) * std::max(type.columns, 1));
        shape.parts.resize(components > 1 ? components : 0);
    }
    for (auto dimension = type.dimensions.rbegin(); dimension != type.dimensions.rend();
         ++dimension) {
        if (*dimension == 0) {
            return std::nullopt;
        }
        Shape array;
        array.kind = Shape::Kind::Array;
        array.parts.assign(*dimension, shape);
        shape = std::move(array);
    }
    return shape;
}

std::optional<std::vector<std::string>>
ExpressionTypes::Leaves(const std::string& text, const ExpressionType& type, bool toScalars) const {
    std::vector<std::string> leaves;
    auto add = [&](const std::string& part, const ExpressionType& partType) {
        auto more = Leaves(part, partType, toScalars);
        if (more) {
            leaves.insert(leaves.end(), more->begin(), more->end());
        }
        return more.has_value();
    };
    if (!type.resource.empty()) {
        return std::nullopt; // an object, no value
    }
    if (type.IsArray()) {
        ExpressionType element = type;
        element.dimensions.erase(element.dimensions.begin());
        for (size_t i = 0; i < type.dimensions[0]; ++i) {
            if (!add(text + "[" + std::to_string(i) + "]", element)) {
                return std::nullopt;
            }
        }
        return type.dimensions[0] > 0 ? std::optional(leaves) : std::nullopt;
    }
    if (type.structure) {
        auto structure = structures_.find(type.base);
        if (structure == structures_.end()) {
            return std::nullopt;
        }
        for (const struct Member& member : structure->second) {
            if (!add(text + "." + member.name, member.type)) {
                return std::nullopt;
            }
        }
        return leaves;
    }
    if (!toScalars || type.IsScalar()) {
        return std::vector<std::string>{text};
    }
    for (int row = 0; row < type.rows; ++row) {
        if (!type.IsMatrix()) {
            leaves.push_back(text + "." + "xyzw"[row]);
            continue;
        }
        for (int column = 0; column < type.columns; ++column) {
            leaves.push_back(text + "[" + std::to_string(row) + "][" + std::to_string(column) +
                             "]");
        }
    }
    return leaves;
}

const std::vector<struct ExpressionTypes::Member>*
ExpressionTypes::MembersOf(const std::string& name) const {
    auto structure = structures_.find(name);
    return structure != structures_.end() ? &structure->second : nullptr;
}

bool ExpressionTypes::Repeatable(size_t first, size_t end) const {
    for (size_t at = first; at < end && at < tokens_.size(); ++at) {
        const std::string& text = tokens_[at].text;
        const bool doubled =
            at + 1 < end && tokens_[at + 1].text == text && Adjacent(tokens_[at], tokens_[at + 1]);
        if ((text == "+" || text == "-") && doubled) {
            return false;
        }
        if (text == "=" && !doubled &&
            !(at > first && Adjacent(tokens_[at - 1], tokens_[at]) &&
              std::string("=!<>").find(tokens_[at - 1].text) != std::string::npos)) {
            return false;
        }
        if (text == "=" && doubled) {
            ++at;
        }
        if (IsIdentifier(tokens_, at) && IsToken(tokens_, at + 1, "(") &&
            functions_.count(text) != 0) {
            return false;
        }
    }
    return true;
}

namespace {
thread_local SharedExpressionTypes* g_shared = nullptr;
} // namespace

SharedExpressionTypes::SharedExpressionTypes(const Tokens& tokens)
    : tokens_(tokens), previous_(g_shared) {
    g_shared = this;
}

SharedExpressionTypes::~SharedExpressionTypes() {
    g_shared = previous_;
}

const ExpressionTypes& LazyExpressionTypes::Get() {
    if (g_shared != nullptr && &g_shared->tokens_ == &tokens_) {
        if (!g_shared->view_) {
            g_shared->view_.emplace(tokens_);
        }
        return *g_shared->view_;
    }
    if (!own_) {
        own_.emplace(tokens_);
    }
    return *own_;
}

} // namespace d3dcompiler_standin
