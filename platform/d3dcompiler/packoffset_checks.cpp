#include "packoffset_checks.h"
#include "function_scan.h"
#include "numeric_type_names.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A numeric type's shape; rows > 1 or columns > 1 make a matrix.
struct NumericShape {
    uint32_t componentWidth = 1; // 2 for double
    uint32_t rows = 1;
    uint32_t columns = 1;
    bool matrix = false;
};

constexpr uint32_t kMaxRegisters = 4096;

// A decimal count as written; past a million it is no real register or size.
uint32_t Count(const std::string& digits) {
    return uint32_t(std::min(std::strtoul(digits.c_str(), nullptr, 10), 1000000ul));
}

bool ParseNumericType(const std::string& type, NumericShape* shape) {
    NumericTypeName parsed;
    if (!ReadNumericTypeName(type, &parsed)) {
        return false;
    }
    shape->componentWidth = parsed.base == "double" ? 2 : 1;
    shape->matrix = parsed.columns != 0;
    shape->rows = parsed.size != 0 && shape->matrix ? uint32_t(parsed.size) : 1;
    shape->columns = parsed.columns != 0 ? uint32_t(parsed.columns)
                     : parsed.size != 0  ? uint32_t(parsed.size)
                                         : 1;
    return true;
}

// The components (register * 4 + component) a member covers from `start`,
// in one matrix order. Each array element and each matrix register starts a
// register of its own.
std::set<uint32_t> Footprint(const NumericShape& shape, uint32_t elements, uint32_t start,
                             bool rowMajor) {
    const uint32_t registers = shape.matrix ? (rowMajor ? shape.rows : shape.columns) : 1;
    const uint32_t width =
        (shape.matrix ? (rowMajor ? shape.columns : shape.rows) : shape.columns) *
        shape.componentWidth;
    const uint32_t elementRegisters = registers;
    std::set<uint32_t> covered;
    for (uint32_t element = 0; element < elements; ++element) {
        for (uint32_t r = 0; r < registers; ++r) {
            const uint32_t base = start + (element * elementRegisters + r) * 4;
            for (uint32_t c = 0; c < width; ++c) {
                covered.insert(base + c);
            }
        }
    }
    return covered;
}

struct Member {
    const HlslToken* name;
    const HlslToken* offset = nullptr; // the packoffset's register token, when placed
    std::string type;
    bool numeric = false;
    NumericShape shape;
    uint32_t elements = 1;
    int majorness = 0;  // 1 row_major, -1 column_major, 0 not written
    uint32_t start = 0; // register * 4 + component
};

void Report(std::string* errors, const HlslToken& at, const std::string& message) {
    *errors += SourceError(at, message, "X3530") + "\n";
}

// "packoffset(c2.y)": the start component, or false (reported) when the
// offset is no constant register with at most one component letter.
bool ReadOffset(const Tokens& tokens, size_t open, Member* member, std::string* errors) {
    const size_t close = ClosingBracket(tokens, open);
    if (close >= tokens.size() || close == open + 1) {
        return false;
    }
    const HlslToken& reg = tokens[open + 1];
    const bool component = close == open + 4 && tokens[open + 2].text == ".";
    if (close != open + 2 && !component) {
        return false; // not a register and component: a syntax error for the front end
    }
    const std::string written = reg.text + (component ? "." + tokens[open + 3].text : "");
    static const std::regex kOffset("[cC]([0-9]+)(\\.([xyzwrgba]))?");
    std::smatch match;
    if (!std::regex_match(written, match, kOffset)) {
        Report(errors, reg, "register or offset bind " + written + " not valid");
        return false;
    }
    static const std::string kLetters = "xyzwrgba";
    const uint32_t first = match[3].matched ? uint32_t(kLetters.find(match[3].str()[0]) % 4) : 0;
    member->start = Count(match[1].str()) * 4 + first;
    member->offset = &reg;
    const bool crosses = member->numeric && !member->shape.matrix && member->elements == 1 &&
                         first + member->shape.columns * member->shape.componentWidth > 4;
    if (first != 0 && (crosses || !member->numeric)) {
        Report(errors, reg, "register or offset bind " + written + " not valid");
        return false;
    }
    return true;
}

