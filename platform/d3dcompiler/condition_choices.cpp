#include "condition_choices.h"

#include <string>

namespace d3dcompiler_standin {

namespace {

using Tokens = std::vector<HlslToken>;

std::string Rewritten(const Tokens& tokens, size_t first, size_t end);

// The ':' that pairs with the '?' at `question`, at the same depth; `end`
// for none.
size_t PairedColon(const Tokens& tokens, size_t question, size_t end) {
    int depth = 0;
    int open = 0; // '?' met since `question` and not yet paired
    for (size_t at = question + 1; at < end; ++at) {
        const std::string& text = tokens[at].text;
        depth += text == "(";
        depth -= text == ")";
        if (depth != 0) {
            continue;
        }
        if (text == "?") {
            ++open;
        } else if (text == ":" && open-- == 0) {
            return at;
        }
    }
    return end;
}

// tokens[first, end) spelled again, each parenthesised group rewritten.
std::string Spelled(const Tokens& tokens, size_t first, size_t end) {
    std::string text;
    for (size_t at = first; at < end; ++at) {
        // Apart where the source spaced them: "<" "<" is a shift only together.
        text += at == first || Adjacent(tokens[at - 1], tokens[at]) ? "" : " ";
        if (tokens[at].text != "(") {
            text += tokens[at].text;
            continue;
        }
        size_t close = ClosingBracket(tokens, at);
        close = close < end ? close : end;
        // Appended piece by piece: GCC 12 takes "(" + ... for an overlapping copy.
        text += "(";
        text += Rewritten(tokens, at + 1, close);
        text += ")";
        at = close;
    }
    return text;
}

std::string Rewritten(const Tokens& tokens, size_t first, size_t end) {
    int depth = 0;
    for (size_t at = first; at < end; ++at) {
        depth += tokens[at].text == "(";
        depth -= tokens[at].text == ")";
        if (depth != 0 || tokens[at].text != "?") {
            continue;
        }
        const size_t colon = PairedColon(tokens, at, end);
        if (colon == end) {
            break; // glslang reports the malformed condition
        }
        const std::string condition = Rewritten(tokens, first, at);
        return "(!!(" + condition + ") * (" + Rewritten(tokens, at + 1, colon) + ") + !(" +
               condition + ") * (" + Rewritten(tokens, colon + 1, end) + "))";
    }
    return Spelled(tokens, first, end);
}

} // namespace

void RewriteConditionChoices(const std::string& source, std::vector<TextEdit>* edits) {
    for (size_t hash = source.find('#'); hash != std::string::npos;
         hash = source.find('#', hash + 1)) {
        const size_t lineStart = hash == 0 ? 0 : source.rfind('\n', hash - 1) + 1;
        const size_t word = source.find_first_not_of(" \t", hash + 1);
        if (source.find_first_not_of(" \t", lineStart) != hash || word == std::string::npos) {
            continue;
        }
        const bool isIf =
            source.compare(word, 3, "if ") == 0 || source.compare(word, 3, "if(") == 0;
        const bool isElif =
            source.compare(word, 5, "elif ") == 0 || source.compare(word, 5, "elif(") == 0;
        size_t lineEnd = source.find('\n', word);
        lineEnd = lineEnd == std::string::npos ? source.size() : lineEnd;
        const size_t from = word + (isIf ? 2 : 4);
        // A condition continued on the next line is left to glslang.
        const size_t lastChar = source.find_last_not_of(" \t\r", lineEnd - 1);
        if ((!isIf && !isElif) || source.find('?', from) >= lineEnd || source[lastChar] == '\\') {
            continue;
        }
        const Tokens tokens = TokenizePreprocessedHlsl(source.substr(from, lineEnd - from), "");
        if (!tokens.empty()) {
            const HlslToken& last = tokens.back();
            edits->push_back({from + tokens.front().offset,
                              last.offset + last.text.size() - tokens.front().offset,
                              Rewritten(tokens, 0, tokens.size())});
        }
    }
}

} // namespace d3dcompiler_standin
