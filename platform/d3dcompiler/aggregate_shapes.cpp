#include "aggregate_shapes.h"

#include <regex>

namespace d3dcompiler_standin {

using Tokens = std::vector<HlslToken>;

size_t Shape::Scalars() const {
    size_t count = parts.empty() ? 1 : 0;
    for (const Shape& part : parts) {
        count += part.Scalars();
    }
    return count;
}

bool Shape::HoldsAggregates() const {
    for (const Shape& part : parts) {
        if (!part.parts.empty()) {
            return true;
        }
    }
    return false;
}

namespace {

std::optional<Shape> NumericShape(const std::string& name) {
    static const std::regex kNumeric("(bool|int|uint|dword|half|float|double|min16float|"
                                     "min10float|min16int|min12int|min16uint)([1-4])?(x([1-4]))?");
    std::smatch match;
    if (!std::regex_match(name, match, kNumeric)) {
        return std::nullopt;
    }
    const int rows = match[2].matched ? std::stoi(match[2].str()) : 1;
    const int columns = match[4].matched ? std::stoi(match[4].str()) : 1;
    Shape shape;
    if (rows * columns > 1) {
        shape.parts.resize(static_cast<size_t>(rows * columns));
    }
    return shape;
}

} // namespace

std::optional<Shape> ShapeOf(const std::string& type, const Shapes& structures) {
    auto structure = structures.find(type);
    return structure != structures.end() ? std::optional<Shape>(structure->second)
                                         : NumericShape(type);
}

// `shape` with the array dimensions written at tokens[at...]; `at` moves past
// them. Nothing for a dimension that is not a number.
std::optional<Shape> WithDimensions(const Tokens& tokens, size_t* at, Shape shape) {
    std::vector<size_t> lengths;
    while (IsToken(tokens, *at, "[")) {
        if (*at + 2 >= tokens.size() || tokens[*at + 1].kind != HlslToken::Kind::Number ||
            tokens[*at + 2].text != "]") {
            return std::nullopt;
        }
        lengths.push_back(std::stoul(tokens[*at + 1].text));
        *at += 3;
    }
    for (auto length = lengths.rbegin(); length != lengths.rend(); ++length) {
        Shape array;
        array.kind = Shape::Kind::Array;
        array.parts.assign(*length, shape);
        shape = array;
    }
    return shape;
}

std::optional<Shape> DeclaredShape(const Tokens& tokens, size_t at, const Shapes& structures,
                                   size_t* end) {
    if (!IsIdentifier(tokens, at) || !IsIdentifier(tokens, at + 1)) {
        return std::nullopt;
    }
    std::optional<Shape> type = ShapeOf(tokens[at].text, structures);
    *end = at + 2;
    return type ? WithDimensions(tokens, end, *type) : std::nullopt;
}

// "struct Name { type member[N], other; ... }": the members' shapes in order.
void ReadStructure(const Tokens& tokens, size_t at, Shapes* structures) {
    if (!IsToken(tokens, at + 2, "{")) {
        return;
    }
    const std::string name = tokens[at + 1].text;
    const size_t close = ClosingBracket(tokens, at + 2);
    Shape structure;
    structure.kind = Shape::Kind::Structure;
    for (size_t member = at + 3; member < close;) {
        size_t type = member;
        while (type < close &&
               (tokens[type].text == "row_major" || tokens[type].text == "column_major" ||
                tokens[type].text == "nointerpolation" || tokens[type].text == "linear" ||
                tokens[type].text == "const")) {
            ++type;
        }
        std::optional<Shape> base =
            type < close ? ShapeOf(tokens[type].text, *structures) : std::nullopt;
        if (!base) {
            return; // a member this reading does not know: leave the structure unknown
        }
        size_t next = type + 1; // the first declarator's name
        for (;;) {
            const size_t name = next++;
            std::optional<Shape> declared = WithDimensions(tokens, &next, *base);
            if (!declared) {
                return;
            }
            structure.parts.push_back(*declared);
            structure.names.push_back(tokens[name].text);
            while (next < close && tokens[next].text != "," && tokens[next].text != ";") {
                ++next; // a semantic or interpolation qualifier
            }
            if (next >= close || tokens[next].text == ";") {
                break;
            }
            ++next; // past ',' to the next declarator's name
        }
        member = next + 1;
    }
    (*structures)[name] = structure;
}

} // namespace d3dcompiler_standin