// The members of the buffer body (open, close): one per declarator.
std::vector<Member> ReadMembers(const Tokens& tokens, size_t open, size_t close,
                                const std::set<std::string>& structs, std::string* errors) {
    std::vector<Member> members;
    size_t at = open + 1;
    while (at < close) {
        int majorness = 0;
        bool skipped = false;
        for (; at < close && tokens[at].kind == HlslToken::Kind::Identifier; ++at) {
            const std::string& word = tokens[at].text;
            if (word == "row_major" || word == "column_major") {
                majorness = word == "row_major" ? 1 : -1;
            } else if (word == "static") {
                skipped = true;
            } else if (word != "uniform" && word != "const" && word != "precise") {
                break;
            }
        }
        const std::string type = at < close ? tokens[at].text : "";
        NumericShape shape;
        const bool numeric = ParseNumericType(type, &shape);
        skipped |= !numeric && structs.count(type) == 0;
        ++at;
        while (at < close && tokens[at].text != ";") {
            Member member{&tokens[at], nullptr, type, numeric, shape, 1, majorness, 0};
            size_t next = at + 1;
            for (; IsToken(tokens, next, "["); next = ClosingBracket(tokens, next) + 1) {
                // Only a literal count is read; other sizes leave the member unjudged.
                const std::string& count = tokens[std::min(next + 1, close)].text;
                member.elements = std::isdigit(uint8_t(count[0])) ? Count(count) : 0;
                // Past a constant buffer's 4096 registers: refused for its size elsewhere.
                member.elements = member.elements > kMaxRegisters ? 0 : member.elements;
            }
            bool placed = true;
            for (; next < close && tokens[next].text != "," && tokens[next].text != ";"; ++next) {
                if (tokens[next].text == "packoffset" && IsToken(tokens, next + 1, "(")) {
                    placed = ReadOffset(tokens, next + 1, &member, errors);
                }
                if (tokens[next].text == "(" || tokens[next].text == "{") {
                    next = ClosingBracket(tokens, next);
                }
            }
            if (!skipped && placed) {
                members.push_back(member);
            }
            at = IsToken(tokens, next, ",") ? next + 1 : next;
        }
        ++at;
    }
    return members;
}

// For each member, the earlier members it shares a component with when
// matrices without an order of their own are laid out `rowMajor`.
std::vector<std::set<size_t>> Collisions(const std::vector<Member>& members, bool rowMajor) {
    std::vector<std::set<size_t>> collisions(members.size());
    std::map<uint32_t, size_t> owners; // component -> first member on it
    for (size_t i = 0; i < members.size(); ++i) {
        const Member& member = members[i];
        if (!member.numeric || member.elements == 0) {
            continue;
        }
        const bool order = member.majorness != 0 ? member.majorness > 0 : rowMajor;
        for (uint32_t component : Footprint(member.shape, member.elements, member.start, order)) {
            auto [owner, inserted] = owners.insert({component, i});
            if (!inserted) {
                collisions[i].insert(owner->second);
            }
        }
    }
    return collisions;
}

void CheckBuffer(const Tokens& tokens, const TypeBody& body, const std::set<std::string>& structs,
                 std::string* errors) {
    const std::vector<Member> members = ReadMembers(tokens, body.open, body.close, structs, errors);
    const auto packed = std::count_if(members.begin(), members.end(),
                                      [](const Member& m) { return m.offset != nullptr; });
    if (packed != 0 && size_t(packed) != members.size()) {
        auto unpacked = std::find_if(members.begin(), members.end(),
                                     [](const Member& m) { return m.offset == nullptr; });
        Report(errors, *unpacked->name,
               "cannot mix packoffset elements with nonpackoffset elements in a cbuffer");
        return;
    }
    if (packed == 0) {
        return;
    }
    // Two members overlap when they do whichever order the matrices take.
    const std::vector<std::set<size_t>> columns = Collisions(members, false);
    const std::vector<std::set<size_t>> rows = Collisions(members, true);
    for (size_t i = 0; i < members.size(); ++i) {
        if (std::any_of(columns[i].begin(), columns[i].end(),
                        [&](size_t j) { return rows[i].count(j) != 0; })) {
            *errors += SourceError(*members[i].offset,
                                   "multiple variables found with the same user-specified "
                                   "location",
                                   "X4019") +
                       "\n";
        }
    }
}

// "uniform float4 tint : packoffset(c1)" in a parameter list: Microsoft's
// packoffset page: "A uniform constant cannot be manually offset" (the words
// are our own; fxc's were not found).
void CheckParameterPackOffsets(const Tokens& tokens, std::string* errors) {
    size_t braces = 0;
    size_t parentheses = 0;
    for (const HlslToken& token : tokens) {
        const std::string& text = token.text;
        if (token.kind == HlslToken::Kind::Punctuation) {
            braces += text[0] == '{';
            braces -= text[0] == '}' && braces > 0;
            parentheses += text[0] == '(';
            parentheses -= text[0] == ')' && parentheses > 0;
        } else if (braces == 0 && parentheses > 0 && text[0] == 'p' && text == "packoffset") {
            Report(errors, token, "uniform parameters cannot be manually offset");
        }
    }
}

} // namespace

void CheckPackOffsets(const Tokens& tokens, std::string* errors) {
    CheckParameterPackOffsets(tokens, errors);
    const std::vector<TypeBody> bodies = FindTypeBodies(tokens);
    std::set<std::string> structs;
    for (const TypeBody& body : bodies) {
        if (!body.buffer && body.open >= 1 &&
            tokens[body.open - 1].kind == HlslToken::Kind::Identifier) {
            structs.insert(tokens[body.open - 1].text);
        }
    }
    for (const TypeBody& body : bodies) {
        if (body.buffer && body.close < tokens.size()) {
            CheckBuffer(tokens, body, structs, errors);
        }
    }
}

} // namespace d3dcompiler_standin
