#include "geometry_streams.h"

#include "hlsl_tokens.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct StreamParameter {
    size_t first = 0, end = 0; // its tokens
    size_t comma = 0;          // the comma before it, or 0 for the first parameter
    std::string kind, type, name;
    size_t stream = 0; // the entry's stream it is or, in a helper's copy, stands for
};

// A call at token `function` passing stream `stream`.
struct HelperCall {
    size_t function = 0;
    size_t stream = 0;
};

struct Member {
    std::string renamedDeclaration; // the declaration before its semantic, renamed
    std::string name, semantic;
};

constexpr char kMerged[] = "brennwick_streams";

// The token index of the entry point's name where it is defined, or tokens.size().
size_t FindEntryDefinition(const Tokens& tokens, const std::string& entryPoint) {
    int depth = 0;
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        depth += IsChar(tokens[at], '{') ? 1 : IsChar(tokens[at], '}') ? -1 : 0;
        if (depth == 0 && tokens[at].text == entryPoint && IsChar(tokens[at + 1], '(')) {
            const size_t close = ClosingBracket(tokens, at + 1);
            if (close + 1 < tokens.size() && IsChar(tokens[close + 1], '{')) {
                return at;
            }
        }
    }
    return tokens.size();
}

// The stream parameter "[inout] Kind<Type> name" in tokens [first, end), if it is one.
bool ReadStreamParameter(const Tokens& tokens, size_t first, size_t end, StreamParameter* out) {
    for (size_t at = first; at + 4 < end; ++at) {
        const std::string& kind = tokens[at].text;
        if ((kind == "PointStream" || kind == "LineStream" || kind == "TriangleStream") &&
            IsChar(tokens[at + 1], '<') && IsIdentifier(tokens, at + 2) &&
            IsChar(tokens[at + 3], '>') && IsIdentifier(tokens, at + 4)) {
            *out = {first, end, 0, kind, tokens[at + 2].text, tokens[at + 4].text};
            return true;
        }
    }
    return false;
}

std::vector<StreamParameter> StreamParameters(const Tokens& tokens, size_t open, size_t close) {
    std::vector<StreamParameter> streams;
    size_t first = open + 1;
    int depth = 0;
    for (size_t at = open + 1; at <= close; ++at) {
        const HlslToken& token = tokens[at];
        depth += IsChar(token, '(') || IsChar(token, '[') ? 1 : 0;
        depth -= IsChar(token, ')') || IsChar(token, ']') ? 1 : 0;
        if ((depth == 0 && IsChar(token, ',')) || at == close) {
            StreamParameter stream;
            if (ReadStreamParameter(tokens, first, at, &stream)) {
                stream.comma = first > open + 1 ? first - 1 : 0;
                stream.stream = streams.size();
                streams.push_back(stream);
            }
            first = at + 1;
        }
    }
    return streams;
}

// One member "declaration : SEMANTIC" in tokens [first, end), renamed for `stream`.
bool ReadMember(const std::string& source, const Tokens& tokens, size_t first, size_t end,
                uint32_t stream, Member* member) {
    size_t colon = first;
    while (colon < end && !IsChar(tokens[colon], ':') && !IsChar(tokens[colon], '(')) {
        ++colon;
    }
    if (colon == first || colon + 2 != end || !IsChar(tokens[colon], ':') ||
        !IsIdentifier(tokens, colon + 1)) {
        return false;
    }
    const size_t name =
        IsChar(tokens[colon - 1], ']') ? OpeningBracket(tokens, colon - 1) - 1 : colon - 1;
    if (name <= first || name >= colon || !IsIdentifier(tokens, name)) {
        return false;
    }
    member->name = tokens[name].text;
    member->semantic = tokens[colon + 1].text;
    const size_t nameEnd = tokens[name].offset + member->name.size();
    member->renamedDeclaration =
        source.substr(tokens[first].offset, tokens[name].offset - tokens[first].offset) + "s" +
        std::to_string(stream) + "_" + member->name +
        source.substr(nameEnd, tokens[colon].offset - nameEnd);
    return true;
}

