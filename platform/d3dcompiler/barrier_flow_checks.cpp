#include "barrier_flow_checks.h"

#include "assignment_operators.h"
#include "memory_names.h"

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;
constexpr size_t kNone = static_cast<size_t>(-1);

// What makes a value differ between the threads of a group: the thread's own
// inputs, or a read of memory other threads may be writing (groupshared
// variables, UAVs, an interlocked operation's original value).
using Varying = unsigned;
constexpr Varying kUniform = 0;
constexpr Varying kThread = 1;
constexpr Varying kMemory = 2;

// A sync found in varying flow, with what made the flow vary (kMemory also
// for a sync after a return taken per thread).
struct FoundSync {
    size_t at = kNone;
    Varying cause = kUniform;
};

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

// The variables that name memory other threads write.
std::set<std::string> SharedMemoryNames(const Tokens& tokens) {
    std::set<std::string> names = UnorderedAccessNames(tokens);
    names.merge(GroupSharedNames(tokens));
    return names;
}

// The argument of an Interlocked* call at `at` that receives the original
// value ("InterlockedAdd(cell, 1, before)", "buffer.InterlockedMax(0, v,
// before)"), as [first, last); {kNone, kNone} where the call has none.
std::pair<size_t, size_t> OriginalValueArgument(const Tokens& tokens, size_t at) {
    const std::string& name = tokens[at].text;
    if (name.rfind("Interlocked", 0) != 0 || !IsToken(tokens, at + 1, "(") ||
        name == "InterlockedCompareStore") {
        return {kNone, kNone};
    }
    const auto pieces = CommaPieces(tokens, at + 2, ClosingBracket(tokens, at + 1));
    const size_t wanted = name == "InterlockedCompareExchange" ? 4 : 3;
    return pieces.size() == wanted ? pieces.back() : std::make_pair(kNone, kNone);
}

// What every walk of one source shares: its functions by name, the first
// sync each reaches, the names of shared memory, and what each walked call
// found, so that nested calls are walked once each.
struct CallGraph {
    CallGraph(const Tokens& tokens, const std::vector<FunctionDefinition>& functions)
        : functions(functions), sharedMemory(SharedMemoryNames(tokens)) {
        for (size_t f = 0; f < functions.size(); ++f) {
            byName.emplace(tokens[functions[f].name].text, f);
        }
        firstSync = FirstSyncs(tokens, functions, byName);
    }

    const std::vector<FunctionDefinition>& functions;
    const std::set<std::string> sharedMemory;
    std::map<std::string, size_t> byName;
    std::vector<size_t> firstSync;
    std::map<std::pair<size_t, std::vector<Varying>>, FoundSync> walked;
};

// Walks a function's statements in order, tracking which names hold varying
// values and whether the flow at each point depends on one.
class FlowWalk {
public:
    FlowWalk(const Tokens& tokens, CallGraph& calls) : tokens_(tokens), calls_(calls) {}

    // The sync reached in varying flow from `function`, if any.
    FoundSync Walk(size_t function, const std::vector<Varying>& parameters);

private:
    size_t Statement(size_t at, size_t end, Varying flow);
    size_t Block(size_t at, size_t end, Varying flow);
    size_t If(size_t at, size_t end, Varying flow);
    size_t Loop(size_t body, size_t end, Varying flow, size_t condition, size_t conditionEnd);
    size_t Do(size_t at, size_t end, Varying flow);
    void Simple(size_t at, size_t end, Varying flow);
    void Sync(size_t at, Varying flow);
    void Propagate(size_t at, size_t end, Varying flow);
    void Call(size_t at, Varying flow);
    void Find(size_t sync, Varying flow);
    Varying Reads(size_t begin, size_t end) const;

    const Tokens& tokens_;
    CallGraph& calls_;
    std::map<std::string, Varying> varying_; // names holding varying values
    bool returned_ = false;                  // past a return taken per thread
    Varying exits_ = kUniform;               // why the loop walked leaves or skips early
    int switches_ = 0;                       // switches around a break, within its loop
    int quiet_ = 0;                          // a first pass over a loop's body
    int depth_ = 0;                          // calls entered
    FoundSync found_;
};

FoundSync FlowWalk::Walk(size_t function, const std::vector<Varying>& parameters) {
    const FunctionDefinition& definition = calls_.functions[function];
    const std::vector<std::pair<size_t, size_t>> declared = Parameters(tokens_, definition);
    for (size_t p = 0; p < declared.size() && p < parameters.size(); ++p) {
        const size_t name = ParameterName(tokens_, declared[p].first, declared[p].second);
        if (name != kNone && parameters[p] != kUniform) {
            varying_[tokens_[name].text] = parameters[p];
        }
    }
    Statement(definition.body, definition.end + 1, kUniform);
    return found_;
}

