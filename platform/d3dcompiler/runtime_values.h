// Names whose values only a draw or dispatch gives, read from the tokens:
// what Windows' compiler cannot fold into a literal where one is required
// (an index into an array of resources at shader model 5.0, a texture
// offset). A name not listed may still be one; the checks that use this
// refuse only what it lists.
#pragma once

#include "hlsl_tokens.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace d3dcompiler_standin {

class RuntimeValues {
public:
    // Constant buffer members, globals that are not static (which the program
    // sets, const ones too), groupshared variables, parameters with a semantic or
    // `uniform`, locals initialised or assigned from any of them, and the
    // counters of loops that stay loops ([loop], or bounded by such a value)
    // within their loops.
    explicit RuntimeValues(const std::vector<HlslToken>& tokens);

    // Whether the tokens [begin, end) read one of them.
    bool Reads(size_t begin, size_t end) const;

private:
    // A name that holds such a value from token `first` to `last`.
    struct ScopedName {
        std::string name;
        size_t first;
        size_t last;
    };

    void ReadGlobals();
    void ReadParametersAndLocals();
    void ReadLoopCounters();
    // Ends at `at` what holds such a value by `name` there: a literal assigned.
    void Forget(const std::string& name, size_t at);
    // Whether the for loop at `at`, its header ending at `header`, stays a loop.
    bool StaysLoop(size_t at, size_t header) const;
    std::pair<size_t, size_t> EnclosingBody(size_t at) const;

    const std::vector<HlslToken>& tokens_;
    std::set<std::string> names_;
    std::set<std::string> inputs_;   // with a semantic: also read as members ("input.uv")
    std::vector<ScopedName> scoped_; // locals and [loop] counters
    std::vector<std::pair<size_t, size_t>> bodies_; // outermost braces
};

} // namespace d3dcompiler_standin