// The members of "struct type { ... }", each with a semantic; false for
// anything else (no such structure, a method, a member without a semantic).
bool ReadMembers(const std::string& source, const Tokens& tokens, const std::string& type,
                 uint32_t stream, std::vector<Member>* members) {
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text != "struct" || tokens[at + 1].text != type ||
            !IsChar(tokens[at + 2], '{')) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 2);
        for (size_t first = at + 3; first < close;) {
            size_t end = first;
            while (end < close && !IsChar(tokens[end], ';')) {
                ++end;
            }
            Member member;
            if (end == close || !ReadMember(source, tokens, first, end, stream, &member)) {
                return false;
            }
            members->push_back(member);
            first = end + 1;
        }
        return !members->empty();
    }
    return false;
}

// The merged structure and one append function per stream, on one line so
// that the source keeps its line numbers.
bool MergedDefinitions(const std::string& source, const Tokens& tokens,
                       const std::vector<StreamParameter>& streams, std::string* text) {
    std::string structure = std::string("struct ") + kMerged + " { " + streams[0].type + " s0; ";
    std::string functions;
    for (uint32_t k = 0; k < streams.size(); ++k) {
        std::vector<Member> members;
        if (k > 0 && !ReadMembers(source, tokens, streams[k].type, k, &members)) {
            return false;
        }
        std::string copies = k == 0 ? "o.s0 = v; " : "";
        for (const Member& member : members) {
            structure += member.renamedDeclaration + " : BRENNWICK_S" + std::to_string(k) + "_" +
                         member.semantic + "; ";
            copies += "o.s" + std::to_string(k) + "_" + member.name + " = v." + member.name + "; ";
        }
        functions += "void brennwick_append_" + std::to_string(k) + "(inout PointStream<" +
                     kMerged + "> all, " + streams[k].type + " v) { " + kMerged + " o = (" +
                     kMerged + ")0; " + copies + "o.mark = " + std::to_string(k) +
                     "; all.Append(o); } ";
    }
    *text = structure + "uint mark : BRENNWICK_STREAM; }; " + functions;
    return true;
}

// The name of `function`'s copy that writes stream `stream` of the merged one.
std::string HelperCopyName(const std::string& function, size_t stream) {
    return "brennwick_" + function + "_s" + std::to_string(stream);
}

// Whether the stream named at `at` is a whole argument of a call; the call's
// function in `*function`.
bool IsCallArgument(const Tokens& tokens, size_t at, size_t close, size_t* function) {
    if (at + 1 >= close || !(IsChar(tokens[at - 1], '(') || IsChar(tokens[at - 1], ',')) ||
        !(IsChar(tokens[at + 1], ')') || IsChar(tokens[at + 1], ','))) {
        return false;
    }
    int depth = 0;
    for (size_t back = at; back-- > 1;) {
        depth += IsChar(tokens[back], ')') ? 1 : IsChar(tokens[back], '(') ? -1 : 0;
        if (depth < 0) {
            *function = back - 1;
            return IsIdentifier(tokens, back - 1);
        }
    }
    return false;
}

