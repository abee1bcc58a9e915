#include "warning_lines.h"

#include <cctype>
#include <cstdlib>
#include <set>
#include <sstream>
#include <vector>

namespace d3dcompiler_standin {
namespace {

size_t LastColumn(const HlslToken& token) {
    return token.column + (token.text.empty() ? 0 : token.text.size() - 1);
}

// The warning numbers the pragmas before a line turn off, make errors or
// show once.
struct WarningStates {
    std::set<int> disabled;
    std::set<int> errors;
    std::set<int> once;
};

void ApplyToNumber(const std::string& action, int code, WarningStates* states) {
    states->disabled.erase(code);
    states->errors.erase(code);
    states->once.erase(code);
    if (action == "disable") {
        states->disabled.insert(code);
    } else if (action == "error") {
        states->errors.insert(code);
    } else if (action == "once") {
        states->once.insert(code);
    }
}

// "disable : 3206 3571" of a pragma's list: its numbers under `action`, a
// number below 1000 standing for 4000 more. HLSL's warning pragma has no
// "push" or "pop": those clauses change nothing. glslang's preprocessor
// writes a list's numbers without the spaces between them ("32063571");
// Windows' warning numbers have four digits, so a longer run is read four
// digits at a time.
void ApplyClause(const std::string& clause, WarningStates* states) {
    std::istringstream action(clause.substr(0, clause.find(':')));
    std::string word;
    action >> word;
    const size_t colon = clause.find(':');
    if (colon == std::string::npos) {
        return;
    }
    std::istringstream numbers(clause.substr(colon + 1));
    for (std::string number; numbers >> number;) {
        if (number.find_first_not_of("0123456789") != std::string::npos || number.size() > 24) {
            continue;
        }
        const size_t width = number.size() > 4 && number.size() % 4 == 0 ? 4 : number.size();
        for (size_t at = 0; at < number.size(); at += width) {
            const int code = std::atoi(number.substr(at, width).c_str());
            ApplyToNumber(word, code < 1000 ? code + 4000 : code, states);
        }
    }
}

// "#pragma warning(disable : 3206; error : 4000)": what is inside the parentheses.
bool WarningPragmaList(const std::string& line, std::string* list) {
    std::istringstream words(line);
    std::string hash;
    std::string pragma;
    words >> hash;
    if (hash == "#") {
        words >> pragma;
    } else if (hash == "#pragma") {
        pragma = "pragma";
    }
    std::string rest;
    std::getline(words, rest);
    if (pragma != "pragma") {
        return false;
    }
    const size_t open = rest.find('(');
    const size_t close = rest.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open ||
        rest.substr(0, open).find("warning") == std::string::npos) {
        return false;
    }
    *list = rest.substr(open + 1, close - open - 1);
    return true;
}

// The number of a "...: warning X3206: ..." line, or -1.
int WarningNumber(const std::string& line) {
    const size_t at = line.find(": warning X");
    return at == std::string::npos ? -1 : std::atoi(line.c_str() + at + 11);
}

} // namespace

std::string SourceSpan(const HlslToken& first, const HlslToken& last) {
    const size_t end =
        last.line == first.line && last.file == first.file ? LastColumn(last) : LastColumn(first);
    return first.file + "(" + std::to_string(first.line) + "," + std::to_string(first.column) +
           "-" + std::to_string(end) + ")";
}

std::string SourceWarning(const HlslToken& at, const std::string& message,
                          const std::string& code) {
    return SourceSpan(at, at) + ": warning " + code + ": " + message + "\n";
}

WarningPolicy ReadWarningPragmas(const std::string& preprocessed, const std::string& mainFile,
                                 bool warningsAreErrors) {
    WarningPolicy policy;
    policy.allErrors = warningsAreErrors;
    std::string file = mainFile;
    uint32_t line = 1;
    for (size_t start = 0, place = 0; start < preprocessed.size(); ++place) {
        size_t end = preprocessed.find('\n', start);
        end = end == std::string::npos ? preprocessed.size() : end;
        const size_t first = preprocessed.find_first_not_of(" \t\r", start);
        uint32_t nextLine = line + 1;
        std::string list;
        if (first < end && preprocessed[first] == '#') {
            const std::string directive = preprocessed.substr(first, end - first);
            ApplyLineMarker(directive, &file, &nextLine);
            if (WarningPragmaList(directive, &list)) {
                std::istringstream clauses(list);
                for (std::string clause; std::getline(clauses, clause, ';');) {
                    policy.clauses.emplace_back(place, clause);
                }
            }
        } else if (first < end) {
            policy.places.emplace(std::make_pair(file, line), place);
        }
        line = nextLine;
        start = end + 1;
    }
    return policy;
}

namespace {

// The pragmas' states where the warning `line` stands: its file and line
// found among the preprocessed text's, or past its end.
WarningStates StatesAt(const WarningPolicy& policy, const std::string& line) {
    const std::string where = line.substr(0, line.find(": warning X"));
    const size_t open = where.rfind('(');
    size_t place = SIZE_MAX;
    if (open != std::string::npos) {
        const auto found = policy.places.find(
            {where.substr(0, open), uint32_t(std::atoi(where.c_str() + open + 1))});
        place = found != policy.places.end() ? found->second : place;
    }
    WarningStates states;
    for (const auto& [at, clause] : policy.clauses) {
        if (at < place) {
            ApplyClause(clause, &states);
        }
    }
    return states;
}

} // namespace

bool ApplyWarningPolicy(const WarningPolicy& policy, std::string* lines) {
    std::istringstream input(*lines);
    std::string out;
    bool madeErrors = false;
    std::set<int> shown;
    for (std::string line; std::getline(input, line);) {
        const int number = WarningNumber(line);
        const WarningStates states = number >= 0 ? StatesAt(policy, line) : WarningStates{};
        const bool shownBefore = number >= 0 && !shown.insert(number).second;
        if (number >= 0 &&
            (states.disabled.count(number) || (states.once.count(number) && shownBefore))) {
            continue;
        }
        if (number >= 0 && (policy.allErrors || states.errors.count(number))) {
            line.replace(line.find(": warning X"), 9, ": error");
            madeErrors = true;
        }
        out += line + "\n";
    }
    *lines = out;
    return madeErrors;
}

} // namespace d3dcompiler_standin
