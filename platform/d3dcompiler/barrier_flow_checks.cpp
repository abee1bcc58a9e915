#include "barrier_flow_checks.h"

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
constexpr size_t kNone = static_cast<size_t>(-1);

bool IsSync(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    return IsToken(tokens, at + 1, "(") &&
           (text == "GroupMemoryBarrierWithGroupSync" ||
            text == "DeviceMemoryBarrierWithGroupSync" || text == "AllMemoryBarrierWithGroupSync");
}

// Whether the name at `at` is called as a function: "name(" not after a '.'.
bool IsCall(const Tokens& tokens, size_t at) {
    return IsIdentifier(tokens, at) && IsToken(tokens, at + 1, "(") &&
           (at == 0 || !IsChar(tokens[at - 1], '.'));
}

// The top-level pieces of [begin, end) between commas.
std::vector<std::pair<size_t, size_t>> CommaPieces(const Tokens& tokens, size_t begin, size_t end) {
    std::vector<std::pair<size_t, size_t>> pieces;
    size_t first = begin;
    for (size_t at = begin; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || text == "{") {
            at = std::min(ClosingBracket(tokens, at), end);
        } else if (IsChar(tokens[at], ',')) {
            pieces.push_back({first, at});
            first = at + 1;
        }
    }
    pieces.push_back({first, end});
    return pieces;
}

// The '=' of an assignment or initialiser in [begin, end) ("a = b", "a += b",
// "a <<= b"; not "a == b" or "a <= b"), or kNone.
size_t AssignmentOperator(const Tokens& tokens, size_t begin, size_t end) {
    for (size_t at = begin; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" || text == "[" || text == "{") {
            at = std::min(ClosingBracket(tokens, at), end);
            continue;
        }
        if (!IsChar(tokens[at], '=') || at == begin || IsToken(tokens, at + 1, "=")) {
            continue;
        }
        const HlslToken& before = tokens[at - 1];
        if (IsChar(before, '=') || IsChar(before, '!')) {
            continue;
        }
        if ((IsChar(before, '<') || IsChar(before, '>')) &&
            !(at >= begin + 2 && tokens[at - 2].text == before.text)) {
            continue; // a comparison
        }
        return at;
    }
    return kNone;
}

// The variable an assignment whose '=' is at `equals` writes: "a", "a.x",
// "a[i]", "float4 a[2]", "a +=".
size_t AssignedName(const Tokens& tokens, size_t begin, size_t equals) {
    size_t at = equals;
    while (at > begin && tokens[at - 1].kind == HlslToken::Kind::Punctuation &&
           !IsChar(tokens[at - 1], ']')) {
        --at; // "+" of "+=", "<" "<" of "<<="
    }
    while (at > begin) {
        const HlslToken& last = tokens[at - 1];
        if (IsChar(last, ']')) {
            at = OpeningBracket(tokens, at - 1);
        } else if (at >= begin + 2 && IsChar(tokens[at - 2], '.')) {
            at -= 2; // ".member"
        } else {
            break;
        }
    }
    return at > begin && IsIdentifier(tokens, at - 1) ? at - 1 : kNone;
}

// The declared name of a parameter [first, end): the last name before its
// semantic, initialiser or array size.
size_t ParameterName(const Tokens& tokens, size_t first, size_t end) {
    size_t name = kNone;
    for (size_t at = first; at < end; ++at) {
        const std::string& text = tokens[at].text;
        if (text == ":" || text == "=" || text == "[") {
            break;
        }
        if (IsIdentifier(tokens, at)) {
            name = at;
        }
    }
    return name;
}

// The first sync each function reaches, itself or through the functions it
// calls; kNone where it reaches none.
std::vector<size_t> FirstSyncs(const Tokens& tokens,
                               const std::vector<FunctionDefinition>& functions,
                               const std::map<std::string, size_t>& byName) {
    std::vector<size_t> first(functions.size(), kNone);
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t f = 0; f < functions.size(); ++f) {
            for (size_t at = functions[f].body; at < functions[f].end && first[f] == kNone; ++at) {
                if (IsSync(tokens, at)) {
                    first[f] = at;
                } else if (IsCall(tokens, at) && byName.count(tokens[at].text) != 0) {
                    first[f] = first[byName.at(tokens[at].text)];
                }
                changed |= first[f] != kNone;
            }
        }
    }
    return first;
}

// What every walk of one source shares: its functions by name, the first
// sync each reaches, and what each walked call found, so that nested calls
// are walked once each.
struct CallGraph {
    CallGraph(const Tokens& tokens, const std::vector<FunctionDefinition>& functions)
        : functions(functions) {
        for (size_t f = 0; f < functions.size(); ++f) {
            byName.emplace(tokens[functions[f].name].text, f);
        }
        firstSync = FirstSyncs(tokens, functions, byName);
    }

