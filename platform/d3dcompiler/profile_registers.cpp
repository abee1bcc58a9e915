#include "profile_registers.h"

namespace d3dcompiler_standin {
namespace {

// "ps", "vs", "ps_5_0", "vs_4_0_level_9_1": a profile's name; its stage letter.
bool ReadProfile(const std::string& name, char* stage) {
    if (name.size() < 2 || name[1] != 's' || (name.size() > 2 && name[2] != '_') ||
        std::string("pvghdc").find(name[0]) == std::string::npos) {
        return false;
    }
    *stage = name[0];
    return true;
}

// Spaces over [begin, end) of `source`, newlines kept.
TextEdit Blank(const std::string& source, size_t begin, size_t end) {
    std::string text = source.substr(begin, end - begin);
    for (char& c : text) {
        c = (c == '\n' || c == '\r') ? c : ' ';
    }
    return {begin, end - begin, text};
}

} // namespace

void SelectProfileRegisters(const std::string& source, const std::vector<HlslToken>& tokens,
                            char stage, std::vector<TextEdit>* edits) {
    for (size_t at = 1; at + 4 < tokens.size(); ++at) {
        char profileStage = 0;
        if (tokens[at].text[0] != 'r' || tokens[at].text != "register" ||
            tokens[at + 1].text != "(" || tokens[at + 3].text != "," ||
            tokens[at - 1].text != ":" || !ReadProfile(tokens[at + 2].text, &profileStage)) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        if (close >= tokens.size()) {
            continue;
        }
        if (profileStage == stage) {
            edits->push_back(Blank(source, tokens[at + 2].offset, tokens[at + 4].offset));
        } else {
            edits->push_back(Blank(source, tokens[at - 1].offset, tokens[close].offset + 1));
        }
        at = close;
    }
}

} // namespace d3dcompiler_standin