size_t FlowWalk::Statement(size_t at, size_t end, Varying flow) {
    while (at < end && IsChar(tokens_[at], '[')) { // [branch], [unroll(4)] and other attributes
        at = ClosingBracket(tokens_, at) + 1;
    }
    if (at >= end) {
        return end;
    }
    const std::string& word = tokens_[at].text;
    const bool headed = IsToken(tokens_, at + 1, "(");
    if (word == "{") {
        return Block(at, end, flow);
    }
    if (word == "if" && headed) {
        return If(at, end, flow);
    }
    if ((word == "for" || word == "while") && headed) {
        const size_t close = ClosingBracket(tokens_, at + 1);
        if (word == "for") {
            Simple(at + 2, SimpleStatementEnd(tokens_, at + 2, close) - 1, flow);
        }
        return Loop(close + 1, end, flow, at + 2, close);
    }
    if (word == "do") {
        return Do(at, end, flow);
    }
    if (word == "switch" && headed) {
        const size_t close = ClosingBracket(tokens_, at + 1);
        Simple(at + 2, close, flow);
        ++switches_;
        const size_t next = Statement(close + 1, end, flow | Reads(at + 2, close));
        --switches_;
        return next;
    }
    const size_t next = SimpleStatementEnd(tokens_, at, end);
    if (flow != kUniform &&
        (word == "return" || word == "continue" || (word == "break" && switches_ == 0))) {
        exits_ |= flow;
        // Threads that left on a value read from memory are not counted as
        // gone: Windows' compiler takes a return on a group's shared result.
        returned_ |= word == "return" && (flow & kThread) != 0;
    }
    Simple(at, next - 1, flow);
    return next;
}

size_t FlowWalk::Block(size_t at, size_t end, Varying flow) {
    const size_t close = std::min(ClosingBracket(tokens_, at), end);
    for (size_t next = at + 1; next < close;) {
        next = std::max(Statement(next, close, flow), next + 1);
    }
    return close + 1;
}

size_t FlowWalk::If(size_t at, size_t end, Varying flow) {
    const size_t close = ClosingBracket(tokens_, at + 1);
    Simple(at + 2, close, flow);
    const Varying branches = flow | Reads(at + 2, close);
    size_t next = Statement(close + 1, end, branches);
    if (IsToken(tokens_, next, "else")) {
        next = Statement(next + 1, end, branches);
    }
    return next;
}

// A loop whose condition is [condition, conditionEnd) and whose body starts at
// `body`: varying where the condition reads a varying value, also one the
// body computes, or where the body leaves or skips per thread.
size_t FlowWalk::Loop(size_t body, size_t end, Varying flow, size_t condition,
                      size_t conditionEnd) {
    const Varying outerExits = exits_;
    const bool outerReturned = returned_;
    const int outerSwitches = switches_;
    switches_ = 0;
    exits_ = kUniform;
    Varying iterates = flow | Reads(condition, conditionEnd);
    const std::map<std::string, Varying> entry = varying_;
    ++quiet_;
    for (int pass = 0; pass < 2; ++pass) {
        Statement(body, end, iterates);
        iterates |= Reads(condition, conditionEnd) | exits_;
    }
    --quiet_;
    for (const auto& [name, varying] : entry) {
        varying_[name] |= varying; // as at the first iteration, before the body's syncs
    }
    iterates |= Reads(condition, conditionEnd);
    returned_ = outerReturned;
    const size_t next = Statement(body, end, iterates);
    exits_ = outerExits | (returned_ ? kThread : kUniform);
    switches_ = outerSwitches;
    return next;
}

size_t FlowWalk::Do(size_t at, size_t end, Varying flow) {
    ++quiet_;
    const size_t after = Statement(at + 1, end, flow);
    --quiet_;
    if (!IsToken(tokens_, after, "while") || !IsToken(tokens_, after + 1, "(")) {
        return after;
    }
    const size_t close = ClosingBracket(tokens_, after + 1);
    Loop(at + 1, end, flow, after + 2, close);
    return SimpleStatementEnd(tokens_, close, end);
}

