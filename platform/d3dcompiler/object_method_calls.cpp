#include "object_method_calls.h"
#include "call_shapes.h"

namespace d3dcompiler_standin {

const std::map<std::string, DeclaredObject>& ObjectMethodCalls::Objects() {
    if (!objects_) {
        objects_ = DeclaredObjects(tokens_);
    }
    return *objects_;
}

std::optional<std::pair<size_t, bool>> ObjectMethodCalls::ReceiverName(size_t method) const {
    size_t name = method - 2;
    const bool indexed = IsChar(tokens_[name], ']');
    if (indexed) {
        name = OpeningBracket(tokens_, name);
        if (name == 0 || !IsChar(tokens_[name], '[')) {
            return std::nullopt;
        }
        --name;
    }
    if (tokens_[name].kind != HlslToken::Kind::Identifier ||
        (name > 0 && IsChar(tokens_[name - 1], '.'))) {
        return std::nullopt;
    }
    return std::make_pair(name, indexed);
}

std::vector<std::pair<size_t, size_t>> ObjectMethodCalls::ArgumentsOf(size_t method) const {
    return CallArguments(tokens_, method + 1);
}

std::optional<ObjectMethodCall>
ObjectMethodCalls::Resolve(size_t method, std::pair<size_t, bool> receiver,
                           std::vector<std::pair<size_t, size_t>> arguments) {
    const auto object = Objects().find(tokens_[receiver.first].text);
    if (object == objects_->end()) {
        return std::nullopt;
    }
    return ObjectMethodCall{
        receiver.first,       receiver.second, method, ClosingBracket(tokens_, method + 1),
        std::move(arguments), &object->second};
}

std::string TokenSpanText(const std::string& source, const std::vector<HlslToken>& tokens,
                          size_t first, size_t end) {
    const size_t last = end - 1;
    return source.substr(tokens[first].offset,
                         tokens[last].offset + tokens[last].text.size() - tokens[first].offset);
}

std::string ZeroStatusPrefix(const std::string& status) {
    // Appended rather than concatenated: GCC 12 warns falsely (-Wrestrict) on
    // the inlined operator+ chain.
    std::string prefix = "(";
    prefix += status;
    prefix += " = 0u, ";
    return prefix;
}

} // namespace d3dcompiler_standin
