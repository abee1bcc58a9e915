#include "initialiser_rewrites.h"

#include <map>
#include <optional>
#include <regex>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A type as an initialiser list fills it: a scalar takes one value, anything
// else its parts in order (a vector's or matrix's components, a structure's
// members, an array's elements).
struct Shape {
    std::vector<Shape> parts; // empty for a scalar
    size_t Scalars() const {
        size_t count = parts.empty() ? 1 : 0;
        for (const Shape& part : parts) {
            count += part.Scalars();
        }
        return count;
    }
    bool HoldsAggregates() const {
        for (const Shape& part : parts) {
            if (!part.parts.empty()) {
                return true;
            }
        }
        return false;
    }
};

using Shapes = std::map<std::string, Shape>; // structure name -> shape

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
        array.parts.assign(*length, shape);
        shape = array;
    }
    return shape;
}

// "struct Name { type member[N], other; ... }": the members' shapes in order.
void ReadStructure(const Tokens& tokens, size_t at, Shapes* structures) {
    if (!IsToken(tokens, at + 2, "{")) {
        return;
    }
    const std::string name = tokens[at + 1].text;
    const size_t close = ClosingBracket(tokens, at + 2);
    Shape structure;
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
            ++next;
            std::optional<Shape> declared = WithDimensions(tokens, &next, *base);
            if (!declared) {
                return;
            }
            structure.parts.push_back(*declared);
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

// The elements of the list in braces at `open`, as token ranges; none when
// an element is itself a list in braces.
std::vector<std::pair<size_t, size_t>> FlatElements(const Tokens& tokens, size_t open,
                                                    size_t close) {
    std::vector<std::pair<size_t, size_t>> elements;
    size_t first = open + 1;
    for (size_t at = open + 1; at <= close; ++at) {
        if (tokens[at].text == "{") {
            return {};
        }
        if (tokens[at].text == "(" || tokens[at].text == "[") {
            at = ClosingBracket(tokens, at);
            continue;
        }
        if (tokens[at].text == "," || at == close) {
            if (at > first) {
                elements.emplace_back(first, at - 1);
            }
            first = at + 1;
        }
    }
    return elements;
}

std::string Nest(const Shape& shape, const std::string& source, const Tokens& tokens,
                 const std::vector<std::pair<size_t, size_t>>& elements, size_t* next) {
    if (shape.parts.empty()) {
        const auto [first, last] = elements[(*next)++];
        const size_t end = tokens[last].offset + tokens[last].text.size();
        return source.substr(tokens[first].offset, end - tokens[first].offset);
    }
    std::string text = "{";
    for (size_t i = 0; i < shape.parts.size(); ++i) {
        text += (i == 0 ? "" : ", ") + Nest(shape.parts[i], source, tokens, elements, next);
    }
    return text + "}";
}

} // namespace

void NestFlatInitialisers(const std::string& source, const std::vector<HlslToken>& tokens,
                          std::vector<TextEdit>* edits) {
    Shapes structures;
    for (size_t at = 0; at + 3 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && tokens[at + 1].kind == HlslToken::Kind::Identifier) {
            ReadStructure(tokens, at, &structures);
            continue;
        }
        // "Type name[dims] = {" with a type whose shape is known.
        if (tokens[at].kind != HlslToken::Kind::Identifier ||
            tokens[at + 1].kind != HlslToken::Kind::Identifier) {
            continue;
        }
        std::optional<Shape> base = ShapeOf(tokens[at].text, structures);
        size_t next = at + 2;
        std::optional<Shape> shape = base ? WithDimensions(tokens, &next, *base) : std::nullopt;
        if (!shape || !IsToken(tokens, next, "=") || !IsToken(tokens, next + 1, "{")) {
            continue;
        }
        const size_t open = next + 1;
        const size_t close = ClosingBracket(tokens, open);
        if (close >= tokens.size() || !shape->HoldsAggregates()) {
            continue;
        }
        const std::vector<std::pair<size_t, size_t>> elements = FlatElements(tokens, open, close);
        if (elements.size() != shape->Scalars()) {
            continue;
        }
        size_t taken = 0;
        std::string nested = Nest(*shape, source, tokens, elements, &taken);
        const size_t begin = tokens[open].offset;
        const size_t end = tokens[close].offset + 1;
        // The list's line breaks follow it, so the lines after it keep their numbers.
        for (size_t c = begin; c < end; ++c) {
            nested += source[c] == '\n' ? "\n" : "";
        }
        edits->push_back({begin, end - begin, nested});
    }
}

} // namespace d3dcompiler_standin
