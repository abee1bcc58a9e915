#include "global_constant_warnings.h"
#include "warning_lines.h"

#include <cctype>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// The '=' of the global declaration [first, last) when it gives a uniform an
// initialiser; `last` otherwise.
size_t UniformInitialiser(const Tokens& tokens, size_t first, size_t last) {
    for (size_t at = first; at < last; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "static" || text == "typedef" || text == "groupshared" || text == "(") {
            return last;
        }
        if (text == "=") {
            return at;
        }
    }
    return last;
}

bool HoldsWord(const std::string& text, const std::string& word) {
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const size_t after = at + word.size();
        const bool startsWord =
            at == 0 ||
            !(std::isalnum(static_cast<unsigned char>(text[at - 1])) || text[at - 1] == '_');
        const bool endsWord =
            after == text.size() ||
            !(std::isalnum(static_cast<unsigned char>(text[after])) || text[after] == '_');
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}

// Whether the lines as written from `first` to the initialiser's '=' say
// `const`, and not `static`, before it (an annotation's ';' may end the
// tokens' statement inside the declaration).
bool WrittenConst(const HlslToken& first, const HlslToken& equals, const SourceLineLookup& lines) {
    if (first.file != equals.file || equals.line < first.line || equals.line > first.line + 8) {
        return false;
    }
    std::string written;
    for (uint32_t line = first.line; line <= equals.line; ++line) {
        std::string text;
        if (!lines(first.file, int(line), &text)) {
            return false;
        }
        written += (line == equals.line ? text.substr(0, text.find('=')) : text) + "\n";
    }
    return HoldsWord(written, "const") && !HoldsWord(written, "static");
}

} // namespace

void WarnInitialisedGlobalConstants(const Tokens& tokens, const SourceLineLookup& lines,
                                    std::string* warnings) {
    size_t statement = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "{" && (statement == at || !IsToken(tokens, at - 1, "="))) {
            at = ClosingBracket(tokens, at);
            statement = at + 1;
        } else if (text == "{") {
            at = ClosingBracket(tokens, at); // an initialiser's list
        } else if (text == ";") {
            const size_t equals = UniformInitialiser(tokens, statement, at);
            if (equals < at && WrittenConst(tokens[statement], tokens[equals], lines)) {
                *warnings += SourceSpan(tokens[statement], tokens[at - 1]) +
                             ": warning X3207: Initializer used on a global 'const' variable. "
                             "This requires setting an external constant. If a literal is "
                             "desired, use 'static const' instead.\n";
            }
            statement = at + 1;
        }
    }
}

} // namespace d3dcompiler_standin
