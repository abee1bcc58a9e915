#include "return_messages.h"

#include "expression_types.h"
#include "numeric_type_names.h"

#include <cstdlib>
#include <optional>
#include <sstream>

namespace d3dcompiler_standin {

namespace {

const char kGlslangWords[] =
    "error: 'return' : type does not match, or is not convertible to, the function's return "
    "type";
const char kAssignmentWords[] = "error: '' : could not create assignment";
const char kCastWords[] = "error: 'constructor' : can't convert";
const char kConstructorWords[] =
    "error X3014: incorrect number of arguments to numeric-type constructor";
const char kStructureWords[] = "error X3017: cannot implicitly convert from 'structure{";
// glslang's own X3017 names the types it read, in which the rewrites spell
// a matrix of one row or column as a vector: the main file as written names
// the matrix.
const char kImplicitWords[] = "error X3017: cannot implicitly convert from '";
const char kFieldCountWords[] =
    "error: 'constructor' : Number of constructor parameters does not match the number of "
    "structure fields";

// fxc's spelling of a type: "float", "float3", "float4x4", "struct Pair",
// "int[2]".
std::string Spelled(const ExpressionType& type) {
    std::string name = type.structure ? "struct " : "";
    name += type.structure ? type.base : type.NumericName();
    for (size_t dimension : type.dimensions) {
        name += '[';
        name += std::to_string(dimension);
        name += ']';
    }
    return name;
}

// The return type of the function whose body holds `at`, as its header
// writes it in one name ("float4", "Pair"); "" where it cannot tell.
std::string ReturnTypeAround(const std::vector<HlslToken>& tokens, size_t at) {
    size_t depth = 0;
    size_t open = at;
    while (open > 0) {
        --open;
        const std::string& text = tokens[open].text;
        depth += text == "}";
        if (text == "{" && depth-- == 0 && open > 0) {
            break;
        }
    }
    // "type Name(params) [: SEMANTIC] {"
    size_t close = open;
    while (close > 0 && tokens[close].text != ")") {
        --close;
    }
    const size_t paren = OpeningBracket(tokens, close);
    if (paren < 2 || !IsIdentifier(tokens, paren - 1) || !IsIdentifier(tokens, paren - 2)) {
        return "";
    }
    return tokens[paren - 2].text;
}

// The type `name` names: numeric, or a structure `types` knows.
std::optional<ExpressionType> TypeNamed(const std::string& name, const ExpressionTypes& types) {
    ExpressionType type;
    NumericTypeName numeric;
    if (ReadNumericTypeName(name, &numeric)) {
        type.base = std::string(numeric.base);
        type.rows = numeric.size;
        type.columns = numeric.columns;
        return type;
    }
    type.base = name;
    type.structure = true;
    if (!types.ShapeOf(type)) {
        return std::nullopt;
    }
    return type;
}

// Windows' X3017 line for a value of type `from` given to `to`; "" where
// either is not known or they match. Where a structure or array is involved
// fxc says "cannot implicitly convert" when `to` has more components than
// `from`, else "cannot convert" (its words as DirectXShaderCompiler's
// more-operators.hlsl records them); between numeric types the first.
std::string Conversion(const std::optional<ExpressionType>& from,
                       const std::optional<ExpressionType>& to, const ExpressionTypes& types) {
    if (!from || !to) {
        return "";
    }
    const std::string fromName = Spelled(*from);
    const std::string toName = Spelled(*to);
    if (fromName == toName || fromName.empty() || toName.empty()) {
        return "";
    }
    bool implicitly = true;
    if (from->structure || to->structure || from->IsArray() || to->IsArray()) {
        const std::optional<Shape> fromShape = types.ShapeOf(*from);
        const std::optional<Shape> toShape = types.ShapeOf(*to);
        if (!fromShape || !toShape) {
            return "";
        }
        implicitly = toShape->Scalars() > fromShape->Scalars();
    }
    return std::string("error X3017: cannot ") + (implicitly ? "implicitly " : "") +
           "convert from '" + fromName + "' to '" + toName + "'";
}

// The '=' of a further assignment in tokens[first, end) outside brackets
// ("b = c" of "a = b = c"), or `end`.
size_t ChainedAssignment(const std::vector<HlslToken>& tokens, size_t first, size_t end) {
    for (size_t at = first; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[") {
            at = ClosingBracket(tokens, at);
            continue;
        }
        const bool joined =
            (at > first && Adjacent(tokens[at - 1], tokens[at]) &&
             std::string("=!<>").find(tokens[at - 1].text) != std::string::npos) ||
            (at + 1 < end && Adjacent(tokens[at], tokens[at + 1]) && tokens[at + 1].text == "=");
        if (text == "=" && !joined) {
            return at;
        }
    }
    return end;
}

// The statement at `line` of `file` that assigns or initialises a value:
// Windows' line for its conversion. In "a = b = c" a takes b's type.
std::string AssignmentAt(const std::vector<HlslToken>& tokens, const ExpressionTypes& types,
                         const std::string& file, uint32_t line) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "=" || tokens[at].line != line || tokens[at].file != file) {
            continue;
        }
        size_t start = at;
        while (start > 0 && tokens[start - 1].text != ";" && tokens[start - 1].text != "{" &&
               tokens[start - 1].text != "}") {
            --start;
        }
        size_t end = at + 1;
        while (end < tokens.size() && tokens[end].text != ";") {
            ++end;
        }
        const bool declaration = at == start + 2 && IsIdentifier(tokens, start);
        const std::optional<ExpressionType> to =
            declaration ? TypeNamed(tokens[start].text, types) : types.TypeOf(start, at);
        return Conversion(types.TypeOf(at + 1, ChainedAssignment(tokens, at + 1, end)), to, types);
    }
    return "";
}