// The calls on each stream in the body from `open` to `close` made on the
// merged one, and each call passing a stream made to the function's copy for
// that stream (noted in `calls`); false where a stream is used otherwise.
bool RewriteStreamCalls(const Tokens& tokens, size_t open, size_t close,
                        const std::vector<StreamParameter>& streams, std::vector<TextEdit>* edits,
                        std::vector<HelperCall>* calls) {
    for (size_t at = open + 1; at < close; ++at) {
        auto stream = std::find_if(streams.begin(), streams.end(), [&](const StreamParameter& s) {
            return s.name == tokens[at].text;
        });
        if (stream == streams.end() || (at > 0 && IsChar(tokens[at - 1], '.'))) {
            continue;
        }
        const size_t k = stream->stream;
        size_t function = 0;
        if (at + 3 < close && IsChar(tokens[at + 1], '.') && tokens[at + 2].text == "Append" &&
            IsChar(tokens[at + 3], '(')) {
            edits->push_back({tokens[at].offset, tokens[at + 3].offset + 1 - tokens[at].offset,
                              "brennwick_append_" + std::to_string(k) + "(" + kMerged + ", "});
        } else if (at + 4 < close && IsChar(tokens[at + 1], '.') &&
                   tokens[at + 2].text == "RestartStrip" && IsChar(tokens[at + 3], '(') &&
                   IsChar(tokens[at + 4], ')')) {
            edits->push_back(
                {tokens[at].offset, tokens[at + 4].offset + 1 - tokens[at].offset, "0"});
        } else if (calls != nullptr && IsCallArgument(tokens, at, close, &function)) {
            if (!calls->empty() && calls->back().function == function) {
                return false; // two streams to one call
            }
            const std::string& name = tokens[function].text;
            edits->push_back({tokens[function].offset, name.size(), HelperCopyName(name, k)});
            edits->push_back({tokens[at].offset, tokens[at].text.size(), kMerged});
            calls->push_back({function, k});
        } else {
            return false;
        }
    }
    return true;
}

// The merged stream in the first stream parameter's place, the others gone.
void RewriteParameters(const Tokens& tokens, const std::vector<StreamParameter>& streams,
                       std::vector<TextEdit>* edits) {
    for (size_t k = 0; k < streams.size(); ++k) {
        const size_t from = tokens[k == 0 ? streams[k].first : streams[k].comma].offset;
        const HlslToken& last = tokens[streams[k].end - 1];
        edits->push_back({from, last.offset + last.text.size() - from,
                          k == 0 ? std::string("inout PointStream<") + kMerged + "> " + kMerged
                                 : std::string()});
    }
}

// Where the entry's definition starts: its attributes, then its return type.
size_t DefinitionStart(const Tokens& tokens, size_t name) {
    size_t at = name > 0 ? name - 1 : 0;
    while (at > 0 && IsChar(tokens[at - 1], ']')) {
        at = OpeningBracket(tokens, at - 1);
    }
    return at;
}

// Tokens [begin, end) on one line, each edit (starting at a token and
// covering whole tokens) in place of the tokens it covers.
std::string OnOneLine(const Tokens& tokens, size_t begin, size_t end, std::vector<TextEdit> edits) {
    std::sort(edits.begin(), edits.end(),
              [](const TextEdit& a, const TextEdit& b) { return a.offset < b.offset; });
    std::string text;
    size_t next = 0;
    for (size_t at = begin; at < end; ++at) {
        while (next < edits.size() && edits[next].offset < tokens[at].offset) {
            ++next;
        }
        if (next == edits.size() || edits[next].offset != tokens[at].offset) {
            const bool joined = at + 1 < end && Adjacent(tokens[at], tokens[at + 1]);
            text += tokens[at].text + (joined ? "" : " "); // "+" "=" stays "+="
            continue;
        }
        text += edits[next].text + " ";
        const size_t past = edits[next].offset + edits[next].length;
        while (at + 1 < end && tokens[at + 1].offset < past) {
            ++at;
        }
    }
    return text;
}

// The copy of the helper named at `name` that writes stream `stream` of the
// merged one, on one line, and the calls it passes the stream to, in
// `calls`; false where the helper has not one stream parameter used only to
// append, restart and pass on.
bool HelperCopy(const Tokens& tokens, size_t name, size_t stream, std::string* text,
                std::vector<HelperCall>* calls) {
    const size_t close = ClosingBracket(tokens, name + 1);
    std::vector<StreamParameter> parameters = StreamParameters(tokens, name + 1, close);
    if (parameters.size() != 1 || parameters[0].kind != "PointStream" ||
        close + 1 >= tokens.size()) {
        return false;
    }
    parameters[0].stream = stream;
    const size_t bodyClose = ClosingBracket(tokens, close + 1);
    std::vector<TextEdit> edits = {
        {tokens[name].offset, tokens[name].text.size(), HelperCopyName(tokens[name].text, stream)},
        {tokens[parameters[0].first].offset,
         tokens[parameters[0].end - 1].offset + 1 - tokens[parameters[0].first].offset,
         std::string("inout PointStream<") + kMerged + "> " + kMerged}};
    if (bodyClose == tokens.size() ||
        !RewriteStreamCalls(tokens, close + 1, bodyClose, parameters, &edits, calls)) {
        return false;
    }
    *text += OnOneLine(tokens, DefinitionStart(tokens, name), bodyClose + 1, edits);
    return true;
}

