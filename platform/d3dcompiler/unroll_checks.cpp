#include "unroll_checks.h"
#include "function_scan.h"
#include "loop_iterations.h"
#include "numeric_type_names.h"

#include <set>
#include <strings.h>
#include <utility>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
constexpr int64_t kUnrollLimit = 1024;

// Scalars the program sets: "type name;" in a constant buffer, or at global
// scope without static, const or groupshared.
std::set<std::string> ProgramConstants(const Tokens& tokens) {
    std::vector<int> buffer(tokens.size(), 0);
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        for (size_t at = body.open; at <= body.close && at < tokens.size(); ++at) {
            buffer[at] = body.buffer ? 1 : -1;
        }
    }
    std::set<std::string> names;
    int depth = 0;
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        depth += tokens[at].text == "{";
        depth -= tokens[at].text == "}";
        NumericTypeName type;
        if (!ReadNumericTypeName(tokens[at - 1].text, &type) || !IsIdentifier(tokens, at) ||
            !IsToken(tokens, at + 1, ";")) {
            continue;
        }
        const std::string& before = at >= 2 ? tokens[at - 2].text : ";";
        const bool global =
            depth == 0 && before != "static" && before != "const" && before != "groupshared";
        if (buffer[at] == 1 || global) {
            names.insert(tokens[at].text);
        }
    }
    return names;
}

// The condition of the for statement whose '(' is at `open`: [first, end).
std::pair<size_t, size_t> Condition(const Tokens& tokens, size_t open) {
    const size_t close = ClosingBracket(tokens, open);
    size_t first = 0;
    for (size_t at = open + 1; at < close && at < tokens.size(); ++at) {
        if (tokens[at].text == "(") {
            at = ClosingBracket(tokens, at);
        } else if (tokens[at].text == ";") {
            if (first != 0) {
                return {first, at};
            }
            first = at + 1;
        }
    }
    return {0, 0};
}

bool IsComparison(const std::string& text) {
    return text == "<" || text == ">" || text == "<=" || text == ">=" || text == "!=";
}

} // namespace

void CheckUnrolledLoopBounds(const Tokens& tokens, std::string* errors) {
    std::set<std::string> constants;
    bool read = false;
    for (size_t at = 0; at + 4 < tokens.size(); ++at) {
        if (tokens[at].text != "[" || strcasecmp(tokens[at + 1].text.c_str(), "unroll") != 0 ||
            !IsToken(tokens, at + 2, "]") || !IsToken(tokens, at + 4, "(") ||
            (tokens[at + 3].text != "for" && tokens[at + 3].text != "while")) {
            continue;
        }
        if (!read) {
            constants = ProgramConstants(tokens);
            read = true;
        }
        // A for statement's condition is its second part, a while's the whole.
        auto [first, end] = tokens[at + 3].text == "for"
                                ? Condition(tokens, at + 4)
                                : std::make_pair(at + 5, ClosingBracket(tokens, at + 4));
        // "i < count" or "i <= count": a name compared with a program constant.
        size_t op = first + 1;
        if (op < end && (tokens[op].text == "<" || tokens[op].text == ">") &&
            IsToken(tokens, op + 1, "=") && Adjacent(tokens[op], tokens[op + 1])) {
            ++op;
        }
        const bool programBound = end == op + 2 && IsIdentifier(tokens, first) &&
                                  IsComparison(tokens[first + 1].text) &&
                                  constants.count(tokens[end - 1].text) != 0;
        // Past 1024 iterations the compiler stops unrolling; [unroll(n)] lifts that.
        const std::optional<int64_t> iterations =
            tokens[at + 3].text == "for" ? LiteralIterations(tokens, at + 3) : std::nullopt;
        if (programBound || (iterations && *iterations > kUnrollLimit)) {
            *errors += SourceError(tokens[at + 3],
                                   "unable to unroll loop, loop does not appear to terminate "
                                   "in a timely manner (1024 iterations) or unrolled loop is too "
                                   "large, use the [unroll(n)] attribute to force an exact higher "
                                   "number",
                                   "X3511") +
                       "\n";
        }
    }
}

} // namespace d3dcompiler_standin
