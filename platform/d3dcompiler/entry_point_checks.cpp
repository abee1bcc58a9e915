#include "entry_point_checks.h"
#include "function_scan.h"
#include "register_checks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A global resource bound with "register(t3)" or "register(t3, space1)".
struct BoundResource {
    std::string name;
    const HlslToken* reg;
    char letter;
    uint32_t first;
    uint32_t count; // array elements
    std::string space;
};

// From the last token of the type: its name, dimensions and register.
std::optional<BoundResource> ReadBoundResource(const Tokens& tokens, size_t type) {
    if (!IsIdentifier(tokens, type + 1)) {
        return std::nullopt;
    }
    size_t at = type + 2;
    uint32_t count = 1;
    for (; IsToken(tokens, at, "["); at = ClosingBracket(tokens, at) + 1) {
        const std::string& size = tokens[std::min(at + 1, tokens.size() - 1)].text;
        count *=
            std::isdigit(uint8_t(size[0])) ? uint32_t(std::strtoul(size.c_str(), nullptr, 10)) : 1;
    }
    if (!IsToken(tokens, at, ":") || !IsToken(tokens, at + 1, "register") ||
        !IsToken(tokens, at + 2, "(") || !IsIdentifier(tokens, at + 3)) {
        return std::nullopt;
    }
    const HlslToken& reg = tokens[at + 3];
    if (reg.text.size() < 2 || !std::isdigit(uint8_t(reg.text[1])) ||
        IsToken(tokens, at + 4, "[")) {
        return std::nullopt; // a profile first, or an index: not judged here
    }
    std::string space = "space0";
    if (IsToken(tokens, at + 4, ",") && IsIdentifier(tokens, at + 5)) {
        space = tokens[at + 5].text;
    }
    return BoundResource{tokens[type + 1].text,
                         &reg,
                         char(std::tolower(uint8_t(reg.text[0]))),
                         uint32_t(std::strtoul(reg.text.c_str() + 1, nullptr, 10)),
                         count,
                         space};
}

void CheckOverlappingRegisters(const Tokens& tokens, const std::set<std::string>& used,
                               std::string* errors) {
    std::vector<BoundResource> resources;
    size_t depth = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        depth += tokens[at].text == "{";
        depth -= tokens[at].text == "}" && depth > 0;
        if (depth != 0 || !IsIdentifier(tokens, at) || !IsResourceType(tokens[at].text)) {
            continue;
        }
        const size_t typeEnd = IsToken(tokens, at + 1, "<") ? ClosingBracket(tokens, at + 1) : at;
        const std::optional<BoundResource> resource = ReadBoundResource(tokens, typeEnd);
        if (resource && used.count(resource->name) != 0) {
            resources.push_back(*resource);
        }
    }
    for (size_t i = 0; i < resources.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            const BoundResource& a = resources[j];
            const BoundResource& b = resources[i];
            if (a.letter != b.letter || a.space != b.space || b.first >= a.first + a.count ||
                a.first >= b.first + b.count) {
                continue;
            }
            const uint32_t shared = std::max(a.first, b.first);
            *errors += SourceError(*b.reg,
                                   std::string("overlapping register semantics not yet "
                                               "implemented '") +
                                       b.letter + std::to_string(shared) + "'",
                                   "X4500") +
                       "\n";
            break;
        }
    }
}

} // namespace

bool CheckEntryPoint(const Tokens& tokens, const std::string& entryPoint, std::string* errors) {
    const std::vector<FunctionDefinition> functions = FindFunctionDefinitions(tokens);
    const size_t before = errors->size();
    for (const FunctionDefinition& function : functions) {
        if (tokens[function.name].text != entryPoint) {
            continue;
        }
        CheckOverlappingRegisters(tokens, NamesReached(tokens, functions, function), errors);
        break;
    }
    return errors->size() == before;
}

} // namespace d3dcompiler_standin
