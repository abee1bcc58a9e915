#include "macro_calls.h"

#include "identifier_chars.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <set>

namespace d3dcompiler_standin {

const char kEmptyMacroArgumentMark[] = "standin_empty_macro_argument_";

namespace {

// The function-like macros a file defines: each name's parameter count.
using FunctionMacros = std::map<std::string, size_t>;

// The count of a macro defined without parameters, which names the macro of
// that name in other files' definitions leave aside.
constexpr size_t kObjectLike = SIZE_MAX;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

size_t SkipBlanks(const std::string& source, size_t at) {
    while (at < source.size() && IsBlank(source[at])) {
        ++at;
    }
    return at;
}

size_t NameEnd(const std::string& source, size_t at) {
    while (at < source.size() && IsIdentifierPart(source[at])) {
        ++at;
    }
    return at;
}

// Whether the '#' at `hash` is the first character of its line but blanks.
bool StartsLine(const std::string& source, size_t hash) {
    while (hash > 0 && IsBlank(source[hash - 1])) {
        --hash;
    }
    return hash == 0 || source[hash - 1] == '\n' || source[hash - 1] == '\r';
}

// The directive word after the '#' that starts the line at `at`, or "".
std::string DirectiveAt(const std::string& source, size_t at, size_t* wordEnd) {
    at = SkipBlanks(source, at);
    if (at >= source.size() || source[at] != '#') {
        return "";
    }
    const size_t word = SkipBlanks(source, at + 1);
    *wordEnd = NameEnd(source, word);
    return source.substr(word, *wordEnd - word);
}

// "#define NAME(a, b)": the macros of the file, the function-like ones with
// their parameter lists on the directive's first line, the others kObjectLike.
FunctionMacros FindMacros(const std::string& source) {
    FunctionMacros macros;
    for (size_t at = source.find("define"); at != std::string::npos;
         at = source.find("define", at + 6)) {
        size_t hash = at;
        while (hash > 0 && IsBlank(source[hash - 1])) {
            --hash;
        }
        const size_t name = SkipBlanks(source, at + 6);
        const size_t end = NameEnd(source, name);
        if (hash == 0 || source[hash - 1] != '#' || !StartsLine(source, hash - 1) ||
            name == at + 6 || end == name) {
            continue;
        }
        if (end >= source.size() || source[end] != '(') {
            macros[source.substr(name, end - name)] = kObjectLike;
            continue;
        }
        const size_t close = source.find_first_of(")\n", end);
        if (close == std::string::npos || source[close] != ')') {
            continue;
        }
        const std::string list = source.substr(end + 1, close - end - 1);
        const bool none = list.find_first_not_of(" \t") == std::string::npos;
        macros[source.substr(name, end - name)] =
            none ? 0 : 1 + size_t(std::count(list.begin(), list.end(), ','));
    }
    return macros;
}

// The function-like macros of `source` and of `definitions` (other files'
// #define lines), a name `source` defines either way taken from `source`.
FunctionMacros FindFunctionMacros(const std::string& source, const std::string& definitions) {
    FunctionMacros macros = FindMacros(source);
    macros.merge(FindMacros(definitions));
    for (auto macro = macros.begin(); macro != macros.end();) {
        macro = macro->second == kObjectLike ? macros.erase(macro) : std::next(macro);
    }
    return macros;
}

// Just past the line that starts at `at`, its continuations joined.
size_t LogicalLineEnd(const std::string& source, size_t at) {
    while (true) {
        const size_t end = source.find('\n', at);
        if (end == std::string::npos) {
            return source.size();
        }
        size_t last = end;
        while (last > at && (source[last - 1] == '\r' || IsBlank(source[last - 1]))) {
            --last;
        }
        if (last == at || source[last - 1] != '\\') {
            return end + 1;
        }
        at = end + 1;
    }
}

// Just past the comment that starts at `at`, or `at` where none does.
size_t SkipComment(const std::string& source, size_t at) {
    if (source.compare(at, 2, "//") == 0) {
        const size_t end = source.find('\n', at);
        return end == std::string::npos ? source.size() : end;
    }
    if (source.compare(at, 2, "/*") == 0) {
        const size_t end = source.find("*/", at + 2);
        return end == std::string::npos ? source.size() : end + 2;
    }
    return at;
}

// The call's arguments from the '(' at `open`: each argument's [first, end),
// empty where the call is not closed within kLongestCall characters, a bound
// that keeps a source of unclosed calls from costing the square of its size.
std::vector<std::pair<size_t, size_t>> Arguments(const std::string& source, size_t open) {
    constexpr size_t kLongestCall = 4096;
    std::vector<std::pair<size_t, size_t>> arguments;
    size_t first = open + 1;
    int depth = 0;
    for (size_t at = open + 1; at < source.size() && at - open < kLongestCall; ++at) {
        const char c = source[at];
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if ((c == ',' && depth == 0) || c == ')') {
            arguments.push_back({first, at});
            if (c == ')') {
                return arguments;
            }
            first = at + 1;
        }
    }
    return {};
}

// The edits that mark the empty arguments of a call of the macro `name`, at
// `column` of its line; `open` is its '('.
void MarkCall(const std::string& source, const std::string& name, size_t open, size_t column,
              std::vector<TextEdit>* edits) {
    for (const auto& [first, end] : Arguments(source, open)) {
        if (source.find_first_not_of(" \t\r\n", first) < end) {
            continue;
        }
        edits->push_back({first, 0,
                          std::string(" ") + kEmptyMacroArgumentMark + std::to_string(column) +
                              "_" + name + " "});
    }
}

} // namespace

void RewriteOddWhiteSpace(const std::string& source, std::vector<TextEdit>* edits) {
    // One search per character: find_first_of tests each byte against the set.
    for (const char odd : {'\f', '\v'}) {
        for (size_t at = source.find(odd); at != std::string::npos; at = source.find(odd, at + 1)) {
            edits->push_back({at, 1, " "});
        }
    }
}

void RewriteFunctionMacroNamesInConditions(const std::string& source,
                                           const std::string& definitions,
                                           std::vector<TextEdit>* edits) {
    const FunctionMacros macros = FindFunctionMacros(source, definitions);
    for (size_t line = 0; !macros.empty() && line < source.size();
         line = LogicalLineEnd(source, line)) {
        size_t at = 0;
        const std::string directive = DirectiveAt(source, line, &at);
        if (directive != "if" && directive != "elif") {
            continue;
        }
        const size_t end = LogicalLineEnd(source, line);
        std::string before; // the name before, for "defined NAME"
        while (at < end) {
            if (!IsIdentifierStart(source[at])) {
                before = source[at] == '(' || IsBlank(source[at]) ? before : "";
                at = std::max(SkipComment(source, at), at + 1);
                continue;
            }
            const size_t nameEnd = NameEnd(source, at);
            const std::string name = source.substr(at, nameEnd - at);
            const size_t next = SkipBlanks(source, nameEnd);
            if (before != "defined" && macros.count(name) != 0 &&
                (next >= end || source[next] != '(')) {
                edits->push_back({at, name.size(), "0"});
            }
            before = name;
            at = nameEnd;
        }
    }
}

void MarkEmptyMacroArguments(const std::string& source, const std::string& definitions,
                             std::vector<TextEdit>* edits) {
    FunctionMacros macros = FindFunctionMacros(source, definitions);
    for (auto macro = macros.begin(); macro != macros.end();) {
        macro = macro->second == 0 ? macros.erase(macro) : std::next(macro);
    }
    size_t lineStart = 0;
    size_t at = 0;
    while (!macros.empty() && at < source.size()) {
        size_t wordEnd = 0;
        if (at == lineStart && !DirectiveAt(source, at, &wordEnd).empty()) {
            at = lineStart = LogicalLineEnd(source, at);
            continue;
        }
        const char c = source[at];
        if (c == '\n') {
            lineStart = ++at;
            continue;
        }
        if (SkipComment(source, at) != at) {
            const size_t end = SkipComment(source, at);
            const size_t lastLine = source.rfind('\n', end == 0 ? 0 : end - 1);
            lineStart = lastLine != std::string::npos && lastLine >= at ? lastLine + 1 : lineStart;
            at = end;
            continue;
        }
        if (!IsIdentifierStart(c) || (at > 0 && IsIdentifierPart(source[at - 1]))) {
            ++at;
            continue;
        }
        const size_t nameEnd = NameEnd(source, at);
        const std::string name = source.substr(at, nameEnd - at);
        const size_t open = source.find_first_not_of(" \t\r\n", nameEnd);
        if (macros.count(name) != 0 && open != std::string::npos && source[open] == '(') {
            MarkCall(source, name, open, at - lineStart + 1, edits);
        }
        at = nameEnd;
    }
}

bool CheckEmptyMacroArguments(const std::vector<HlslToken>& tokens, std::string* errors) {
    const size_t markLength = std::strlen(kEmptyMacroArgumentMark);
    std::set<std::string> said;
    for (const HlslToken& token : tokens) {
        if (token.text[0] != kEmptyMacroArgumentMark[0] ||
            token.kind != HlslToken::Kind::Identifier ||
            token.text.compare(0, markLength, kEmptyMacroArgumentMark) != 0) {
            continue;
        }
        const std::string rest = token.text.substr(markLength);
        const size_t split = rest.find('_');
        const std::string line = token.file + "(" + std::to_string(token.line) + "," +
                                 rest.substr(0, split) +
                                 "): error X1516: not enough actual parameters for macro '" +
                                 rest.substr(split + 1) + "'\n";
        if (said.insert(line).second) {
            *errors += line;
        }
    }
    return said.empty();
}

} // namespace d3dcompiler_standin