    const std::vector<FunctionDefinition>& functions;
    std::map<std::string, size_t> byName;
    std::vector<size_t> firstSync;
    std::map<std::pair<size_t, std::vector<bool>>, size_t> walked;
};

// Walks a function's statements in order, tracking which names hold
// per-thread values and whether the flow at each point depends on one.
class FlowWalk {
public:
    FlowWalk(const Tokens& tokens, CallGraph& calls) : tokens_(tokens), calls_(calls) {}

    // The sync reached in per-thread flow from `function`, or kNone.
    size_t Walk(size_t function, const std::vector<bool>& perThreadParameters);

private:
    size_t Statement(size_t at, size_t end, bool perThread);
    size_t Block(size_t at, size_t end, bool perThread);
    size_t If(size_t at, size_t end, bool perThread);
    size_t Loop(size_t body, size_t end, bool perThread, size_t condition, size_t conditionEnd);
    size_t Do(size_t at, size_t end, bool perThread);
    void Simple(size_t at, size_t end, bool perThread);
    void Propagate(size_t at, size_t end, bool perThread);
    void Call(size_t at, bool perThread);
    bool Reads(size_t begin, size_t end) const;

    const Tokens& tokens_;
    CallGraph& calls_;
    std::set<std::string> perThread_; // names holding per-thread values
    bool returned_ = false;           // past a return under per-thread flow
    bool exits_ = false;              // the loop walked leaves or skips per thread
    int switches_ = 0;                // switches around a break, within its loop
    int quiet_ = 0;                   // a first pass over a loop's body
    int depth_ = 0;                   // calls entered
    size_t found_ = kNone;
};

size_t FlowWalk::Walk(size_t function, const std::vector<bool>& perThreadParameters) {
    const FunctionDefinition& definition = calls_.functions[function];
    const std::vector<std::pair<size_t, size_t>> parameters = Parameters(tokens_, definition);
    for (size_t p = 0; p < parameters.size() && p < perThreadParameters.size(); ++p) {
        const size_t name = ParameterName(tokens_, parameters[p].first, parameters[p].second);
        if (name != kNone && perThreadParameters[p]) {
            perThread_.insert(tokens_[name].text);
        }
    }
    Statement(definition.body, definition.end + 1, false);
    return found_;
}

size_t FlowWalk::Statement(size_t at, size_t end, bool perThread) {
    while (at < end && IsChar(tokens_[at], '[')) { // [branch], [unroll(4)] and other attributes
        at = ClosingBracket(tokens_, at) + 1;
    }
    if (at >= end) {
        return end;
    }
    const std::string& word = tokens_[at].text;
    const bool headed = IsToken(tokens_, at + 1, "(");
    if (word == "{") {
        return Block(at, end, perThread);
    }
    if (word == "if" && headed) {
        return If(at, end, perThread);
    }
    if ((word == "for" || word == "while") && headed) {
        const size_t close = ClosingBracket(tokens_, at + 1);
        if (word == "for") {
            Propagate(at + 2, SimpleStatementEnd(tokens_, at + 2, close) - 1, perThread);
        }
        return Loop(close + 1, end, perThread, at + 2, close);
    }
    if (word == "do") {
        return Do(at, end, perThread);
    }
    if (word == "switch" && headed) {
        const size_t close = ClosingBracket(tokens_, at + 1);
        ++switches_;
        const size_t next = Statement(close + 1, end, perThread || Reads(at + 2, close));
        --switches_;
        return next;
    }
    const size_t next = SimpleStatementEnd(tokens_, at, end);
    if (perThread &&
        (word == "return" || word == "continue" || (word == "break" && switches_ == 0))) {
        exits_ = true;
        returned_ |= word == "return";
    }
    Simple(at, next - 1, perThread);
    return next;
}

size_t FlowWalk::Block(size_t at, size_t end, bool perThread) {
    const size_t close = std::min(ClosingBracket(tokens_, at), end);
    for (size_t next = at + 1; next < close;) {
        next = std::max(Statement(next, close, perThread), next + 1);
    }
    return close + 1;
}

size_t FlowWalk::If(size_t at, size_t end, bool perThread) {
    const size_t close = ClosingBracket(tokens_, at + 1);
    Simple(at + 2, close, perThread);
    const bool branches = perThread || Reads(at + 2, close);
    size_t next = Statement(close + 1, end, branches);
    if (IsToken(tokens_, next, "else")) {
        next = Statement(next + 1, end, branches);
    }
    return next;
}

