#include "min_precision_matrices.h"

namespace d3dcompiler_standin {
namespace {

// Whether `text` is a shape's "RxC", rows and columns 1 to 4.
bool IsShape(const std::string& text, size_t at) {
    return text.size() == at + 3 && text[at] >= '1' && text[at] <= '4' && text[at + 1] == 'x' &&
           text[at + 2] >= '1' && text[at + 2] <= '4';
}

} // namespace

void RewriteMinPrecisionMatrices(const std::vector<HlslToken>& tokens,
                                 std::vector<TextEdit>* edits) {
    for (const HlslToken& token : tokens) {
        const std::string& text = token.text;
        if (text.size() != 13 || text[0] != 'm' || text.compare(0, 3, "min") != 0) {
            continue; // "min16float2x2" and "min10float2x2" are 13 characters
        }
        if ((text.compare(3, 7, "16float") == 0 || text.compare(3, 7, "10float") == 0) &&
            IsShape(text, 10)) {
            edits->push_back({token.offset, text.size(), "float" + text.substr(10)});
        }
    }
}

} // namespace d3dcompiler_standin
