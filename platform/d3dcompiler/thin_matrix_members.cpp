#include "thin_matrix_members.h"

#include "global_matrix_packing.h"
#include "numeric_type_names.h"

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct ArrayMember {
    std::string structure;
    std::string name;
    std::string base;
    int registers = 0;
    std::vector<TextEdit> edits; // its declaration's and its reads'
    bool written = false;
};

// The structure whose body holds the token at `at`, "" for none.
std::string EnclosingStructure(const Tokens& tokens, const std::vector<TypeBody>& bodies,
                               size_t at) {
    for (const TypeBody& body : bodies) {
        if (!body.buffer && body.open < at && at < body.close && body.open >= 2 &&
            tokens[body.open - 2].text == "struct" && IsIdentifier(tokens, body.open - 1)) {
            return tokens[body.open - 1].text;
        }
    }
    return "";
}

// The packing keyword before the member's type at `at`, tokens.size() for
// none.
size_t PackingKeyword(const Tokens& tokens, size_t at) {
    for (size_t i = at; i > 0; --i) {
        const std::string& text = tokens[i - 1].text;
        if (text == ";" || text == "{" || text == "}") {
            break;
        }
        if (text == "row_major" || text == "column_major") {
            return i - 1;
        }
    }
    return tokens.size();
}

std::string ReaderName(const ArrayMember& member) {
    return "standin_thin_member_" + member.structure + "_" + member.name;
}

std::string ReaderDefinition(const ArrayMember& member) {
    const std::string vector = member.base + std::to_string(member.registers);
    std::string components;
    for (int i = 0; i < member.registers; ++i) {
        components += (i > 0 ? ", " : "") + std::string("a[") + std::to_string(i) + "]";
    }
    return vector + " " + ReaderName(member) + "(" + member.base + " a[" +
           std::to_string(member.registers) + "]) { return " + vector + "(" + components + "); }\n";
}

// Whether the member read at `member`, its operand starting at `start`, is
// written: an assignment or increment follows it (past its swizzles and
// indexes), or an increment comes before it.
bool IsWritten(const Tokens& tokens, size_t start, size_t member) {
    static const std::set<std::string> kWrites = {
        "=", "+=", "-=", "*=", "/=", "%=", "<<=", ">>=", "&=", "|=", "^=", "++", "--"};
    size_t end = member + 1;
    while (end < tokens.size()) {
        if (IsToken(tokens, end, ".") && IsIdentifier(tokens, end + 1)) {
            end += 2;
        } else if (IsToken(tokens, end, "[")) {
            end = ClosingBracket(tokens, end) + 1;
        } else {
            break;
        }
    }
    const bool incremented =
        start > 0 && (tokens[start - 1].text == "++" || tokens[start - 1].text == "--");
    return incremented || (end < tokens.size() && kWrites.count(tokens[end].text) > 0);
}

// Declares the member whose type is at `at` as its registers' array where it
// fills several; false where it fills one or is of a form left as it is.
bool DeclareMember(const ThinMemberInput& input, size_t at, ArrayMember* member) {
    std::vector<TextEdit>* edits = &member->edits;
    const Tokens& tokens = input.tokens;
    NumericTypeName type;
    member->structure = EnclosingStructure(tokens, input.bodies, at);
    if (member->structure.empty() || input.constantTypes.count(member->structure) == 0 ||
        !ReadNumericTypeName(tokens[at].text, &type) || !IsIdentifier(tokens, at + 1) ||
        !IsToken(tokens, at + 2, ";")) {
        return false;
    }
    const size_t keyword = PackingKeyword(tokens, at);
    const bool rowMajor = keyword < tokens.size() ? tokens[keyword].text == "row_major"
                                                  : PragmaRowMajor(input.text, tokens[at].offset);
    member->registers = rowMajor ? type.size : type.columns;
    if (member->registers <= 1) {
        return false;
    }
    member->name = tokens[at + 1].text;
    member->base = type.base;
    if (keyword < tokens.size()) {
        edits->push_back({tokens[keyword].offset, tokens[keyword].text.size(), ""});
    }
    edits->push_back({tokens[at].offset, tokens[at].text.size(), member->base});
    edits->push_back({tokens[at + 2].offset, 0, "[" + std::to_string(member->registers) + "]"});
    return true;
}

} // namespace

std::set<size_t> DeclareThinMembers(const ThinMemberInput& input, std::vector<TextEdit>* edits,
                                    std::set<std::string>* helpers) {
    std::map<size_t, ArrayMember> members; // by their type's token
    for (size_t at : input.thinTypes) {
        ArrayMember member;
        if (DeclareMember(input, at, &member)) {
            members.emplace(at, member);
        }
    }
    const Tokens& tokens = input.tokens;
    for (size_t dot = 1; !members.empty() && dot + 1 < tokens.size(); ++dot) {
        if (tokens[dot].text != "." || !IsIdentifier(tokens, dot + 1)) {
            continue;
        }
        const size_t start = PostfixOperandStart(tokens, dot);
        std::optional<ExpressionType> owner;
        for (auto& [at, member] : members) {
            if (member.name != tokens[dot + 1].text) {
                continue;
            }
            if (!owner && start < dot) {
                owner = input.types.TypeOf(start, dot);
            }
            if (owner && owner->structure && !owner->IsArray() && owner->base == member.structure) {
                member.written = member.written || IsWritten(tokens, start, dot + 1);
                member.edits.push_back({tokens[start].offset, 0, ReaderName(member) + "("});
                member.edits.push_back(
                    {tokens[dot + 1].offset + tokens[dot + 1].text.size(), 0, ")"});
            }
        }
    }
    std::set<size_t> declared;
    for (const auto& [at, member] : members) {
        if (!member.written) {
            declared.insert(at);
            helpers->insert(ReaderDefinition(member));
            edits->insert(edits->end(), member.edits.begin(), member.edits.end());
        }
    }
    return declared;
}

} // namespace d3dcompiler_standin
