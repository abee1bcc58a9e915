#include "macro_expansion.h"
#include "identifier_chars.h"

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace d3dcompiler_standin {
namespace {

struct Word {
    std::string text;
    size_t line;   // from 1
    size_t column; // from 1
};

// The logical lines of `text` (backslash-newlines joined), each with the
// number of its first physical line.
std::vector<std::pair<std::string, size_t>> LogicalLines(const std::string& text) {
    std::vector<std::pair<std::string, size_t>> lines;
    std::string current;
    size_t first = 1;
    size_t line = 1;
    for (size_t at = 0; at <= text.size(); ++at) {
        const char c = at < text.size() ? text[at] : '\n';
        if (c == '\\' && at + 1 < text.size() && text[at + 1] == '\n') {
            ++at;
            ++line;
            continue;
        }
        if (c != '\n') {
            current += c;
            continue;
        }
        lines.push_back({current, first});
        current.clear();
        first = ++line;
    }
    return lines;
}

std::vector<Word> Words(const std::string& text, size_t line) {
    std::vector<Word> words;
    for (size_t at = 0; at < text.size();) {
        if (!IsIdentifierStart(text[at]) || (at > 0 && IsIdentifierPart(text[at - 1]))) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < text.size() && IsIdentifierPart(text[end])) {
            ++end;
        }
        words.push_back({text.substr(at, end - at), line, at + 1});
        at = end;
    }
    return words;
}

// Each macro's body, as its count of tokens that are no names (at least one)
// and the names it holds.
struct Body {
    size_t others = 0;
    std::vector<std::string> names;
};

// The number of tokens `name` expands to, saturating past the limit; a macro
// met again inside its own expansion is not expanded again.
size_t ExpandedSize(const std::string& name, const std::map<std::string, Body>& macros,
                    std::map<std::string, size_t>* sizes, std::vector<std::string>* open) {
    auto macro = macros.find(name);
    if (macro == macros.end() || std::count(open->begin(), open->end(), name) != 0) {
        return 1;
    }
    if (auto known = sizes->find(name); known != sizes->end()) {
        return known->second;
    }
    open->push_back(name);
    size_t size = macro->second.others;
    for (const std::string& inner : macro->second.names) {
        size =
            std::min(size + ExpandedSize(inner, macros, sizes, open), kMaxMacroExpansionTokens + 1);
    }
    open->pop_back();
    (*sizes)[name] = size;
    return size;
}

} // namespace

bool CheckMacroExpansion(const std::string& text, const std::string& file, std::string* error) {
    if (text.find("define") == std::string::npos) {
        return true;
    }
    std::map<std::string, Body> macros;
    std::vector<Word> uses;
    for (const auto& [line, number] : LogicalLines(text)) {
        const size_t hash = line.find_first_not_of(" \t");
        std::vector<Word> words = Words(line, number);
        if (hash == std::string::npos || line[hash] != '#') {
            uses.insert(uses.end(), words.begin(), words.end());
        } else if (words.size() >= 2 && words[0].text == "define") {
            Body& body = macros[words[1].text];
            body = Body{1, {}};
            for (size_t i = 2; i < words.size(); ++i) {
                body.names.push_back(words[i].text);
            }
        }
    }
    std::map<std::string, size_t> sizes;
    std::vector<std::string> open;
    for (const Word& use : uses) {
        if (ExpandedSize(use.text, macros, &sizes, &open) > kMaxMacroExpansionTokens) {
            *error = file + "(" + std::to_string(use.line) + "," + std::to_string(use.column) +
                     "-" + std::to_string(use.column + use.text.size() - 1) + "): error: macro '" +
                     use.text + "' expands to more than " +
                     std::to_string(kMaxMacroExpansionTokens) + " tokens";
            return false;
        }
    }
    return true;
}

} // namespace d3dcompiler_standin
