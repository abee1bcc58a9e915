#include "aggregate_shapes.h"
#include "numeric_type_names.h"

#include <algorithm>

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
    NumericTypeName parsed;
    if (!ReadNumericTypeName(name, &parsed)) {
        return std::nullopt;
    }
    const int rows = parsed.size != 0 ? parsed.size : 1;
    const int columns = parsed.columns != 0 ? parsed.columns : 1;
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
// them. Nothing for a dimension that is not a number or is past 65536.
std::optional<Shape> WithDimensions(const Tokens& tokens, size_t* at, Shape shape) {
    const size_t first = *at;
    *at = AfterDimensions(tokens, first);
    if (IsToken(tokens, *at, "[")) {
        return std::nullopt;
    }
    for (size_t length = *at; length > first; length -= 3) {
        // Windows refuses a dimension past 65536 (X3059, array_size_checks.cpp);
        // laying out such an array would only exhaust the compile's memory.
        const std::string& dimension = tokens[length - 2].text;
        const size_t digits = std::min(dimension.find_first_not_of("0123456789"), dimension.size());
        if (digits > 5 || std::stoul(dimension) > 65536) {
            return std::nullopt;
        }
        Shape array;
        array.kind = Shape::Kind::Array;
        array.parts.assign(std::stoul(dimension), shape);
        shape = std::move(array);
    }
    return shape;
}

size_t AfterDimensions(const Tokens& tokens, size_t at) {
    while (IsToken(tokens, at, "[") && at + 2 < tokens.size() &&
           tokens[at + 1].kind == HlslToken::Kind::Number && tokens[at + 2].text == "]") {
        at += 3;
    }
    return at;
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
std::vector<std::pair<size_t, size_t>> ListElements(const Tokens& tokens, size_t open, size_t close,
                                                    bool* nested) {
    std::vector<std::pair<size_t, size_t>> elements;
    *nested = false;
    size_t first = open + 1;
    for (size_t at = open + 1; at <= close && at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[") {
            at = ClosingBracket(tokens, at);
            continue;
        }
        const bool inner = at != close && (text == "{" || text == "}");
        if (inner &&
            (text == "{" ? at > first : tokens[at + 1].text != "," && tokens[at + 1].text != "}")) {
            return {}; // "{1 {2}}", "{{1} 2}": no list HLSL reads
        }
        *nested = *nested || inner;
        if (inner || text == "," || at == close) {
            if (at > first) {
                elements.emplace_back(first, at);
            }
            first = at + 1;
        }
    }
    return elements;
}

size_t NameBeforeInitialiser(const Tokens& tokens, size_t equals) {
    size_t at = equals;
    while (at > 0 && tokens[at - 1].text == "]") {
        int depth = 0;
        do {
            --at;
            depth += tokens[at].text == "]" ? 1 : tokens[at].text == "[" ? -1 : 0;
        } while (at > 0 && depth > 0);
    }
    return at > 0 && IsIdentifier(tokens, at - 1) ? at - 1 : tokens.size();
}

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
            structure.parts.push_back(std::move(*declared));
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
    (*structures)[name] = std::move(structure);
}

} // namespace d3dcompiler_standin