// A statement without statements inside: its syncs and calls, then what it
// assigns, and the original values interlocked operations give.
void FlowWalk::Simple(size_t at, size_t end, Varying flow) {
    for (size_t k = at; k < end; ++k) {
        if (IsSync(tokens_, k)) {
            Sync(k, flow);
        } else if (IsCall(tokens_, k) && calls_.byName.count(tokens_[k].text) != 0) {
            Call(k, flow);
        }
    }
    Propagate(at, end, flow);
    for (size_t k = at; k < end; ++k) {
        const auto [first, last] = OriginalValueArgument(tokens_, k);
        const size_t name = first == kNone ? kNone : AssignedName(tokens_, first, last);
        if (name != kNone) {
            varying_[tokens_[name].text] |= kMemory | flow;
        }
    }
}

// A sync in uniform flow, with no thread gone, is one every thread reaches:
// what was read from memory before it is settled, as every thread has read
// it and none writes it again until all have passed.
void FlowWalk::Sync(size_t at, Varying flow) {
    if (flow != kUniform || returned_) {
        Find(at, flow);
        return;
    }
    for (auto name = varying_.begin(); name != varying_.end();) {
        name->second &= ~kMemory;
        name = name->second == kUniform ? varying_.erase(name) : std::next(name);
    }
}

void FlowWalk::Find(size_t sync, Varying flow) {
    if (quiet_ == 0 && found_.at == kNone) {
        found_ = {sync, (flow & kThread) != 0 ? kThread : kMemory};
    }
}

// Each declarator or assignment in [at, end) whose value reads a varying
// value, or that varying flow decides, makes its variable varying. What is
// written to shared memory is read back as a read of memory.
void FlowWalk::Propagate(size_t at, size_t end, Varying flow) {
    for (const auto& [first, last] : CommaPieces(tokens_, at, end)) {
        const size_t assignment = AssignmentOperatorIn(tokens_, first, last);
        if (assignment == last) {
            continue;
        }
        const size_t name = AssignedName(tokens_, first, assignment);
        const Varying value = flow | Reads(AssignedValue(tokens_, assignment), last);
        if (name != kNone && value != kUniform &&
            calls_.sharedMemory.count(tokens_[name].text) == 0) {
            varying_[tokens_[name].text] |= value;
        }
    }
}

// A call of a function that reaches a sync: the sync is in varying flow
// where the call is, or where the callee's own flow puts it, reading its
// arguments' values.
void FlowWalk::Call(size_t at, Varying flow) {
    const size_t callee = calls_.byName.at(tokens_[at].text);
    if (calls_.firstSync[callee] == kNone || quiet_ != 0 || found_.at != kNone) {
        return;
    }
    if (flow != kUniform || returned_) {
        Find(calls_.firstSync[callee], flow);
        return;
    }
    if (depth_ >= 16) {
        return;
    }
    std::vector<Varying> arguments;
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

Varying FlowWalk::Reads(size_t begin, size_t end) const {
    Varying read = kUniform;
    for (size_t at = begin; at < end && at < tokens_.size(); ++at) {
        if (tokens_[at].kind != HlslToken::Kind::Identifier ||
            (at != 0 && IsChar(tokens_[at - 1], '.'))) {
            continue;
        }
        const auto name = varying_.find(tokens_[at].text);
        read |= name != varying_.end() ? name->second : kUniform;
        read |= calls_.sharedMemory.count(tokens_[at].text) != 0 ? kMemory : kUniform;
    }
    return read;
}

} // namespace

void CheckBarrierFlow(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                      size_t entry, std::string* errors) {
    CallGraph calls(tokens, functions);
    if (calls.firstSync[entry] == kNone) {
        return;
    }
    FlowWalk walk(tokens, calls);
    std::vector<Varying> inputs;
    for (const auto& [first, last] : Parameters(tokens, functions[entry])) {
        inputs.push_back(IsToken(tokens, first, "uniform") ? kUniform : kThread);
    }
    const FoundSync sync = walk.Walk(entry, inputs);
    if (sync.at == kNone) {
        return;
    }
    if (sync.cause == kThread) {
        *errors += SourceError(tokens[sync.at],
                               "thread sync operation found in varying flow control, consider "
                               "reformulating your algorithm so all threads will hit the sync "
                               "simultaneously",
                               "X3663") +
                   "\n";
        return;
    }
    *errors += SourceError(tokens[sync.at],
                           "thread sync operation must be in non-varying flow control, due to a "
                           "potential race condition this sync is illegal, consider adding a "
                           "sync after reading any values controlling shader execution at this "
                           "point",
                           "X4026") +
               "\n";
}

} // namespace d3dcompiler_standin
