// Windows' compiler prints warnings into the error blob of a compile that
// succeeds, "file(line,first-last): warning X3206: message", one a line.
// `#pragma warning` in the source turns them off or into errors, and
// D3DCOMPILE_WARNINGS_ARE_ERRORS turns them all into errors.
#pragma once

#include "hlsl_tokens.h"

#include <map>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// "file(line,first-last)" spanning tokens `first` to `last`; only `first`'s
// columns when `last` lies on another line.
std::string SourceSpan(const HlslToken& first, const HlslToken& last);

// "file(line,first-last): warning X3206: message\n" at the token `at`.
std::string SourceWarning(const HlslToken& at, const std::string& message, const std::string& code);

// What `#pragma warning(disable : N)`, `(error : N)` and `(default : N)` in
// the preprocessed text ask of each warning number, and where: a pragma
// applies to the lines after it, as every directive does, the last one
// before a line naming a number winning.
struct WarningPolicy {
    std::vector<std::pair<size_t, std::string>> clauses;       // place, "disable : 3206"
    std::map<std::pair<std::string, uint32_t>, size_t> places; // file and line: place
    bool allErrors = false;                                    // D3DCOMPILE_WARNINGS_ARE_ERRORS
};
WarningPolicy ReadWarningPragmas(const std::string& preprocessed, const std::string& mainFile,
                                 bool warningsAreErrors);

// Drops the warning lines the policy turns off and writes those it makes
// errors as errors. True when any line became an error.
bool ApplyWarningPolicy(const WarningPolicy& policy, std::string* lines);

} // namespace d3dcompiler_standin
