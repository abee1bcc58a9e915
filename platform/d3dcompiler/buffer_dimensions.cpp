#include "buffer_dimensions.h"
#include "expression_types.h"
#include "numeric_type_names.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <map>
#include <set>
#include <string>

namespace d3dcompiler_standin {
namespace {

bool IsStructuredBufferType(const std::string& text) {
    return text.size() > 15 && text.back() == 'r' &&
           (text == "StructuredBuffer" || text == "RWStructuredBuffer" ||
            text == "AppendStructuredBuffer" || text == "ConsumeStructuredBuffer");
}

// The start of the object before `dot`: a name, or an element of an array of
// them; tokens.size() for anything else.
size_t ObjectBefore(const std::vector<HlslToken>& tokens, size_t dot) {
    size_t object = dot - 1;
    if (tokens[object].text == "]") {
        object = OpeningBracket(tokens, object);
        object = object > 0 && object < tokens.size() ? object - 1 : tokens.size();
    }
    if (object >= tokens.size() || !IsIdentifier(tokens, object) ||
        (object > 0 && tokens[object - 1].text == ".")) {
        return tokens.size();
    }
    return object;
}

// Where `name.GetDimensions(` has its dot, for each call.
std::vector<size_t> GetDimensionsCalls(const std::vector<HlslToken>& tokens) {
    std::vector<size_t> dots;
    for (size_t dot = 1; dot + 2 < tokens.size(); ++dot) {
        if (tokens[dot].text == "." && tokens[dot + 1].text == "GetDimensions" &&
            tokens[dot + 2].text == "(") {
            dots.push_back(dot);
        }
    }
    return dots;
}

// The element type of each name declared "StructuredBuffer<T> name" (and the
// other structured kinds), T a numeric type or a structure's name.
std::map<std::string, ExpressionType>
StructuredBufferElements(const std::vector<HlslToken>& tokens) {
    std::map<std::string, ExpressionType> elements;
    for (size_t at = 0; at + 4 < tokens.size(); ++at) {
        if (!IsStructuredBufferType(tokens[at].text) || tokens[at + 1].text != "<" ||
            !IsIdentifier(tokens, at + 2) || tokens[at + 3].text != ">" ||
            !IsIdentifier(tokens, at + 4)) {
            continue;
        }
        ExpressionType element;
        NumericTypeName numeric;
        if (ReadNumericTypeName(tokens[at + 2].text, &numeric)) {
            element.base = std::string(numeric.base);
            element.rows = numeric.size;
            element.columns = numeric.columns;
        } else {
            element.base = tokens[at + 2].text;
            element.structure = true;
        }
        elements[tokens[at + 4].text] = element;
    }
    return elements;
}

bool IsRawBufferType(const std::string& text) {
    return text.size() > 16 && text.back() == 'r' &&
           (text == "ByteAddressBuffer" || text == "RWByteAddressBuffer");
}

// The names declared of either raw buffer type (globals and parameters), with
// their type.
std::map<std::string, std::string> RawBufferNames(const std::vector<HlslToken>& tokens) {
    std::map<std::string, std::string> names;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (IsRawBufferType(tokens[at].text) && IsIdentifier(tokens, at + 1)) {
            names[tokens[at + 1].text] = tokens[at].text;
        }
    }
    return names;
}

std::string Helper(const std::string& type) {
    const std::string name = "standin_" + type + "_dimensions";
    return "#ifndef " + name + "_defined\n#define " + name + "_defined\nvoid " + name + "(" + type +
           " raw, out uint bytes) { raw.GetDimensions(bytes); bytes *= 4; }\n#endif\n";
}

std::optional<size_t> PackedBytes(const std::vector<HlslToken>& tokens, const std::string& type,
                                  int depth);

// The bytes of the members of the structure whose body opens at `open`.
std::optional<size_t> MemberBytes(const std::vector<HlslToken>& tokens, size_t open, int depth) {
    const size_t close = ClosingBracket(tokens, open);
    size_t bytes = 0;
    for (size_t at = open + 1; at < close; ++at) {
        while (at < close && (tokens[at].text == "row_major" || tokens[at].text == "column_major" ||
                              tokens[at].text == "precise")) {
            ++at;
        }
        if (at + 1 >= close || !IsIdentifier(tokens, at + 1)) {
            return std::nullopt;
        }
        std::optional<size_t> member = PackedBytes(tokens, tokens[at].text, depth + 1);
        at += 2;
        for (; member && at + 2 < close && tokens[at].text == "["; at += 3) {
            const unsigned long count = std::strtoul(tokens[at + 1].text.c_str(), nullptr, 10);
            member = tokens[at + 2].text == "]" && count > 0 ? std::optional(*member * count)
                                                             : std::nullopt;
        }
        while (member && at < close && tokens[at].text != ";") {
            ++at; // a semantic or packoffset
        }
        if (!member) {
            return std::nullopt;
        }
        bytes += *member;
    }
    return bytes;
}

// The bytes Direct3D packs a structured buffer's element of `type` in: every
// component 4 bytes, a double's 8, with no padding; none for a type not read.
std::optional<size_t> PackedBytes(const std::vector<HlslToken>& tokens, const std::string& type,
                                  int depth) {
    NumericTypeName numeric;
    if (ReadNumericTypeName(type, &numeric)) {
        const size_t components = size_t(std::max(1, numeric.size) * std::max(1, numeric.columns));
        return components * (numeric.base == "double" ? 8 : 4);
    }
    for (size_t at = 0; depth < 8 && at + 2 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && tokens[at + 1].text == type &&
            tokens[at + 2].text == "{") {
            return MemberBytes(tokens, at + 2, depth);
        }
    }
    return std::nullopt;
}

} // namespace

