#include "included_definitions.h"

#include "glslang_macro_names.h"

#include <set>

namespace d3dcompiler_standin {
namespace {

// The directive word of the line [start, end) and where its text goes on, or "".
std::string DirectiveWord(const std::string& source, size_t start, size_t end, size_t* rest) {
    const size_t hash = source.find_first_not_of(" \t", start);
    if (hash >= end || source[hash] != '#') {
        return "";
    }
    const size_t word = source.find_first_not_of(" \t", hash + 1);
    *rest = word >= end ? end : source.find_first_not_of("abcdefghijklmnopqrstuvwxyz", word);
    *rest = *rest > end ? end : *rest;
    return word >= end ? "" : source.substr(word, *rest - word);
}

// The end of the line at `start` with its continuations, and its text joined.
size_t LogicalLine(const std::string& source, size_t start, std::string* joined) {
    joined->clear();
    while (true) {
        size_t end = source.find('\n', start);
        end = end == std::string::npos ? source.size() : end;
        std::string piece = source.substr(start, end - start);
        const size_t last = piece.find_last_not_of(" \t\r");
        if (last == std::string::npos || piece[last] != '\\' || end == source.size()) {
            *joined += piece;
            return end;
        }
        *joined += piece.substr(0, last) + " ";
        start = end + 1;
    }
}

// "#include "name"" or "#include <name>" (`system`): the name, or "".
std::string IncludedName(const std::string& text, bool* system) {
    const size_t open = text.find_first_of("\"<");
    *system = open != std::string::npos && text[open] == '<';
    const size_t close =
        open == std::string::npos ? open : text.find(*system ? '>' : '"', open + 1);
    return close == std::string::npos ? "" : text.substr(open + 1, close - open - 1);
}

// Adds what `source` (the file at `path`) defines and names to `macros`,
// and what the files it includes do where `includes` reads them.
void CollectMacros(const std::string& source, const std::string& path,
                   const IncludeResolver* includes, size_t depth, std::set<std::string>* read,
                   SourceMacros* macros) {
    NoteGlslangMacroNames(source, &macros->glslangNames);
    std::string* definitions = &macros->definitions;
    std::string line;
    for (size_t start = 0; start < source.size();) {
        const size_t end = LogicalLine(source, start, &line);
        size_t rest = 0;
        const std::string word = DirectiveWord(line, 0, line.size(), &rest);
        if (word == "define") {
            *definitions += line + "\n";
        }
        bool system = false;
        const std::string name = word == "include" ? IncludedName(line.substr(rest), &system) : "";
        std::string text;
        std::string found;
        if (includes != nullptr && !name.empty() && depth < kMaxIncludeDepth &&
            definitions->size() < kMaxSourceBytes && read->insert(name).second &&
            includes->ReadStandard(name, system, path, &text, &found)) {
            CollectMacros(text, found, includes, depth + 1, read, macros);
        }
        start = end + 1;
    }
}

} // namespace

SourceMacros ReadSourceMacros(const std::string& source, const std::string& path,
                              const IncludeResolver& includes) {
    std::set<std::string> read;
    SourceMacros macros;
    const bool includesFiles = source.find("include") != std::string::npos;
    CollectMacros(source, path, includesFiles ? &includes : nullptr, 0, &read, &macros);
    return macros;
}

} // namespace d3dcompiler_standin
