#include "initialisation_checks.h"
#include "function_scan.h"
#include "numeric_type_names.h"
#include "warning_lines.h"

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

std::set<std::string> StructureNames(const Tokens& tokens) {
    std::set<std::string> names;
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        if (!body.buffer && body.open >= 1 && IsIdentifier(tokens, body.open - 1)) {
            names.insert(tokens[body.open - 1].text);
        }
    }
    return names;
}

// "type name;" at `type`, alone in its statement and without static.
bool DeclaresWithoutValue(const Tokens& tokens, size_t type,
                          const std::set<std::string>& structures) {
    NumericTypeName numeric;
    const std::string& before = tokens[type - 1].text;
    return (before == ";" || before == "{" || before == "}") && IsIdentifier(tokens, type + 1) &&
           IsToken(tokens, type + 2, ";") &&
           (ReadNumericTypeName(tokens[type].text, &numeric) ||
            structures.count(tokens[type].text));
}

// "type name;" at `type` in a body, alone in its statement and without
// static: two names and a semicolon declare, whatever the type.
bool DeclaresLocalWithoutValue(const Tokens& tokens, size_t type) {
    const std::string& before = tokens[type - 1].text;
    const std::string& text = tokens[type].text;
    return (before == ";" || before == "{" || before == "}") && IsIdentifier(tokens, type) &&
           IsIdentifier(tokens, type + 1) && IsToken(tokens, type + 2, ";") && text != "return" &&
           text != "else" && text != "goto";
}

// Whether the use of a variable at `at` may write it: an assignment or an
// increment after its members and indices, an increment before it, or an
// argument of a call (which may be out).
bool MayWrite(const Tokens& tokens, size_t at, size_t end) {
    const std::string& before = tokens[at - 1].text;
    if (before == "++" || before == "--" || before == "," || before == "&") {
        return true;
    }
    if (before == "(" && at >= 2 && IsIdentifier(tokens, at - 2)) {
        return true;
    }
    size_t next = at + 1;
    while (next < end && (tokens[next].text == "." || tokens[next].text == "[")) {
        if (tokens[next].text == "." && IsToken(tokens, next + 2, "(")) {
            return true; // a method, which may set the members
        }
        next = tokens[next].text == "." ? next + 2 : ClosingBracket(tokens, next) + 1;
    }
    if (next >= end) {
        return false;
    }
    const std::string& after = tokens[next].text;
    const bool assignment = after == "=" && !IsToken(tokens, next + 1, "=");
    const bool compound = next + 1 < end && tokens[next + 1].text == "=" &&
                          Adjacent(tokens[next], tokens[next + 1]) &&
                          std::string("+-*/%&|^<>").find(after) != std::string::npos;
    return assignment || compound || after == "++" || after == "--" || after == "<<" ||
           after == ">>";
}

void CheckFunction(const Tokens& tokens, const FunctionDefinition& function,
                   const std::set<std::string>& structures, std::string* errors) {
    const size_t end = std::min(function.end, tokens.size());
    std::map<std::string, std::vector<size_t>> uses; // each name's places, in order
    for (size_t at = function.body + 1; at < end; ++at) {
        if (IsIdentifier(tokens, at) && tokens[at - 1].text != ".") {
            uses[tokens[at].text].push_back(at);
        }
    }
    for (size_t type = function.body + 1; type + 2 < end; ++type) {
        if (!DeclaresWithoutValue(tokens, type, structures)) {
            continue;
        }
        const HlslToken& name = tokens[type + 1];
        const HlslToken* read = nullptr;
        bool written = false;
        for (size_t at : uses[name.text]) {
            if (at <= type + 1 || written) {
                continue;
            }
            written = MayWrite(tokens, at, end);
            read = read != nullptr ? read : &tokens[at];
        }
        if (!written && read != nullptr) {
            *errors += SourceError(*read,
                                   "variable '" + name.text +
                                       "' used without having been completely initialized",
                                   "X4000") +
                       "\n";
        }
    }
}

// One past the statement that starts at `at`, attributes and all; `end`
// past a statement nested deeper than any source needs.
size_t StatementEnd(const Tokens& tokens, size_t at, size_t end, int depth = 0) {
    while (at < end && tokens[at].text == "[") {
        at = ClosingBracket(tokens, at) + 1;
    }
    if (at >= end || depth > 256) {
        return end;
    }
    const std::string& text = tokens[at].text;
    const bool headed = IsToken(tokens, at + 1, "(") && at + 1 < end;
    if (text == "{") {
        return std::min(ClosingBracket(tokens, at) + 1, end);
    }
    if (text == "if" && headed) {
        const size_t taken =
            StatementEnd(tokens, ClosingBracket(tokens, at + 1) + 1, end, depth + 1);
        return IsToken(tokens, taken, "else") && taken < end
                   ? StatementEnd(tokens, taken + 1, end, depth + 1)
                   : taken;
    }
    if ((text == "for" || text == "while" || text == "switch") && headed) {
        return StatementEnd(tokens, ClosingBracket(tokens, at + 1) + 1, end, depth + 1);
    }
    if (text == "do") {
        const size_t body = StatementEnd(tokens, at + 1, end, depth + 1);
        return IsToken(tokens, body + 1, "(") && body + 1 < end
                   ? std::min(ClosingBracket(tokens, body + 1) + 2, end)
                   : end;
    }
    for (; at < end && tokens[at].text != ";"; ++at) {
        const std::string& part = tokens[at].text;
        if (part == "(" || part == "[" || part == "{") {
            at = ClosingBracket(tokens, at);
        }
    }
    return std::min(at + 1, end);
}