// Each helper the calls name, and each helper those pass the stream on to,
// replaced by its copies for the streams passed to it, on one line, the
// definition's line breaks kept after them; `*start` is lowered to the first
// helper's start. False where a helper cannot be copied.
bool CopyHelpers(const std::string& source, const Tokens& tokens,
                 const std::vector<HelperCall>& calls, std::vector<TextEdit>* edits,
                 size_t* start) {
    std::map<std::string, std::set<size_t>> streamsOf; // helpers passed on to included
    for (std::vector<HelperCall> pending = calls; !pending.empty();) {
        const HelperCall call = pending.back();
        pending.pop_back();
        const std::string& function = tokens[call.function].text;
        const size_t name = FindEntryDefinition(tokens, function);
        std::string unused;
        if (streamsOf[function].insert(call.stream).second &&
            (name == tokens.size() || !HelperCopy(tokens, name, call.stream, &unused, &pending))) {
            return false;
        }
    }
    for (const auto& [function, streams] : streamsOf) {
        const size_t name = FindEntryDefinition(tokens, function);
        std::string copies;
        std::vector<HelperCall> passedOn; // made above
        for (size_t stream : streams) {
            HelperCopy(tokens, name, stream, &copies, &passedOn);
        }
        const size_t first = tokens[DefinitionStart(tokens, name)].offset;
        const size_t bodyClose = ClosingBracket(tokens, ClosingBracket(tokens, name + 1) + 1);
        const size_t length = tokens[bodyClose].offset + 1 - first;
        const auto lineBreaks =
            std::count(source.begin() + first, source.begin() + first + length, '\n');
        edits->push_back({first, length, copies + std::string(size_t(lineBreaks), '\n')});
        *start = std::min(*start, first);
    }
    return true;
}

} // namespace

std::string MergeGeometryStreams(const std::string& source, const std::string& entryPoint) {
    const size_t first = source.find("PointStream");
    if (first == std::string::npos || source.find("PointStream", first + 1) == std::string::npos) {
        return source; // one stream at most: the demo's and most sources end here
    }
    const Tokens tokens = TokenizePreprocessedHlsl(source, "");
    const size_t name = FindEntryDefinition(tokens, entryPoint);
    if (name == tokens.size()) {
        return source;
    }
    const size_t close = ClosingBracket(tokens, name + 1);
    const std::vector<StreamParameter> streams = StreamParameters(tokens, name + 1, close);
    if (streams.size() < 2 || streams.size() > 4 ||
        std::any_of(streams.begin(), streams.end(),
                    [](const StreamParameter& s) { return s.kind != "PointStream"; })) {
        return source;
    }
    std::vector<TextEdit> edits;
    std::string definitions;
    std::vector<HelperCall> calls;
    size_t start = tokens[DefinitionStart(tokens, name)].offset;
    if (!MergedDefinitions(source, tokens, streams, &definitions) ||
        !RewriteStreamCalls(tokens, close + 1, ClosingBracket(tokens, close + 1), streams, &edits,
                            &calls) ||
        !CopyHelpers(source, tokens, calls, &edits, &start)) {
        return source;
    }
    RewriteParameters(tokens, streams, &edits);
    edits.push_back({start, 0, definitions}); // after a helper's copies at the same place
    std::stable_sort(edits.begin(), edits.end(),
                     [](const TextEdit& a, const TextEdit& b) { return a.offset > b.offset; });
    std::string text = source;
    for (const TextEdit& edit : edits) {
        text.replace(edit.offset, edit.length, edit.text);
    }
    return text;
}

} // namespace d3dcompiler_standin
