#include "unknown_pragmas.h"

#include "hlsl_tokens.h"
#include "identifier_chars.h"

namespace d3dcompiler_standin {

namespace {

// The pragmas of Microsoft's "#pragma Directive" page, and "once".
bool IsKnownPragma(const std::string& name) {
    static const char* const kKnown[] = {"def", "message", "pack_matrix", "warning", "once"};
    for (const char* known : kKnown) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

// The name after "#pragma" in `directive`, or "" where it is no pragma.
std::string PragmaName(const std::string& directive) {
    size_t at = directive.find_first_not_of(" \t", 1);
    if (at == std::string::npos || directive.compare(at, 6, "pragma") != 0) {
        return "";
    }
    at = directive.find_first_not_of(" \t", at + 6);
    if (at == std::string::npos) {
        return "";
    }
    size_t end = at;
    while (end < directive.size() && IsIdentifierPart(directive[end])) {
        ++end;
    }
    return directive.substr(at, end - at);
}

} // namespace

void WarnUnknownPragmas(const std::string& preprocessed, const std::string& mainFile,
                        std::string* warnings) {
    if (preprocessed.find("pragma") == std::string::npos) {
        return;
    }
    std::string file = mainFile;
    uint32_t line = 1;
    for (size_t start = 0; start < preprocessed.size();) {
        size_t end = preprocessed.find('\n', start);
        end = end == std::string::npos ? preprocessed.size() : end;
        const size_t first = preprocessed.find_first_not_of(" \t", start);
        uint32_t nextLine = line + 1;
        if (first < end && preprocessed[first] == '#') {
            const std::string directive = preprocessed.substr(first, end - first);
            const std::string name = PragmaName(directive);
            if (!name.empty() && !IsKnownPragma(name)) {
                *warnings += file + "(" + std::to_string(line) + "): warning X3568: '" + name +
                             "' : unknown pragma ignored\n";
            }
            ApplyLineMarker(directive, &file, &nextLine);
        }
        line = nextLine;
        start = end + 1;
    }
}

} // namespace d3dcompiler_standin
