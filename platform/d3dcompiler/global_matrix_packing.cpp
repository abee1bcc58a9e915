#include "global_matrix_packing.h"

#include "expression_types.h"

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// Integer and bool matrices are read from their registers by
// constant_integer_matrices.cpp, which follows the pragma itself.
bool IsFloatMatrix(const std::string& type) {
    return type.compare(0, 5, "float") == 0 || type.compare(0, 4, "half") == 0 ||
           type.compare(0, 6, "double") == 0 || type.compare(0, 5, "min16") == 0 ||
           type.compare(0, 5, "min10") == 0;
}

// Whether the global statement starting at `start` declares a float matrix
// the program sets (no function returning one): its type at `type`, no
// static, row_major or column_major among the words before it.
bool DeclaresGlobalMatrix(const Tokens& tokens, size_t start, size_t* type) {
    for (size_t at = start; at < tokens.size() && IsIdentifier(tokens, at); ++at) {
        const std::string& text = tokens[at].text;
        if (text == "static" || text == "row_major" || text == "column_major") {
            return false;
        }
        if (LooksLikeMatrixType(text)) {
            *type = at;
            return IsFloatMatrix(text) && IsIdentifier(tokens, at + 1) &&
                   !IsToken(tokens, at + 2, "(");
        }
    }
    return false;
}

} // namespace

bool PragmaRowMajor(const std::string& source, size_t offset) {
    bool rowMajor = false;
    for (size_t at = source.find("pack_matrix"); at < offset;
         at = source.find("pack_matrix", at + 1)) {
        const size_t lineEnd = source.find('\n', at);
        const std::string line =
            source.substr(at, lineEnd == std::string::npos ? lineEnd : lineEnd - at);
        if (line.find("row_major") != std::string::npos) {
            rowMajor = true;
        } else if (line.find("column_major") != std::string::npos) {
            rowMajor = false;
        }
    }
    return rowMajor;
}

void WriteGlobalMatrixPacking(const std::string& source, const Tokens& tokens,
                              std::vector<TextEdit>* edits) {
    if (source.find("pack_matrix") == std::string::npos) {
        return;
    }
    size_t depth = 0;
    for (size_t at = 0; at < tokens.size(); ++at) {
        const std::string& text = tokens[at].text;
        const bool starts = at == 0 || IsToken(tokens, at - 1, ";") || IsToken(tokens, at - 1, "}");
        size_t type = 0;
        if (depth == 0 && starts && DeclaresGlobalMatrix(tokens, at, &type)) {
            const bool rowMajor = PragmaRowMajor(source, tokens[type].offset);
            edits->push_back({tokens[type].offset, 0, rowMajor ? "row_major " : "column_major "});
        }
        depth += text == "{";
        depth -= text == "}" && depth > 0;
    }
}

} // namespace d3dcompiler_standin
