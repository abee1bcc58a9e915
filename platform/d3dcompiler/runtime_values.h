// Names whose values only a draw or dispatch gives, read from the tokens:
// what Windows' compiler cannot fold into a literal where one is required
// (an index into an array of resources at shader model 5.0, a texture
// offset). A name not listed may still be one; the checks that use this
// refuse only what it lists.
#pragma once

#include "hlsl_tokens.h"

#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

class RuntimeValues {
public:
    // Constant buffer members, globals neither static nor const (which the
    // program sets), groupshared variables, parameters with a semantic or
    // `uniform`, locals initialised from any of them, and the counters of
    // loops marked [loop] within their loops.
    explicit RuntimeValues(const std::vector<HlslToken>& tokens);

    // Whether the tokens [begin, end) read one of them.
    bool Reads(size_t begin, size_t end) const;

private:
    struct LoopCounter {
        std::string name;
        size_t first;
        size_t last;
    };

    void ReadGlobals();
    void ReadParametersAndLocals();
    void ReadLoopCounters();

    const std::vector<HlslToken>& tokens_;
    std::set<std::string> names_;
    std::set<std::string> inputs_; // with a semantic: also read as members ("input.uv")
    std::vector<LoopCounter> counters_;
};

} // namespace d3dcompiler_standin