enum class Written { No, OnSomePaths, Yes };

// How the statement [first, last) writes a variable written at `writes`.
Written WritesOfStatement(const Tokens& tokens, size_t first, size_t last,
                          const std::vector<size_t>& writes) {
    auto writesIn = [&](size_t from, size_t to) {
        return std::any_of(writes.begin(), writes.end(),
                           [&](size_t at) { return at >= from && at < to; });
    };
    if (!writesIn(first, last)) {
        return Written::No;
    }
    while (first < last && tokens[first].text == "[") {
        first = ClosingBracket(tokens, first) + 1;
    }
    if (first >= last) {
        return Written::Yes; // nothing to judge
    }
    const std::string& text = tokens[first].text;
    if (text == "if" && IsToken(tokens, first + 1, "(")) {
        const size_t taken = StatementEnd(tokens, ClosingBracket(tokens, first + 1) + 1, last);
        const bool both =
            IsToken(tokens, taken, "else") && writesIn(first, taken) && writesIn(taken, last);
        return both ? Written::Yes : Written::OnSomePaths;
    }
    if (text == "for" && IsToken(tokens, first + 1, "(")) {
        // The first part of a for statement always runs.
        size_t initEnd = first + 2;
        while (initEnd < last && tokens[initEnd].text != ";") {
            ++initEnd;
        }
        return writesIn(first + 2, initEnd) ? Written::Yes : Written::OnSomePaths;
    }
    return text == "while" || text == "switch" ? Written::OnSomePaths : Written::Yes;
}

// The local declared at `type` ("float x;"): whether its first read follows
// only writes some paths skip; that read's token, or null.
const HlslToken* ReadAfterPartialWrites(const Tokens& tokens, size_t type, size_t end,
                                        const std::vector<size_t>& uses, size_t* budget) {
    std::vector<size_t> writes;
    size_t read = end;
    for (size_t at : uses) {
        if (at <= type + 1) {
            continue;
        }
        if (!MayWrite(tokens, at, end)) {
            read = at;
            break;
        }
        writes.push_back(at);
    }
    Written state = Written::No;
    if (read == end || writes.empty()) {
        return nullptr; // never read, or never written (an error of its own)
    }
    // The statement holding the read is scanned up to it, no further.
    const size_t limit = std::min(end, read + 1);
    for (size_t at = type + 3; at < read && !IsToken(tokens, at, "}");) {
        const size_t next = StatementEnd(tokens, at, limit);
        if (read < next || next <= at || next - at > *budget) {
            break;
        }
        *budget -= next - at;
        const Written statement = WritesOfStatement(tokens, at, next, writes);
        if (statement == Written::Yes) {
            return nullptr;
        }
        state = statement == Written::OnSomePaths ? statement : state;
        at = next;
    }
    return state == Written::OnSomePaths && read < end ? &tokens[read] : nullptr;
}

} // namespace

void WarnPartlyWrittenLocals(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                             std::string* warnings) {
    // Tokens walked over for all locals together: a source of thousands of
    // locals read far from their declarations gets no more than this.
    size_t budget = 1 << 20;
    for (const FunctionDefinition& function : functions) {
        const size_t end = std::min(function.end, tokens.size());
        for (size_t type = function.body + 1; type + 2 < end && budget > 0; ++type) {
            if (!DeclaresLocalWithoutValue(tokens, type)) {
                continue;
            }
            // The local's uses, found for it alone: most functions declare
            // few locals without a value.
            const std::string& name = tokens[type + 1].text;
            std::vector<size_t> uses;
            for (size_t at = type + 2; at < end; ++at) {
                if (tokens[at].text == name && tokens[at - 1].text != ".") {
                    uses.push_back(at);
                }
            }
            budget -= std::min(budget, end - type);
            if (const HlslToken* read = ReadAfterPartialWrites(tokens, type, end, uses, &budget)) {
                *warnings += SourceWarning(
                    *read, "use of potentially uninitialized variable (" + name + ")", "X4000");
            }
        }
    }
}

void CheckNeverWrittenLocals(const Tokens& tokens, std::string* errors) {
    const std::set<std::string> structures = StructureNames(tokens);
    for (const FunctionDefinition& function : FindFunctionDefinitions(tokens)) {
        CheckFunction(tokens, function, structures, errors);
    }
}

} // namespace d3dcompiler_standin
