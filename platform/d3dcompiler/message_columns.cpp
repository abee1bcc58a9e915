#include "message_columns.h"

#include "function_scan.h"
#include "identifier_chars.h"
#include "numeric_type_names.h"

#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// ",first-last" for tokens [first, end) on `first`'s line, or for `first`
// alone where the value runs on.
std::string Columns(const Tokens& tokens, size_t first, size_t end) {
    size_t last = first;
    while (last + 1 < end && tokens[last + 1].line == tokens[first].line &&
           tokens[last + 1].file == tokens[first].file) {
        ++last;
    }
    const uint32_t stop = tokens[last].column + uint32_t(tokens[last].text.size()) - 1;
    return "," + std::to_string(tokens[first].column) + "-" + std::to_string(stop);
}

// Whether the '=' at `at` assigns: not part of ==, !=, <= or >=.
bool Assigns(const Tokens& tokens, size_t at) {
    if (at + 1 < tokens.size() && IsChar(tokens[at + 1], '=') &&
        Adjacent(tokens[at], tokens[at + 1])) {
        return false;
    }
    if (at == 0 || !Adjacent(tokens[at - 1], tokens[at])) {
        return true;
    }
    const std::string& before = tokens[at - 1].text;
    return before != "=" && before != "!" &&
           !((before == "<" || before == ">") &&
             !(at >= 2 && tokens[at - 2].text == before)); // a shift assigns
}

// The columns of what the X3017 or X3014 at `line` of `file` is about.
std::string ValueColumns(const Tokens& tokens, const std::string& file, uint32_t line,
                         bool constructor) {
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (token.line != line || token.file != file) {
            continue;
        }
        NumericTypeName type;
        if (constructor) {
            if (IsToken(tokens, at + 1, "(") && ReadNumericTypeName(token.text, &type)) {
                return Columns(tokens, at, ClosingBracket(tokens, at + 1) + 1);
            }
        } else if (token.text == "return" || (IsChar(token, '=') && Assigns(tokens, at))) {
            const size_t end = SimpleStatementEnd(tokens, at + 1, tokens.size()) - 1;
            return end > at + 1 ? Columns(tokens, at + 1, end) : "";
        }
    }
    return "";
}

struct WrittenToken {
    uint32_t preprocessed; // the token's column in the preprocessed line
    uint32_t written;      // and in the line as written
    uint32_t length;
};

// Where `text` stands in `written` from `cursor` on: a name or number as a
// whole word, an operator only with nothing but spaces before it (another
// token between means it is not this one).
size_t FindWritten(const std::string& written, const std::string& text, size_t cursor) {
    if (!IsIdentifierPart(text[0])) {
        const size_t next = written.find_first_not_of(" \t", cursor);
        return next != std::string::npos && written.compare(next, text.size(), text) == 0
                   ? next
                   : std::string::npos;
    }
    for (size_t found = written.find(text, cursor); found != std::string::npos;
         found = written.find(text, found + 1)) {
        const size_t after = found + text.size();
        if ((found == 0 || !IsIdentifierPart(written[found - 1])) &&
            (after >= written.size() || !IsIdentifierPart(written[after]))) {
            return found;
        }
    }
    return std::string::npos;
}

// The tokens of `file`'s line `line` that the line as written holds, with
// their columns in both (from 1); tokens it does not hold (a macro's
// expansion, a rewrite's helper) are left out.
std::vector<WrittenToken> WrittenColumns(const Tokens& tokens, const std::string& file,
                                         uint32_t line, const SourceLineLookup& lines) {
    std::vector<WrittenToken> columns;
    std::string written;
    if (!lines || !lines(file, int(line), &written)) {
        return columns;
    }
    size_t cursor = 0;
    for (const HlslToken& token : tokens) {
        if (token.line != line || token.file != file) {
            continue;
        }
        const size_t found = FindWritten(written, token.text, cursor);
        if (found != std::string::npos) {
            columns.push_back({token.column, uint32_t(found + 1), uint32_t(token.text.size())});
            cursor = found + token.text.size();
        }
    }
    return columns;
}

// ",first-last" as written for the preprocessed columns first..last, which
// must start and end a token the line as written holds; "" otherwise, for a
// wrong place is worse than none.
std::string WrittenRange(const std::vector<WrittenToken>& columns, uint32_t first, uint32_t last) {
    const WrittenToken* start = nullptr;
    const WrittenToken* stop = nullptr;
    for (const WrittenToken& token : columns) {
        start = token.preprocessed == first ? &token : start;
        stop = token.preprocessed + token.length - 1 == last ? &token : stop;
    }
    if (start == nullptr || stop == nullptr || stop->written < start->written) {
        return "";
    }
    return "," + std::to_string(start->written) + "-" +
           std::to_string(stop->written + stop->length - 1);
}

} // namespace

std::string MapColumnsToSource(const std::string& messages, const Tokens& tokens,
                               const SourceLineLookup& lines) {
    static const std::regex kPlaced("^(.*)\\(([0-9]+),([0-9]+)-([0-9]+)\\)(: .*)$");
    std::istringstream input(messages);
    std::string out;
    // A line many messages name (a generated one) is read once.
    std::map<std::pair<std::string, uint32_t>, std::vector<WrittenToken>> read;
    for (std::string line; std::getline(input, line);) {
        std::smatch match;
        if (std::regex_match(line, match, kPlaced)) {
            const uint32_t number = uint32_t(std::stoul(match[2].str()));
            const auto key = std::make_pair(match[1].str(), number);
            auto cached = read.find(key);
            if (cached == read.end()) {
                cached =
                    read.emplace(key, WrittenColumns(tokens, match[1].str(), number, lines)).first;
            }
            const auto& columns = cached->second;
            line = match[1].str() + "(" + match[2].str() +
                   WrittenRange(columns, uint32_t(std::stoul(match[3].str())),
                                uint32_t(std::stoul(match[4].str()))) +
                   ")" + match[5].str();
        }
        out += line + "\n";
    }
    return out;
}

std::string AddConversionColumns(const std::string& messages, const Tokens& tokens,
                                 const SourceLineLookup& lines) {
    static const std::regex kLineOnly("^(.*)\\(([0-9]+)\\): error (X3017|X3014): .*$");
    if (messages.find("): error X3017") == std::string::npos &&
        messages.find("): error X3014") == std::string::npos) {
        return messages;
    }
    std::istringstream input(messages);
    std::string out;
    for (std::string line; std::getline(input, line);) {
        std::smatch match;
        if (std::regex_match(line, match, kLineOnly)) {
            const uint32_t number = uint32_t(std::strtoul(match[2].str().c_str(), nullptr, 10));
            const std::string columns =
                ValueColumns(tokens, match[1].str(), number, match[3].str() == "X3014");
            line.insert(size_t(match.position(2) + match.length(2)), columns);
            line = MapColumnsToSource(line, tokens, lines);
            line.pop_back();
        }
        out += line + "\n";
    }
    return out;
}

} // namespace d3dcompiler_standin
