#include "macro_expansion.h"
#include "identifier_chars.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <vector>

namespace d3dcompiler_standin {
namespace {

// A name, or one of "(", ")" and ",", where it stands.
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
    for (size_t at = 0; at <= text.size();) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end;
        if (end > at && end < text.size() && text[end - 1] == '\\') {
            current.append(text, at, end - 1 - at); // joined with the next line
            at = end + 1;
            ++line;
            continue;
        }
        current.append(text, at, end - at);
        lines.push_back({std::move(current), first});
        current.clear();
        first = ++line;
        at = end + 1;
    }
    return lines;
}

std::vector<Word> Words(const std::string& text, size_t line) {
    std::vector<Word> words;
    for (size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '(' || c == ')' || c == ',') {
            words.push_back({std::string(1, c), line, at + 1});
        }
        if (!IsIdentifierStart(c) || (at > 0 && IsIdentifierPart(text[at - 1]))) {
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

// A macro's body, its words; a function-like macro's parameters.
struct Macro {
    bool function = false;
    std::vector<std::string> parameters;
    std::vector<Word> body;
};

// "define NAME body" or "define NAME(a, b) body", the words after the '#'.
Macro ReadDefinition(const std::string& line, const std::vector<Word>& words) {
    Macro macro;
    size_t body = 2;
    const size_t afterName = words[1].column - 1 + words[1].text.size();
    if (afterName < line.size() && line[afterName] == '(') {
        macro.function = true;
        for (body = 3; body < words.size() && words[body].text != ")"; ++body) {
            if (words[body].text != ",") {
                macro.parameters.push_back(words[body].text);
            }
        }
        ++body;
    }
    macro.body.assign(words.begin() + std::min(body, words.size()), words.end());
    return macro;
}

size_t Saturated(size_t a, size_t b) {
    return std::min(a + b, kMaxMacroExpansionTokens + 1);
}

// The parameters of the macro whose body is being measured, and the sizes
// of the arguments it was given.
struct Substitution {
    const std::vector<std::string>* parameters = nullptr;
    const std::vector<size_t>* arguments = nullptr;

    // The size `text` stands for when it names a parameter given an argument.
    bool Find(const std::string& text, size_t* size) const {
        if (parameters == nullptr) {
            return false;
        }
        const size_t index =
            std::find(parameters->begin(), parameters->end(), text) - parameters->begin();
        if (index >= arguments->size()) {
            return false;
        }
        *size = (*arguments)[index];
        return true;
    }
};

// Token counts of expansions, saturating past the limit. A macro met again
// inside its own expansion is not expanded again.
class ExpansionSizes {
public:
    using Check = std::function<bool(const Word&, size_t)>;

    explicit ExpansionSizes(const std::map<std::string, Macro>& macros) : macros_(macros) {}

    // The words [begin, end) expanded; with a `check`, each use's size is
    // passed to it, and a false answer ends the measuring.
    size_t OfSpan(const std::vector<Word>& words, size_t begin, size_t end,
                  const Substitution& substitution, const Check& check) {
        size_t total = 0;
        for (size_t at = begin; at < end; ++at) {
            const Word& use = words[at];
            auto macro = macros_.find(use.text);
            size_t size = 1;
            const bool parameter = substitution.Find(use.text, &size);
            const bool known = !parameter && macro != macros_.end();
            if (known && !macro->second.function) {
                size = Of(use.text, {});
            } else if (known && at + 1 < end && words[at + 1].text == "(") {
                size = OfCall(words, at, end, substitution, &at);
            }
            if (check && !check(use, size)) {
                return size;
            }
            total = Saturated(total, size);
        }
        return total;
    }

private:
    // `name` expanded with arguments of `arguments` tokens each.
    size_t Of(const std::string& name, const std::vector<size_t>& arguments) {
        auto macro = macros_.find(name);
        if (macro == macros_.end() || std::count(open_.begin(), open_.end(), name) != 0) {
            return 1;
        }
        const auto key = std::make_pair(name, arguments);
        if (auto known = sizes_.find(key); known != sizes_.end()) {
            return known->second;
        }
        open_.push_back(name);
        const std::vector<Word>& body = macro->second.body;
        const size_t size = Saturated(
            1, OfSpan(body, 0, body.size(), {&macro->second.parameters, &arguments}, nullptr));
        open_.pop_back();
        sizes_[key] = size;
        return size;
    }

    // The call whose name is at `name`; `*last` becomes its ')'.
    size_t OfCall(const std::vector<Word>& words, size_t name, size_t end,
                  const Substitution& substitution, size_t* last) {
        std::vector<size_t> arguments;
        size_t start = name + 2;
        int nesting = 0;
        size_t at = name + 2;
        for (; at < end; ++at) {
            const std::string& text = words[at].text;
            nesting += text == "(";
            if ((text == ")" || text == ",") && nesting == 0) {
                arguments.push_back(OfSpan(words, start, at, substitution, nullptr));
                start = at + 1;
                if (text == ")") {
                    break;
                }
            }
            nesting -= text == ")";
        }
        *last = std::min(at, end - 1);
        return Of(words[name].text, arguments);
    }

    const std::map<std::string, Macro>& macros_;
    // Each macro's size per argument sizes: chains of macros calling each
    // other twice are measured once per link.
    std::map<std::pair<std::string, std::vector<size_t>>, size_t> sizes_;
    std::vector<std::string> open_;
};

} // namespace

bool CheckMacroExpansion(const std::string& text, const std::string& file, std::string* error) {
    if (text.find("define") == std::string::npos) {
        return true;
    }
    std::map<std::string, Macro> macros;
    std::vector<Word> uses;
    for (const auto& [line, number] : LogicalLines(text)) {
        const size_t hash = line.find_first_not_of(" \t");
        std::vector<Word> words = Words(line, number);
        if (hash == std::string::npos || line[hash] != '#') {
            uses.insert(uses.end(), std::make_move_iterator(words.begin()),
                        std::make_move_iterator(words.end()));
        } else if (words.size() >= 2 && words[0].text == "define" &&
                   IsIdentifierStart(words[1].text[0])) {
            macros[words[1].text] = ReadDefinition(line, words);
        }
    }
    ExpansionSizes sizes(macros);
    bool fits = true;
    sizes.OfSpan(uses, 0, uses.size(), {}, [&](const Word& use, size_t size) {
        if (size <= kMaxMacroExpansionTokens) {
            return true;
        }
        *error = file + "(" + std::to_string(use.line) + "," + std::to_string(use.column) + "-" +
                 std::to_string(use.column + use.text.size() - 1) + "): error: macro '" + use.text +
                 "' expands to more than " + std::to_string(kMaxMacroExpansionTokens) + " tokens";
        fits = false;
        return false;
    });
    return fits;
}

} // namespace d3dcompiler_standin
