#include "intrinsic_candidates.h"

#include <cstring>

namespace d3dcompiler_standin {
namespace {

struct Candidates {
    const char* name;
    const char* overloads[2]; // nullptr past the last
};

// fxc's lines as Tint's test expectations (frexp, modf) and
// DirectXShaderCompiler's fxc-error annotations (asuint, countbits) quote
// them. A constant table: nothing is built per compile.
constexpr Candidates kCandidates[] = {
    {"asuint", {"asuint(double, out uint x, out uint y)", "asuint(float|half|int|uint)"}},
    {"countbits", {"countbits(uint)", nullptr}},
    {"frexp", {"frexp(float|half, out float|half exp)", nullptr}},
    {"modf",
     {"modf(float|half|min10float|min16float, out float|half|min10float|min16float ip)", nullptr}},
};

} // namespace

std::string IntrinsicCandidateLines(const std::string& x3013Text, const std::string& prefix) {
    const std::string kStart = "error X3013: '";
    const std::string kEnd = " parameter intrinsic function";
    if (x3013Text.rfind(kStart, 0) != 0 || x3013Text.size() < kEnd.size() ||
        x3013Text.compare(x3013Text.size() - kEnd.size(), kEnd.size(), kEnd) != 0) {
        return "";
    }
    const size_t quote = x3013Text.find('\'', kStart.size());
    const std::string name = x3013Text.substr(kStart.size(), quote - kStart.size());
    for (const Candidates& candidates : kCandidates) {
        if (name != candidates.name) {
            continue;
        }
        std::string lines = prefix + "error X3013: Possible intrinsic functions are:\n";
        for (const char* overload : candidates.overloads) {
            if (overload != nullptr) {
                lines += prefix + "error X3013:     " + overload + "\n";
            }
        }
        return lines;
    }
    return "";
}

} // namespace d3dcompiler_standin