void ScaleRawBufferDimensions(const std::vector<HlslToken>& tokens, std::vector<TextEdit>* edits) {
    const std::map<std::string, std::string> names = RawBufferNames(tokens);
    if (names.empty()) {
        return;
    }
    std::set<std::string> helpers;
    for (size_t dot : GetDimensionsCalls(tokens)) {
        const size_t object = ObjectBefore(tokens, dot);
        const auto named = object < tokens.size() ? names.find(tokens[object].text) : names.end();
        if (named == names.end()) {
            continue;
        }
        helpers.insert(Helper(named->second));
        edits->push_back({tokens[object].offset, 0, "standin_" + named->second + "_dimensions("});
        const size_t end = tokens[dot + 2].offset + 1;
        edits->push_back({tokens[dot].offset, end - tokens[dot].offset, ", "});
    }
    std::string definitions;
    for (const std::string& helper : helpers) {
        definitions += helper;
    }
    if (!definitions.empty()) {
        edits->push_back({0, 0, definitions + "#line 1\n"});
    }
}

void PackStructuredBufferStrides(const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits) {
    const std::map<std::string, ExpressionType> elements = StructuredBufferElements(tokens);
    if (elements.empty()) {
        return;
    }
    const bool doubles = std::any_of(tokens.begin(), tokens.end(), [](const HlslToken& token) {
        return token.text.find("double") != std::string::npos; // 8-byte components
    });
    LazyExpressionTypes types(tokens);
    for (size_t dot : GetDimensionsCalls(tokens)) {
        const size_t object = ObjectBefore(tokens, dot);
        const auto element =
            object < tokens.size() ? elements.find(tokens[object].text) : elements.end();
        const size_t close = ClosingBracket(tokens, dot + 2);
        if (element == elements.end() || close + 1 >= tokens.size()) {
            continue;
        }
        size_t comma = close;
        while (comma > dot + 2 && tokens[comma].text != ",") {
            --comma;
        }
        const ExpressionType& type = element->second;
        std::optional<size_t> bytes;
        if (doubles) {
            bytes = PackedBytes(tokens, type.structure ? type.base : type.NumericName(), 0);
        } else if (const std::optional<Shape> shape = types->ShapeOf(type)) {
            bytes = shape->Scalars() * 4;
        }
        if (comma == dot + 2 || !bytes) {
            continue;
        }
        const std::string assignment =
            ExpressionText(tokens, comma + 1, close, true) + " = " + std::to_string(*bytes);
        // A statement of its own, which may take a statement after it, gets
        // the assignment after it; a call in a for statement's clauses or a
        // comma expression, the assignment after a comma.
        const std::string before = object > 0 ? tokens[object - 1].text : ";";
        const bool statement = (before == ";" || before == "{" || before == "}" || before == ")" ||
                                before == "else") &&
                               tokens[close + 1].text == ";";
        edits->push_back({tokens[object].offset, 0, statement ? "{ " : "("});
        edits->push_back(statement
                             ? TextEdit{tokens[close + 1].offset + 1, 0, " " + assignment + "; }"}
                             : TextEdit{tokens[close].offset + 1, 0, ", " + assignment + ")"});
    }
}

} // namespace d3dcompiler_standin
