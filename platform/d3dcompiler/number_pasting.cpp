#include "number_pasting.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>

namespace d3dcompiler_standin {

namespace {

struct PastingMacro {
    std::vector<std::string> parameters;
    std::vector<HlslToken> body;
    bool stringises = false; // a lone # before a parameter
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    const size_t last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// The directive at `hash` with its continued lines joined, without the '#'.
std::string LogicalLine(const std::string& source, size_t hash) {
    std::string line;
    for (size_t start = hash + 1; start <= source.size();) {
        size_t end = source.find('\n', start);
        end = end == std::string::npos ? source.size() : end;
        std::string piece = source.substr(start, end - start);
        const size_t last = piece.find_last_not_of(" \t\r");
        if (last == std::string::npos || piece[last] != '\\') {
            return line + piece;
        }
        line += piece.substr(0, last) + " ";
        start = end + 1;
    }
    return line;
}

// Whether tokens[at] is a # that neither pastes nor follows a paste.
bool IsLoneHash(const std::vector<HlslToken>& tokens, size_t at) {
    return tokens[at].text == "#" && !(at + 1 < tokens.size() && tokens[at + 1].text == "#") &&
           !(at > 0 && tokens[at - 1].text == "#");
}

// "#define NAME(a, b) ... ## ..." or "... #a ..." at `hash` of `source`, its
// lines joined; false for any other directive.
bool ReadPastingMacro(const std::string& source, size_t hash, std::string* name,
                      PastingMacro* macro) {
    const std::string line = LogicalLine(source, hash);
    const size_t word = line.find_first_not_of(" \t");
    if (word == std::string::npos || line.compare(word, 6, "define") != 0 ||
        line.find('#', word) == std::string::npos) {
        return false;
    }
    const std::vector<HlslToken> tokens = TokenizePreprocessedHlsl(line.substr(word + 6), "");
    if (tokens.size() < 4 || !IsIdentifier(tokens, 0) || tokens[1].text != "(" ||
        !Adjacent(tokens[0], tokens[1])) {
        return false;
    }
    const size_t close = ClosingBracket(tokens, 1);
    for (size_t at = 2; at < close; at += 2) {
        if (!IsIdentifier(tokens, at)) {
            return false;
        }
        macro->parameters.push_back(tokens[at].text);
    }
    for (size_t at = close + 1; at < tokens.size(); ++at) {
        macro->stringises |= IsLoneHash(tokens, at);
        macro->body.push_back(tokens[at]);
    }
    *name = tokens[0].text;
    return close < tokens.size();
}

// Blanks each lone # of the directive at `hash`: glslang 15's scanner refuses
// a # that does not start a line, even in a macro never called, where
// glslang 12 takes it. The calls of this file are expanded before glslang.
void BlankStringisingHashes(const std::string& source, size_t hash, std::vector<TextEdit>* edits) {
    for (size_t at = hash + 1; at < source.size() && source[at] != '\n'; ++at) {
        const bool continued = source[at] == '\\' &&
                               source.find_first_not_of(" \t\r", at + 1) == source.find('\n', at);
        at = continued ? source.find('\n', at) : at;
        const bool lone = source[at] == '#' && source[at - 1] != '#' &&
                          (at + 1 == source.size() || source[at + 1] != '#');
        if (lone) {
            edits->push_back({at, 1, " "});
        }
    }
}

std::map<std::string, PastingMacro> PastingMacros(const std::string& source,
                                                  std::vector<TextEdit>* edits) {
    std::map<std::string, PastingMacro> macros;
    for (size_t hash = source.find('#'); hash != std::string::npos;
         hash = source.find('#', hash + 1)) {
        const size_t lineStart = hash == 0 ? 0 : source.rfind('\n', hash - 1) + 1;
        std::string name;
        PastingMacro macro;
        if (source.find_first_not_of(" \t", lineStart) == hash &&
            ReadPastingMacro(source, hash, &name, &macro)) {
            if (macro.stringises) {
                BlankStringisingHashes(source, hash, edits);
            }
            macros[name] = std::move(macro);
        }
    }
    return macros;
}

bool StartsWithNumber(const std::string& text) {
    return !text.empty() && (std::isdigit(uint8_t(text[0])) ||
                             (text[0] == '.' && text.size() > 1 && std::isdigit(uint8_t(text[1]))));
}

// The string literal # makes of an argument: white space between its tokens
// one space, and the '"' and '\\' of its literals escaped (C99 6.10.3.2).
std::string StringLiteralOf(const std::string& argument) {
    std::string literal = "\"";
    char quote = 0;
    for (size_t at = 0; at < argument.size(); ++at) {
        const char c = argument[at];
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (quote == 0 && blank) {
            literal += literal.back() == ' ' ? "" : " ";
            continue;
        }
        if (quote != 0 && c == '\\' && at + 1 < argument.size()) {
            literal += "\\\\";
            literal += argument[++at] == '"' ? "\\\"" : std::string(1, argument[at]);
            continue;
        }
        quote = quote == 0 && (c == '"' || c == '\'') ? c : (c == quote ? 0 : quote);
        literal += c == '"' ? "\\\"" : std::string(1, c);
    }
    return literal + "\"";
}

// The argument of `macro`'s parameter named `word`, or `word` itself.
std::string ArgumentFor(const PastingMacro& macro, const std::vector<std::string>& arguments,
                        const std::string& word) {
    for (size_t p = 0; p < macro.parameters.size() && p < arguments.size(); ++p) {
        if (word == macro.parameters[p]) {
            return arguments[p];
        }
    }
    return word;
}

// The replacement of `macro` for `arguments`; sets `numberOnLeft` when a
// paste joins a number on its left.
std::string Expansion(const PastingMacro& macro, const std::vector<std::string>& arguments,
                      bool* numberOnLeft) {
    std::vector<std::string> pieces;
    bool pasteNext = false;
    for (size_t at = 0; at < macro.body.size(); ++at) {
        const HlslToken& token = macro.body[at];
        if (token.text == "#" && at + 1 < macro.body.size() && macro.body[at + 1].text == "#") {
            pasteNext = !pieces.empty();
            ++at;
            continue;
        }
        std::string piece = ArgumentFor(macro, arguments, token.text);
        if (IsLoneHash(macro.body, at) && at + 1 < macro.body.size()) {
            const std::string& next = macro.body[++at].text;
            const bool parameter = std::find(macro.parameters.begin(), macro.parameters.end(),
                                             next) != macro.parameters.end();
            piece = parameter ? StringLiteralOf(ArgumentFor(macro, arguments, next)) : "#" + next;
        }
        if (pasteNext) {
            *numberOnLeft |= StartsWithNumber(pieces.back());
            pieces.back() += piece;
        } else {
            pieces.push_back(piece);
        }
        pasteNext = false;
    }
    std::string text;
    for (const std::string& piece : pieces) {
        text += text.empty() ? "" : " ";
        text += piece;
    }
    return text;
}

// The arguments of the call whose parentheses are tokens[open] and
// tokens[close] of `text`, each as written.
std::vector<std::string> Arguments(const std::string& text, const std::vector<HlslToken>& tokens,
                                   size_t open, size_t close) {
    std::vector<std::string> arguments;
    size_t start = tokens[open].offset + 1;
    for (size_t i = open + 1, depth = 0; i <= close; ++i) {
        const std::string& word = tokens[i].text;
        depth += word == "(" || word == "[";
        if ((word == "," && depth == 0) || i == close) {
            arguments.push_back(Trimmed(text.substr(start, tokens[i].offset - start)));
            start = tokens[i].offset + 1;
        }
        depth -= (word == ")" || word == "]") && depth > 0;
    }
    return arguments;
}

// "#define OUTER(x) JOIN(4, x)": OUTER as a pasting macro of its own, whose
// replacement is JOIN's with the arguments written in, so that its calls
// paste after OUTER's arguments are substituted.
void ComposeMacro(const std::string& line, const std::vector<HlslToken>& tokens, size_t body,
                  const std::vector<std::string>& parameters,
                  const std::map<std::string, PastingMacro>& macros,
                  std::map<std::string, PastingMacro>* composed) {
    const auto inner = body + 1 < tokens.size() ? macros.find(tokens[body].text) : macros.end();
    if (inner == macros.end() || tokens[body + 1].text != "(" ||
        ClosingBracket(tokens, body + 1) + 1 != tokens.size()) {
        return;
    }
    const std::vector<std::string> arguments = Arguments(line, tokens, body + 1, tokens.size() - 1);
    if (arguments.size() != inner->second.parameters.size()) {
        return;
    }
    PastingMacro macro{parameters, inner->second.body, inner->second.stringises};
    for (HlslToken& token : macro.body) {
        for (size_t p = 0; p < arguments.size(); ++p) {
            token.text = token.text == inner->second.parameters[p] ? arguments[p] : token.text;
        }
    }
    (*composed)[tokens[0].text] = std::move(macro);
}

// Replaces each call in `tokens` (of `text`, which starts at `base` in the
// source) of a macro of `macros` whose paste joins a number on its left.
// Calls with an argument among `parameters`, the enclosing macro's own, stay.
void ExpandCalls(const std::string& text, size_t base, const std::vector<HlslToken>& tokens,
                 const std::map<std::string, PastingMacro>& macros,
                 const std::vector<std::string>& parameters, std::vector<TextEdit>* edits) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const auto macro = macros.find(tokens[at].text);
        if (macro == macros.end() || tokens[at + 1].text != "(") {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        if (close >= tokens.size()) {
            continue;
        }
        const std::vector<std::string> arguments = Arguments(text, tokens, at + 1, close);
        bool numberOnLeft = false;
        std::string expansion = Expansion(macro->second, arguments, &numberOnLeft);
        const size_t end = tokens[close].offset + 1;
        const std::string replaced = text.substr(tokens[at].offset, end - tokens[at].offset);
        const bool own = std::any_of(arguments.begin(), arguments.end(), [&](const std::string& a) {
            return std::find(parameters.begin(), parameters.end(), a) != parameters.end();
        });
        if ((numberOnLeft || macro->second.stringises) && !own &&
            arguments.size() == macro->second.parameters.size()) {
            // The lines the call spanned stay lines, for the lines after it.
            expansion.append(std::count(replaced.begin(), replaced.end(), '\n'), '\n');
            edits->push_back({base + tokens[at].offset, replaced.size(), expansion});
        }
        at = close;
    }
}

// The calls in the replacements of the source's other one-line #define
// directives, which the preprocessor makes when it expands them.
void ExpandCallsInDefinitions(const std::string& source,
                              const std::map<std::string, PastingMacro>& macros,
                              std::vector<TextEdit>* edits,
                              std::map<std::string, PastingMacro>* composed) {
    for (size_t hash = source.find('#'); hash != std::string::npos;
         hash = source.find('#', hash + 1)) {
        const size_t lineStart = hash == 0 ? 0 : source.rfind('\n', hash - 1) + 1;
        size_t end = source.find('\n', hash);
        end = end == std::string::npos ? source.size() : end;
        const size_t word = source.find_first_not_of(" \t", hash + 1);
        if (source.find_first_not_of(" \t", lineStart) != hash || word >= end ||
            source.compare(word, 7, "define ") != 0) {
            continue;
        }
        const std::string line = source.substr(word + 7, end - word - 7);
        const std::vector<HlslToken> tokens = TokenizePreprocessedHlsl(line, "");
        std::vector<std::string> parameters;
        size_t body = 1;
        if (tokens.size() > 2 && tokens[1].text == "(" && Adjacent(tokens[0], tokens[1])) {
            body = ClosingBracket(tokens, 1) + 1;
            for (size_t at = 2; at + 1 < body; at += 2) {
                parameters.push_back(tokens[at].text);
            }
        }
        if (body < tokens.size() && !macros.count(tokens[0].text)) {
            const std::vector<HlslToken> rest(tokens.begin() + body, tokens.end());
            ExpandCalls(line, word + 7, rest, macros, parameters, edits);
            if (!parameters.empty()) {
                ComposeMacro(line, tokens, body, parameters, macros, composed);
            }
        }
        hash = end;
    }
}

// Whether a # stands after something else on its line: a paste, a
// stringising, or a # in a comment or literal.
bool HasHashWithinLine(const std::string& source) {
    for (size_t hash = source.find('#'); hash != std::string::npos;
         hash = source.find('#', hash + 1)) {
        const size_t lineStart = hash == 0 ? 0 : source.rfind('\n', hash - 1) + 1;
        if (source.find_first_not_of(" \t", lineStart) != hash) {
            return true;
        }
    }
    return false;
}

} // namespace

void ExpandNumberPastes(const std::string& source, const std::vector<HlslToken>& tokens,
                        const std::string& definitions, std::vector<TextEdit>* edits) {
    if (!HasHashWithinLine(source) && !HasHashWithinLine(definitions)) {
        return;
    }
    std::map<std::string, PastingMacro> macros = PastingMacros(source, edits);
    std::vector<TextEdit> otherFiles; // the edits of each file are its own rewrite's
    macros.merge(PastingMacros(definitions, &otherFiles));
    if (macros.empty()) {
        return;
    }
    std::map<std::string, PastingMacro> composed;
    ExpandCallsInDefinitions(source, macros, edits, &composed);
    macros.insert(composed.begin(), composed.end());
    ExpandCalls(source, 0, tokens, macros, {}, edits);
}

} // namespace d3dcompiler_standin
