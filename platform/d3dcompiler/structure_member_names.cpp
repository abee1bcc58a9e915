#include "structure_member_names.h"

#include "class_members.h"
#include "expression_types.h"

#include <map>
#include <optional>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct StaticVariable {
    size_t begin = 0; // its item in the body, from "static" to ";"
    size_t end = 0;
    size_t name = 0;
    std::string value; // the initial value its definition after the structure gives
};

struct Structure {
    std::string name;
    size_t keyword = 0; // "struct" or "class"
    size_t open = 0;
    size_t close = 0;
    std::set<std::string> methods;                       // the static ones
    std::set<std::string> instanceMethods;               // the others
    std::vector<std::pair<size_t, size_t>> staticBodies; // the static methods' items
    std::map<std::string, StaticVariable> variables;
    std::vector<std::pair<size_t, size_t>> outsideMethods; // "S::M(...) {...}" after it

    std::string GlobalName(const std::string& variable) const {
        return "standin_" + name + "_" + variable;
    }
};

bool EndsDeclarator(const HlslToken& token) {
    return IsChar(token, ';') || IsChar(token, '=') || IsChar(token, '[');
}

// Whether the name at `at`, before '(', is declared there (a type before it)
// rather than called.
bool IsDeclaredName(const Tokens& tokens, size_t at) {
    const std::string& before = tokens[at - 1].text;
    return (IsIdentifier(tokens, at - 1) && before != "return" && before != "else" &&
            before != "case") ||
           before == ">";
}

// The methods and static member variables among the structure's items.
void ReadStatics(const Tokens& tokens, Structure* structure) {
    for (const BodyItem& item : BodyItems(tokens, structure->open, structure->close)) {
        bool isStatic = false;
        size_t name = item.begin;
        for (; name < item.end; ++name) {
            const bool found =
                item.method.empty()
                    ? IsIdentifier(tokens, name) && EndsDeclarator(tokens[name + 1])
                    : tokens[name].text == item.method && IsChar(tokens[name + 1], '(');
            if (found) {
                break;
            }
            isStatic |= tokens[name].text == "static";
        }
        if (name >= item.end) {
            continue;
        }
        if (!item.method.empty() && !isStatic) {
            structure->instanceMethods.insert(item.method);
        } else if (!item.method.empty()) {
            structure->methods.insert(item.method);
            structure->staticBodies.push_back({item.begin, item.end});
        } else if (isStatic) {
            structure->variables[tokens[name].text] = {item.begin, item.end, name, ""};
        }
    }
}

// Global structures and classes with methods or static members.
std::vector<Structure> FindStructures(const Tokens& tokens) {
    std::vector<Structure> found;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const std::string& word = tokens[at].text;
        if ((word != "struct" && word != "class") || !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        size_t open = at + 2; // past the bases of a class
        while (open < tokens.size() && (IsIdentifier(tokens, open) || IsChar(tokens[open], ':') ||
                                        IsChar(tokens[open], ','))) {
            ++open;
        }
        if (!IsToken(tokens, open, "{")) {
            continue;
        }
        Structure structure;
        structure.name = tokens[at + 1].text;
        structure.keyword = at;
        structure.open = open;
        structure.close = ClosingBracket(tokens, open);
        if (structure.close >= tokens.size()) {
            break;
        }
        ReadStatics(tokens, &structure);
        if (!structure.methods.empty() || !structure.instanceMethods.empty() ||
            !structure.variables.empty()) {
            found.push_back(structure);
        }
        at = structure.close;
    }
    return found;
}

class StaticsRewrite {
public:
    StaticsRewrite(const std::string& source, const Tokens& tokens,
                   std::vector<Structure> structures)
        : source_(source), tokens_(tokens), structures_(std::move(structures)) {}

    std::vector<TextEdit> Run() {
        ReadQualifiedNames();
        QualifyObjectCalls();
        for (const Structure& structure : structures_) {
            QualifyWithin(structure, structure.open, structure.close, false);
            for (const auto& [begin, end] : structure.outsideMethods) {
                QualifyWithin(structure, begin, end,
                              structure.methods.count(tokens_[begin - 1].text) != 0);
            }
            DeclareGlobals(structure);
        }
        return edits_;
    }

private:
    // "S::x" outside the structures: definitions after them and uses.
    void ReadQualifiedNames() {
        std::map<std::string, Structure*> named;
        for (Structure& structure : structures_) {
            named[structure.name] = &structure;
        }
        size_t statement = 0; // where the global statement at hand began
        int depth = 0;
        for (size_t at = 0; at + 3 < tokens_.size(); ++at) {
            const HlslToken& token = tokens_[at];
            depth += IsChar(token, '{') - (IsChar(token, '}') && depth > 0);
            if (depth == 0 && (IsChar(token, ';') || IsChar(token, '}'))) {
                statement = at + 1;
            }
            const auto structure = named.find(token.text);
            if (structure == named.end() || !IsChar(tokens_[at + 1], ':') ||
                !IsChar(tokens_[at + 2], ':') || !IsIdentifier(tokens_, at + 3)) {
                continue;
            }
            const bool defined = depth == 0 && at > statement && IsIdentifier(tokens_, at - 1);
            at = ReadQualifiedName(*structure->second, at, defined ? statement : tokens_.size());
        }
    }

