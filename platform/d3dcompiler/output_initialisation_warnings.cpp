#include "function_scan.h"
#include "numeric_type_names.h"
#include "source_warnings.h"
#include "warning_lines.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// An output's parts ("" for a scalar or vector output, each member's name
// for a structure) and, for each, a bit per component written.
struct OutputParts {
    std::map<std::string, int> components;
    std::map<std::string, unsigned> written;
};

// The members of the structure `type`, where each is a scalar or vector.
bool ReadMembers(const Tokens& tokens, const std::string& type, OutputParts* parts) {
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != "struct" || tokens[at + 1].text != type ||
            !IsToken(tokens, at + 2, "{")) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 2);
        size_t start = at + 3;
        for (size_t end = start; end < close; ++end) {
            if (tokens[end].text != ";") {
                continue;
            }
            size_t name = start;
            while (name + 1 < end && tokens[name + 1].text != ":") {
                ++name;
            }
            const int count = name > start ? ScalarOrVectorComponents(tokens[name - 1].text) : 0;
            if (count == 0 || !IsIdentifier(tokens, name)) {
                return false; // a member this check does not measure
            }
            parts->components[tokens[name].text] = count;
            start = end + 1;
        }
        return !parts->components.empty();
    }
    return false;
}

unsigned SwizzleMask(const std::string& swizzle) {
    unsigned mask = 0;
    for (char c : swizzle) {
        const size_t xyzw = std::string("xyzw").find(c);
        const size_t rgba = std::string("rgba").find(c);
        if (xyzw == std::string::npos && rgba == std::string::npos) {
            return 0;
        }
        mask |= 1u << (xyzw != std::string::npos ? xyzw : rgba);
    }
    return mask;
}

// Marks what the use of the output's name at `at` writes; false where the
// use is one the check does not follow (an argument, an element).
bool MarkWrite(const Tokens& tokens, size_t at, OutputParts* parts) {
    size_t next = at + 1;
    std::string part;
    if (parts->components.count("") == 0) {
        if (!IsToken(tokens, next, ".")) {
            return IsToken(tokens, next, "=") || IsToken(tokens, next, ";");
        }
        part = next + 1 < tokens.size() ? tokens[next + 1].text : "";
        next += 2;
    }
    const auto found = parts->components.find(part);
    if (found == parts->components.end()) {
        return false;
    }
    unsigned mask = (1u << found->second) - 1;
    if (IsToken(tokens, next, ".") && next + 1 < tokens.size()) {
        mask = SwizzleMask(tokens[next + 1].text);
        next += 2;
    }
    const bool assigned = IsToken(tokens, next, "=") && !IsToken(tokens, next + 1, "=");
    const bool compound = next + 1 < tokens.size() && IsToken(tokens, next + 1, "=") &&
                          tokens[next].text.find_first_of("+-*/%&|^") == 0;
    if (assigned || compound) {
        parts->written[part] |= mask;
    }
    return !IsToken(tokens, next, "[") && !IsToken(tokens, next, ",") &&
           !IsToken(tokens, next, ")");
}

bool Complete(const OutputParts& parts) {
    for (const auto& [part, count] : parts.components) {
        const auto found = parts.written.find(part);
        if (found == parts.written.end() || found->second != (1u << count) - 1) {
            return false;
        }
    }
    return true;
}

// Whether the body [first, end) leaves part of the output `name` unwritten.
bool LeavesUnwritten(const Tokens& tokens, size_t first, size_t end, const std::string& name,
                     OutputParts parts) {
    for (size_t at = first; at < end; ++at) {
        if (tokens[at].text != name || tokens[at - 1].text == ".") {
            continue;
        }
        if (IsToken(tokens, at + 1, "=") && !IsToken(tokens, at + 2, "=")) {
            return false; // the whole output
        }
        if (!MarkWrite(tokens, at, &parts)) {
            return false;
        }
    }
    return !Complete(parts);
}

} // namespace

void WarnIncompleteOutputs(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                           const std::string& entryPoint, std::string* warnings) {
    for (const FunctionDefinition& function : functions) {
        if (tokens[function.name].text != entryPoint) {
            continue;
        }
        for (const auto& [first, end] : Parameters(tokens, function)) {
            size_t type = first;
            while (type + 2 < end && tokens[type].text != "out") {
                ++type;
            }
            if (tokens[type].text != "out" || type + 2 >= end || !IsIdentifier(tokens, type + 2)) {
                continue;
            }
            const std::string& name = tokens[type + 2].text;
            OutputParts parts;
            const int count = ScalarOrVectorComponents(tokens[type + 1].text);
            if (count != 0) {
                parts.components[""] = count;
            } else if (!ReadMembers(tokens, tokens[type + 1].text, &parts)) {
                continue;
            }
            const size_t last = std::min(function.end, tokens.size());
            if (LeavesUnwritten(tokens, function.body + 1, last, name, parts)) {
                *warnings += SourceWarning(
                    tokens[type + 2], "Output value '" + name + "' is not completely initialized",
                    "X3578");
            }
        }
    }
}

} // namespace d3dcompiler_standin
