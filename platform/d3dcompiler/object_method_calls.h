// Calls of declared resource objects' methods, "t.Sample(s, uv)" and
// "maps[1].Load(p)", found one way for the rewrites and checks that read them.
#pragma once

#include "hlsl_tokens.h"
#include "resource_declarations.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace d3dcompiler_standin {

struct ObjectMethodCall {
    size_t name;   // the object's name, the receiver's first token
    bool indexed;  // the receiver is "name[...]"
    size_t method; // the method's name; its '(' follows
    size_t close;  // the call's ')'
    std::vector<std::pair<size_t, size_t>> arguments; // first and past-last token of each
    const DeclaredObject* object;
};

class ObjectMethodCalls {
public:
    explicit ObjectMethodCalls(const std::vector<HlslToken>& tokens) : tokens_(tokens) {}

    // The objects the tokens declare, read on first use.
    const std::map<std::string, DeclaredObject>& Objects();

    // Calls visit(call), in the tokens' order, for each call whose method name
    // and argument count wanted(name, count) takes and whose receiver is a
    // declared object's name, indexed or not, that is no member of another
    // value. The declarations are read at the first such call only.
    template <typename Wanted, typename Visit> void ForEach(Wanted&& wanted, Visit&& visit) {
        for (size_t at = 2; at + 1 < tokens_.size(); ++at) {
            if (!IsChar(tokens_[at - 1], '.') || !IsChar(tokens_[at + 1], '(') ||
                tokens_[at].kind != HlslToken::Kind::Identifier) {
                continue;
            }
            std::optional<ObjectMethodCall> call = CallAt(at, wanted);
            if (call) {
                visit(*call);
            }
        }
    }

private:
    template <typename Wanted>
    std::optional<ObjectMethodCall> CallAt(size_t method, Wanted& wanted) {
        const std::optional<std::pair<size_t, bool>> receiver = ReceiverName(method);
        if (!receiver) {
            return std::nullopt;
        }
        std::vector<std::pair<size_t, size_t>> arguments = ArgumentsOf(method);
        if (!wanted(tokens_[method].text, arguments.size())) {
            return std::nullopt;
        }
        return Resolve(method, *receiver, std::move(arguments));
    }

    // The receiver's name token and whether it is indexed, for "name." and "name[...].".
    std::optional<std::pair<size_t, bool>> ReceiverName(size_t method) const;
    std::vector<std::pair<size_t, size_t>> ArgumentsOf(size_t method) const;
    std::optional<ObjectMethodCall> Resolve(size_t method, std::pair<size_t, bool> receiver,
                                            std::vector<std::pair<size_t, size_t>> arguments);

    const std::vector<HlslToken>& tokens_;
    std::optional<std::map<std::string, DeclaredObject>> objects_;
};

// The source text from token `first` up to, not including, token `end`.
std::string TokenSpanText(const std::string& source, const std::vector<HlslToken>& tokens,
                          size_t first, size_t end);

// "(status = 0u, ": what a call that drops its `out uint status` argument is
// prefixed with, so the status is still written.
std::string ZeroStatusPrefix(const std::string& status);

} // namespace d3dcompiler_standin