// A loop whose condition is [condition, conditionEnd) and whose body starts at
// `body`: per thread where the condition reads a per-thread value, also one
// the body computes, or where the body leaves or skips per thread.
size_t FlowWalk::Loop(size_t body, size_t end, bool perThread, size_t condition,
                      size_t conditionEnd) {
    const bool outerExits = exits_;
    const bool outerReturned = returned_;
    const int outerSwitches = switches_;
    switches_ = 0;
    exits_ = false;
    ++quiet_;
    for (int pass = 0; pass < 2; ++pass) {
        Statement(body, end, perThread || Reads(condition, conditionEnd));
    }
    --quiet_;
    const bool iterates = perThread || exits_ || Reads(condition, conditionEnd);
    returned_ = outerReturned;
    const size_t next = Statement(body, end, iterates);
    exits_ = outerExits || returned_;
    switches_ = outerSwitches;
    return next;
}

size_t FlowWalk::Do(size_t at, size_t end, bool perThread) {
    ++quiet_;
    const size_t after = Statement(at + 1, end, perThread);
    --quiet_;
    if (!IsToken(tokens_, after, "while") || !IsToken(tokens_, after + 1, "(")) {
        return after;
    }
    const size_t close = ClosingBracket(tokens_, after + 1);
    Loop(at + 1, end, perThread, after + 2, close);
    return SimpleStatementEnd(tokens_, close, end);
}

// A statement without statements inside: its syncs and calls, then what it
// assigns.
void FlowWalk::Simple(size_t at, size_t end, bool perThread) {
    for (size_t k = at; k < end; ++k) {
        if (IsSync(tokens_, k)) {
            if ((perThread || returned_) && quiet_ == 0 && found_ == kNone) {
                found_ = k;
            }
        } else if (IsCall(tokens_, k) && calls_.byName.count(tokens_[k].text) != 0) {
            Call(k, perThread);
        }
    }
    Propagate(at, end, perThread);
}

// Each declarator or assignment in [at, end) whose value reads a per-thread
// value, or that per-thread flow decides, makes its variable per-thread.
void FlowWalk::Propagate(size_t at, size_t end, bool perThread) {
    for (const auto& [first, last] : CommaPieces(tokens_, at, end)) {
        const size_t equals = AssignmentOperator(tokens_, first, last);
        if (equals == kNone) {
            continue;
        }
        const size_t name = AssignedName(tokens_, first, equals);
        if (name != kNone && (perThread || Reads(equals + 1, last))) {
            perThread_.insert(tokens_[name].text);
        }
    }
}

// A call of a function that reaches a sync: the sync is in per-thread flow
// where the call is, or where the callee's own flow puts it, reading its
// arguments' values.
void FlowWalk::Call(size_t at, bool perThread) {
    const size_t callee = calls_.byName.at(tokens_[at].text);
    if (calls_.firstSync[callee] == kNone || quiet_ != 0 || found_ != kNone) {
        return;
    }
    if (perThread || returned_) {
        found_ = calls_.firstSync[callee];
        return;
    }
    if (depth_ >= 16) {
        return;
    }
    std::vector<bool> arguments;
    const size_t close = ClosingBracket(tokens_, at + 1);
    for (const auto& [first, last] : CommaPieces(tokens_, at + 2, close)) {
        arguments.push_back(Reads(first, last));
    }
    const auto key = std::make_pair(callee, arguments);
    const auto walked = calls_.walked.find(key);
    if (walked != calls_.walked.end()) {
        found_ = walked->second;
        return;
    }
    FlowWalk inner(tokens_, calls_);
    inner.depth_ = depth_ + 1;
    found_ = inner.Walk(callee, arguments);
    calls_.walked.emplace(key, found_);
}

bool FlowWalk::Reads(size_t begin, size_t end) const {
    for (size_t at = begin; at < end && at < tokens_.size(); ++at) {
        if (tokens_[at].kind == HlslToken::Kind::Identifier &&
            (at == 0 || !IsChar(tokens_[at - 1], '.')) && perThread_.count(tokens_[at].text) != 0) {
            return true;
        }
    }
    return false;
}

} // namespace

void CheckBarrierFlow(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                      size_t entry, std::string* errors) {
    CallGraph calls(tokens, functions);
    FlowWalk walk(tokens, calls);
    std::vector<bool> inputs;
    for (const auto& [first, last] : Parameters(tokens, functions[entry])) {
        inputs.push_back(!(IsToken(tokens, first, "uniform")));
    }
    const size_t sync = walk.Walk(entry, inputs);
    if (sync == kNone) {
        return;
    }
    *errors += SourceError(tokens[sync],
                           "thread sync operation must be in non-varying flow control, due to a "
                           "potential race condition this sync is illegal, consider adding a "
                           "sync after reading any values controlling shader execution at this "
                           "point",
                           "X4026") +
               "\n";
}

} // namespace d3dcompiler_standin
