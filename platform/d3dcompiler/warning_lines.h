// Windows' compiler prints warnings into the error blob of a compile that
// succeeds, "file(line,first-last): warning X3206: message", one a line.
// `#pragma warning` in the source turns them off or into errors, and
// D3DCOMPILE_WARNINGS_ARE_ERRORS turns them all into errors.
#pragma once

#include "hlsl_tokens.h"

#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// "file(line,first-last)" spanning tokens `first` to `last`; only `first`'s
// columns when `last` lies on another line.
std::string SourceSpan(const HlslToken& first, const HlslToken& last);

// "file(line,first-last): warning X3206: message\n" at the token `at`.
std::string SourceWarning(const HlslToken& at, const std::string& message, const std::string& code);

// What `#pragma warning(disable : N)`, `(error : N)` and `(default : N)` in
// the preprocessed text ask of each warning number; the last pragma naming a
// number wins, as the compiler reads them in order.
struct WarningPolicy {
    std::set<int> disabled;
    std::set<int> errors;
    bool allErrors = false; // D3DCOMPILE_WARNINGS_ARE_ERRORS
};
WarningPolicy ReadWarningPragmas(const std::string& preprocessed, bool warningsAreErrors);

// Drops the warning lines the policy turns off and writes those it makes
// errors as errors. True when any line became an error.
bool ApplyWarningPolicy(const WarningPolicy& policy, std::string* lines);

} // namespace d3dcompiler_standin