// Windows' line for the return at `line` of `file`, "" where the types are
// not known or match.
std::string ConversionAt(const std::vector<HlslToken>& tokens, const ExpressionTypes& types,
                         const std::string& file, uint32_t line) {
    for (size_t at = 0; at < tokens.size(); ++at) {
        if (tokens[at].text != "return" || tokens[at].line != line || tokens[at].file != file) {
            continue;
        }
        size_t end = at + 1;
        while (end < tokens.size() && tokens[end].text != ";") {
            ++end;
        }
        const std::string to = ReturnTypeAround(tokens, at);
        if (to.empty()) {
            return "";
        }
        return Conversion(types.TypeOf(at + 1, end), TypeNamed(to, types), types);
    }
    return "";
}

// What glslang says where a conversion fails without naming the types as
// fxc does: a return, an assignment of aggregates, a structure's spelling.
bool NamesNoTypes(const std::string& line) {
    return line.find(kGlslangWords) != std::string::npos ||
           line.find(kAssignmentWords) != std::string::npos ||
           line.find(kStructureWords) != std::string::npos ||
           line.find(kImplicitWords) != std::string::npos ||
           line.find(kCastWords) != std::string::npos ||
           line.find(kConstructorWords) != std::string::npos ||
           line.find(kFieldCountWords) != std::string::npos;
}

// Components a value of `type` holds; 0 where the view cannot tell.
size_t Components(const ExpressionType& type, const ExpressionTypes& types) {
    const std::optional<Shape> shape = types.ShapeOf(type);
    return shape ? shape->Scalars() : 0;
}

// The cast "(int2)name" of an aggregate, or of a vector or matrix to a type
// of more components ("(float4)v.xy"), at `line` of `file`: fxc's words for an
// explicit conversion it refuses (glslang's, "can't convert" or too few values
// for the constructor, name no types); "" where the line has none.
std::string CastAt(const std::vector<HlslToken>& tokens, const ExpressionTypes& types,
                   const std::string& file, uint32_t line) {
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        if (tokens[at].text != "(" || tokens[at].line != line || tokens[at].file != file ||
            tokens[at + 2].text != ")") {
            continue;
        }
        const size_t end = PostfixOperandEnd(tokens, at + 3);
        const std::optional<ExpressionType> from =
            end > at + 3 ? types.TypeOf(at + 3, end) : std::nullopt;
        const std::optional<ExpressionType> to = TypeNamed(tokens[at + 1].text, types);
        if (!from || !to) {
            continue;
        }
        const bool aggregate = from->structure || from->IsArray();
        const bool widened = !from->IsScalar() && Components(*to, types) > Components(*from, types);
        if (aggregate || widened) {
            return "error X3017: cannot convert from '" + Spelled(*from) + "' to '" + Spelled(*to) +
                   "'";
        }
    }
    return "";
}

bool IsOwnConversion(const std::string& line) {
    return line.find(kImplicitWords) != std::string::npos &&
           line.find(kStructureWords) == std::string::npos;
}

// The X3017 line of the assignment at `line` of `file` as the main file's
// declarations as written tell it, where it converts from a matrix; "" for
// any other.
std::string WrittenMatrixConversion(const WrittenSource& written, const std::string& file,
                                    uint32_t line) {
    if (file != written.path) {
        return "";
    }
    const std::vector<HlslToken> tokens = TokenizePreprocessedHlsl(written.text, written.path);
    const std::string windows = AssignmentAt(tokens, ExpressionTypes(tokens), file, line);
    const size_t open = windows.find('\'');
    const size_t close = open == std::string::npos ? open : windows.find('\'', open + 1);
    const bool fromMatrix = close != std::string::npos &&
                            LooksLikeMatrixType(windows.substr(open + 1, close - open - 1));
    return fromMatrix ? windows : "";
}

} // namespace

std::string RewordReturnConversions(const std::string& messages,
                                    const std::vector<HlslToken>& tokens,
                                    const WrittenSource& written) {
    if (!NamesNoTypes(messages)) {
        return messages;
    }
    const ExpressionTypes types(tokens);
    std::istringstream input(messages);
    std::string out;
    for (std::string line; std::getline(input, line);) {
        const bool isReturn = line.find(kGlslangWords) != std::string::npos;
        const size_t words = line.find(": error");
        const size_t open = !NamesNoTypes(line) ? std::string::npos : line.rfind('(', words);
        const size_t close = open == std::string::npos ? open : line.find(')', open);
        std::string windows;
        std::string number;
        if (close != std::string::npos && close < words) {
            const std::string position = line.substr(open + 1, close - open - 1);
            number = position.substr(0, position.find(','));
            const std::string file = line.substr(0, open);
            const uint32_t at = uint32_t(std::strtoul(number.c_str(), nullptr, 10));
            windows = isReturn ? ConversionAt(tokens, types, file, at)
                      : line.find(kCastWords) != std::string::npos ||
                              line.find(kConstructorWords) != std::string::npos ||
                              line.find(kFieldCountWords) != std::string::npos
                          ? CastAt(tokens, types, file, at)
                          : AssignmentAt(tokens, types, file, at);
            if (IsOwnConversion(line) || line.find(kAssignmentWords) != std::string::npos) {
                const std::string matrix = WrittenMatrixConversion(written, file, at);
                windows = !matrix.empty() ? matrix : IsOwnConversion(line) ? "" : windows;
            }
        }
        out += windows.empty() ? line : line.substr(0, open) + "(" + number + "): " + windows;
        out += "\n";
    }
    return out;
}

} // namespace d3dcompiler_standin
