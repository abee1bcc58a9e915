#include "switch_checks.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// How the statements of a case end, as far as the tokens tell.
enum class Ending { Leaves, FallsThrough, Unknown };

bool IsStatementBoundary(const std::string& text) {
    return text == ";" || text == "{" || text == "}" || text == ":";
}

// Index of the '(' or '{' matching the ')' or '}' at `close`, or `begin`.
size_t OpeningBracket(const Tokens& tokens, size_t begin, size_t close) {
    const std::string closer = tokens[close].text;
    const std::string opener = closer == ")" ? "(" : "{";
    size_t depth = 0;
    for (size_t at = close + 1; at-- > begin;) {
        depth += tokens[at].text == closer;
        depth -= tokens[at].text == opener;
        if (depth == 0) {
            return at;
        }
    }
    return begin;
}

// The ending of the statements in [begin, end), judged by the last one: a
// jump leaves, an expression or declaration falls through, and flow control
// (if, loops, nested blocks of them) is left unjudged.
Ending LastStatementEnding(const Tokens& tokens, size_t begin, size_t end) {
    if (end <= begin) {
        return Ending::Unknown;
    }
    size_t last = end - 1;
    if (tokens[last].text == "}") {
        const size_t open = OpeningBracket(tokens, begin, last);
        const bool bareBlock = open == begin || IsStatementBoundary(tokens[open - 1].text);
        return bareBlock ? LastStatementEnding(tokens, open + 1, last) : Ending::Unknown;
    }
    if (tokens[last].text != ";") {
        return Ending::Unknown;
    }
    size_t first = last;
    // A ':' here is a conditional's; the label's lies before `begin`.
    while (first > begin && tokens[first - 1].text != ";" && tokens[first - 1].text != "{" &&
           tokens[first - 1].text != "}") {
        --first;
        if (tokens[first].text == ")") {
            first = OpeningBracket(tokens, begin, first);
        }
    }
    const std::string& word = tokens[first].text;
    if (word == "break" || word == "return" || word == "continue" || word == "discard") {
        return Ending::Leaves;
    }
    const bool control = word == "if" || word == "else" || word == "for" || word == "while" ||
                         word == "do" || word == "switch" || word == "[";
    return control ? Ending::Unknown : Ending::FallsThrough;
}

// The labels ("case 1:", "default:") at the top level of the switch body
// (open, close): for each, the label's first token and the token after its ':'.
std::vector<std::pair<size_t, size_t>> CaseLabels(const Tokens& tokens, size_t open, size_t close) {
    std::vector<std::pair<size_t, size_t>> labels;
    for (size_t at = open + 1; at < close; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "{" || text == "(") {
            at = ClosingBracket(tokens, at);
            continue;
        }
        if ((text != "case" && text != "default") || !IsStatementBoundary(tokens[at - 1].text)) {
            continue;
        }
        size_t colon = at + 1;
        while (colon < close && tokens[colon].text != ":") {
            colon = tokens[colon].text == "(" ? ClosingBracket(tokens, colon) + 1 : colon + 1;
        }
        labels.push_back({at, colon + 1});
        at = colon;
    }
    return labels;
}

void CheckSwitchBody(const Tokens& tokens, size_t open, size_t close, std::string* errors) {
    const std::vector<std::pair<size_t, size_t>> labels = CaseLabels(tokens, open, close);
    for (size_t i = 0; i + 1 < labels.size(); ++i) {
        const size_t statements = labels[i].second;
        const size_t next = labels[i + 1].first;
        if (statements < next &&
            LastStatementEnding(tokens, statements, next) == Ending::FallsThrough) {
            *errors += SourceError(tokens[labels[i].first],
                                   "non-empty case statements must have break or return", "X3533") +
                       "\n";
        }
    }
}

} // namespace

void CheckSwitchFallThrough(const Tokens& tokens, std::string* errors) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "switch" || !IsToken(tokens, at + 1, "(")) {
            continue;
        }
        const size_t condition = ClosingBracket(tokens, at + 1);
        if (!IsToken(tokens, condition + 1, "{")) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, condition + 1);
        if (close < tokens.size()) {
            CheckSwitchBody(tokens, condition + 1, close, errors);
        }
    }
}

} // namespace d3dcompiler_standin