    // The qualified name at `at`, defined there where `statement` begins its
    // definition; returns the last token read.
    size_t ReadQualifiedName(Structure& structure, size_t at, size_t statement) {
        const std::string& member = tokens_[at + 3].text;
        const auto variable = structure.variables.find(member);
        if (variable != structure.variables.end() && statement < tokens_.size()) {
            size_t end = at + 4;
            while (end < tokens_.size() && !IsChar(tokens_[end], ';')) {
                ++end;
            }
            size_t value = at + 4;
            while (value < end && !IsChar(tokens_[value], '=')) {
                ++value;
            }
            variable->second.value = TokensOnOneLine(tokens_, value + 1, end);
            Blank(statement, std::min(end, tokens_.size() - 1));
            return end;
        }
        if (variable != structure.variables.end()) {
            const size_t from = tokens_[at].offset;
            edits_.push_back({from, tokens_[at + 3].offset + member.size() - from,
                              structure.GlobalName(member)});
        } else if (statement < tokens_.size() && IsToken(tokens_, at + 4, "(")) {
            size_t body = ClosingBracket(tokens_, at + 4);
            while (body < tokens_.size() && !IsChar(tokens_[body], '{') &&
                   !IsChar(tokens_[body], ';')) {
                ++body;
            }
            if (IsToken(tokens_, body, "{")) {
                structure.outsideMethods.push_back({at + 4, ClosingBracket(tokens_, body)});
            }
        }
        return at + 3;
    }

    // "h.Twice(x)" of a static method, where the object's type is known and
    // reading it has no effect, as "Helper::Twice(x)".
    void QualifyObjectCalls() {
        std::map<std::string, const Structure*> owners;
        for (const Structure& structure : structures_) {
            for (const std::string& method : structure.methods) {
                owners[method] = &structure;
            }
        }
        std::optional<ExpressionTypes> types;
        for (size_t dot = 1; dot + 2 < tokens_.size(); ++dot) {
            const auto owner = owners.find(tokens_[dot + 1].text);
            if (!IsChar(tokens_[dot], '.') || owner == owners.end() ||
                !IsChar(tokens_[dot + 2], '(')) {
                continue;
            }
            if (!types) {
                types.emplace(tokens_);
            }
            const size_t start = PostfixOperandStart(tokens_, dot);
            const std::optional<ExpressionType> object = types->TypeOf(start, dot);
            if (start < dot && object && object->structure && !object->IsArray() &&
                object->base == owner->second->name && types->Repeatable(start, dot)) {
                const size_t from = tokens_[start].offset;
                edits_.push_back({from, tokens_[dot].offset + 1 - from, object->base + "::"});
            }
        }
    }

    // Bare calls of methods and uses of static variables in (begin, end), a
    // static method's where `inStatic`. A call of another method, on which
    // glslang skipped the arguments' conversions (Scale(2) of a float
    // parameter), is made on "this".
    void QualifyWithin(const Structure& structure, size_t begin, size_t end, bool inStatic) {
        for (size_t at = begin + 1; at < end && at + 1 < tokens_.size(); ++at) {
            const HlslToken& token = tokens_[at];
            if (token.kind != HlslToken::Kind::Identifier || IsChar(tokens_[at - 1], '.') ||
                IsChar(tokens_[at - 1], ':')) {
                continue;
            }
            const auto variable = structure.variables.find(token.text);
            if (variable != structure.variables.end() && at != variable->second.name) {
                edits_.push_back(
                    {token.offset, token.text.size(), structure.GlobalName(token.text)});
            } else if (!IsChar(tokens_[at + 1], '(') || IsDeclaredName(tokens_, at)) {
                continue;
            } else if (structure.methods.count(token.text) != 0) {
                edits_.push_back({token.offset, 0, structure.name + "::"});
            } else if (structure.instanceMethods.count(token.text) != 0 && !inStatic &&
                       !InStaticBody(structure, at)) {
                edits_.push_back({token.offset, 0, "this."});
            }
        }
    }

    static bool InStaticBody(const Structure& structure, size_t at) {
        for (const auto& [begin, end] : structure.staticBodies) {
            if (begin <= at && at <= end) {
                return true;
            }
        }
        return false;
    }

    // Each static variable as a global in front of the structure.
    void DeclareGlobals(const Structure& structure) {
        std::string globals;
        for (const auto& [name, variable] : structure.variables) {
            bool initialised = false;
            for (size_t at = variable.name; at < variable.end; ++at) {
                initialised |= IsChar(tokens_[at], '=');
            }
            globals += TokensOnOneLine(tokens_, variable.begin, variable.name) +
                       structure.GlobalName(name) + " " +
                       TokensOnOneLine(tokens_, variable.name + 1, variable.end) +
                       (initialised || variable.value.empty() ? "" : "= " + variable.value) + "; ";
            Blank(variable.begin, variable.end);
        }
        if (!globals.empty()) {
            edits_.push_back({tokens_[structure.keyword].offset, 0, globals});
        }
    }

    // Tokens [first, last] in spaces, their line breaks kept.
    void Blank(size_t first, size_t last) {
        const size_t begin = tokens_[first].offset;
        const size_t end = tokens_[last].offset + tokens_[last].text.size();
        std::string text = source_.substr(begin, end - begin);
        for (char& ch : text) {
            ch = ch == '\n' || ch == '\r' ? ch : ' ';
        }
        edits_.push_back({begin, end - begin, text});
    }

    const std::string& source_;
    const Tokens& tokens_;
    std::vector<Structure> structures_;
    std::vector<TextEdit> edits_;
};

} // namespace

void SpellStructureMemberNames(const std::string& written, std::string* spelled, Tokens* tokens) {
    std::vector<Structure> structures = FindStructures(*tokens);
    if (structures.empty()) {
        return;
    }
    const std::string& source = spelled->empty() ? written : *spelled;
    std::vector<TextEdit> edits = StaticsRewrite(source, *tokens, std::move(structures)).Run();
    if (edits.empty()) {
        return;
    }
    *spelled = WithEdits(source, std::move(edits));
    *tokens = TokenizePreprocessedHlsl(*spelled, "");
}

} // namespace d3dcompiler_standin
