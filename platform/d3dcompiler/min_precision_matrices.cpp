#include "min_precision_matrices.h"

namespace d3dcompiler_standin {
namespace {

// Whether `text` ends, from `at`, in a shape's "RxC", rows and columns 1 to 4.
bool IsShape(const std::string& text, size_t at) {
    return text.size() == at + 3 && text[at] >= '1' && text[at] <= '4' && text[at + 1] == 'x' &&
           text[at + 2] >= '1' && text[at + 2] <= '4';
}

// The 32-bit matrix type a minimum-precision one computes as, or "".
std::string FullPrecisionName(const std::string& text) {
    if (text.compare(0, 3, "min") != 0) {
        return "";
    }
    static const char* const kBases[][2] = {{"min16float", "float"},
                                            {"min10float", "float"},
                                            {"min16int", "int"},
                                            {"min12int", "int"},
                                            {"min16uint", "uint"}};
    for (const auto& base : kBases) {
        const size_t length = std::char_traits<char>::length(base[0]);
        if (text.compare(0, length, base[0]) == 0 && IsShape(text, length)) {
            return base[1] + text.substr(length);
        }
    }
    return "";
}

} // namespace

void SpellMinPrecisionMatrices(const std::string& written, std::string* spelled,
                               std::vector<HlslToken>* tokens) {
    for (HlslToken& token : *tokens) {
        if (token.text.size() < 11 || token.text[0] != 'm') {
            continue; // "min16int2x2" is the shortest
        }
        const std::string name = FullPrecisionName(token.text);
        if (name.empty()) {
            continue;
        }
        if (spelled->empty()) {
            *spelled = written;
        }
        const std::string padded = name + std::string(token.text.size() - name.size(), ' ');
        spelled->replace(token.offset, token.text.size(), padded);
        token.text = name;
    }
}

} // namespace d3dcompiler_standin
