#include "own_type_methods.h"
#include "class_members.h"
#include "expression_types.h"

#include <algorithm>
#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct Structure {
    std::string name;
    size_t open;
    size_t close;
    std::set<std::string> members;
};

// A method to move: its item's tokens, its name and parameters' brackets.
struct Method {
    const Structure* structure;
    size_t begin;
    size_t end;
    size_t name;
    size_t close; // the parameters' ')'; the body's '{' follows
};

std::set<std::string> MemberNames(const Tokens& tokens, const std::vector<BodyItem>& items) {
    std::set<std::string> names;
    for (const BodyItem& item : items) {
        for (size_t at = item.begin; item.method.empty() && at < item.end; ++at) {
            const std::string& next = tokens[at + 1].text;
            if (IsIdentifier(tokens, at) &&
                (next == ";" || next == "," || next == "[" || next == ":" || next == "=")) {
                names.insert(tokens[at].text);
            }
        }
    }
    return names;
}

// "struct Name { ... }" at file scope.
std::vector<Structure> FindStructures(const Tokens& tokens) {
    std::vector<Structure> structures;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (tokens[at].text == "struct" && IsIdentifier(tokens, at + 1) &&
            IsChar(tokens[at + 2], '{')) {
            const size_t close = ClosingBracket(tokens, at + 2);
            if (close >= tokens.size()) {
                break;
            }
            structures.push_back({tokens[at + 1].text, at + 2, close,
                                  MemberNames(tokens, BodyItems(tokens, at + 2, close))});
            at = close;
        }
    }
    return structures;
}

// Whether the method at [begin, end] reads no member it also declares or
// writes, and holds no directive: what moving it out as it is needs.
bool MovesAsItIs(const Tokens& tokens, const Method& method) {
    for (size_t at = method.name; at <= method.end; ++at) {
        const HlslToken& token = tokens[at];
        if (IsChar(token, '#')) {
            return false;
        }
        if (method.structure->members.count(token.text) == 0 || IsChar(tokens[at - 1], '.')) {
            continue;
        }
        const std::string& before = tokens[at - 1].text;
        const std::string& next = tokens[at + 1].text;
        const bool declared = (IsIdentifier(tokens, at - 1) && before != "return" &&
                               before != "else" && before != "case") ||
                              before == ">";
        const bool written = (next == "=" && tokens[at + 2].text != "=") ||
                             (std::string("+-*/%&|^").find(next) != std::string::npos &&
                              tokens[at + 2].text == "=") ||
                             (next == "+" && tokens[at + 2].text == "+") ||
                             (next == "-" && tokens[at + 2].text == "-") ||
                             ((before == "+" || before == "-") && tokens[at - 2].text == before);
        if (declared || written) {
            return false;
        }
    }
    return true;
}

// Whether `name` is called without an object outside the structure's body,
// where its own methods call it on their object.
bool CalledBare(const Tokens& tokens, const std::string& name, const Structure& structure) {
    for (size_t at = 1; at + 1 < tokens.size(); ++at) {
        if ((at < structure.open || at > structure.close) && tokens[at].text == name &&
            IsChar(tokens[at + 1], '(') && !IsChar(tokens[at - 1], '.')) {
            return true;
        }
    }
    return false;
}

// A structure's methods, where one names the structure in its header and
// each can move; none otherwise. Moving them all lets a moved method call the
// others, and a call of one on another's result take it as a value.
std::vector<Method> StructureMethods(const Tokens& tokens, const Structure& structure,
                                     std::map<std::string, int>* defined) {
    std::vector<Method> methods;
    bool ownType = false;
    bool movable = true;
    for (const BodyItem& item : BodyItems(tokens, structure.open, structure.close)) {
        if (item.method.empty()) {
            continue;
        }
        ++(*defined)[item.method];
        size_t name = item.begin;
        while (name < item.end &&
               !(tokens[name].text == item.method && IsChar(tokens[name + 1], '('))) {
            ++name;
        }
        const size_t close = ClosingBracket(tokens, name + 1);
        for (size_t at = item.begin; at < close && close < item.end; ++at) {
            ownType |= at != name && tokens[at].text == structure.name;
        }
        const Method method{&structure, item.begin, item.end, name, close};
        movable = movable && !item.declaration && close < item.end &&
                  IsChar(tokens[close + 1], '{') && MovesAsItIs(tokens, method) &&
                  !CalledBare(tokens, item.method, structure);
        methods.push_back(method);
    }
    return ownType && movable ? methods : std::vector<Method>();
}

// The methods to move, of every structure whose methods can move and whose
// method names no other structure's method takes.
std::vector<Method> MethodsToMove(const Tokens& tokens, const std::vector<Structure>& structures) {
    std::map<std::string, int> defined; // method names over all structures
    std::vector<std::vector<Method>> candidates;
    for (const Structure& structure : structures) {
        candidates.push_back(StructureMethods(tokens, structure, &defined));
    }
    std::vector<Method> methods;
    for (const std::vector<Method>& structure : candidates) {
        bool unique = true;
        for (const Method& method : structure) {
            unique = unique && defined[tokens[method.name].text] == 1;
        }
        if (unique) {
            methods.insert(methods.end(), structure.begin(), structure.end());
        }
    }
    return methods;
}

std::string FunctionName(const Tokens& tokens, const Method& method) {
    return method.structure->name + "_" + tokens[method.name].text;
}

} // namespace

namespace {

constexpr const char* kSelf = "standin_self";

size_t EndOffset(const Tokens& tokens, size_t last) {
    return tokens[last].offset + tokens[last].text.size();
}

// `source`'s text [begin, end) with `edits` (offsets into `source`) applied,
// on one line: comments dropped, line breaks made spaces.
std::string EditedLine(const std::string& source, size_t begin, size_t end,
                       std::vector<TextEdit> edits) {
    std::stable_sort(edits.begin(), edits.end(), [](const TextEdit& a, const TextEdit& b) {
        return a.offset > b.offset || (a.offset == b.offset && a.length > b.length);
    });
    std::string text = source.substr(begin, end - begin);
    for (const TextEdit& edit : edits) {
        text.replace(edit.offset - begin, edit.length, edit.text);
    }
    std::string line;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 2, "//") == 0) {
            at = std::min(text.find('\n', at), text.size());
        } else if (text.compare(at, 2, "/*") == 0) {
            at = std::min(text.find("*/", at + 2), text.size() - 1) + 1;
        }
        line += at < text.size() && text[at] != '\n' && text[at] != '\r' ? text[at] : ' ';
    }
    return line;
}

class OwnTypeMethodMover {
public:
    OwnTypeMethodMover(const std::string& source, const Tokens& tokens, std::vector<Method> methods)
        : source_(source), tokens_(tokens), methods_(std::move(methods)), local_(methods_.size()) {}

    void Run(std::vector<TextEdit>* edits) {
        RewriteCalls(edits);
        std::map<const Structure*, std::string> prototypes;
        std::map<const Structure*, std::string> definitions;
        for (size_t index = 0; index < methods_.size(); ++index) {
            const Method& method = methods_[index];
            AddSelf(index);
            const size_t begin = tokens_[method.begin].offset;
            const size_t end = EndOffset(tokens_, method.end);
            prototypes[method.structure] +=
                EditedLine(source_, begin, EndOffset(tokens_, method.close),
                           Within(index, begin, EndOffset(tokens_, method.close))) +
                "; ";
            definitions[method.structure] += EditedLine(source_, begin, end, local_[index]) + " ";
            std::string blank = source_.substr(begin, end - begin);
            for (char& ch : blank) {
                ch = ch == '\n' || ch == '\r' ? ch : ' ';
            }
            edits->push_back({begin, end - begin, blank});
        }
        for (const auto& [structure, text] : prototypes) {
            size_t after = structure->close;
            while (after < tokens_.size() && !IsChar(tokens_[after], ';')) {
                ++after;
            }
            if (after < tokens_.size()) {
                edits->push_back(
                    {tokens_[after].offset + 1, 0, " " + text + definitions[structure]});
            }
        }
    }

private:
    // The method whose tokens hold `at`, or methods_.size().
    size_t Holding(size_t at) const {
        for (size_t index = 0; index < methods_.size(); ++index) {
            if (at >= methods_[index].begin && at <= methods_[index].end) {
                return index;
            }
        }
        return methods_.size();
    }

    // "x.M(args)" as "S_M(x, args)", in the method that holds it or the source.
    void RewriteCalls(std::vector<TextEdit>* edits) {
        std::map<std::string, const Method*>& named = named_;
        for (const Method& method : methods_) {
            named[tokens_[method.name].text] = &method;
        }
        for (size_t at = 1; at + 2 < tokens_.size(); ++at) {
            const auto method = named.find(tokens_[at].text);
            if (method == named.end() || !IsChar(tokens_[at - 1], '.') ||
                !IsChar(tokens_[at + 1], '(')) {
                continue;
            }
            const size_t start = PostfixOperandStart(tokens_, at - 1);
            const size_t holder = Holding(at);
            if (start == at - 1 || (holder < methods_.size() && start < methods_[holder].begin)) {
                continue;
            }
            std::vector<TextEdit>& target = holder < methods_.size() ? local_[holder] : *edits;
            target.push_back(
                {tokens_[start].offset, 0, FunctionName(tokens_, *method->second) + "("});
            target.push_back({tokens_[at - 1].offset,
                              tokens_[at + 1].offset + 1 - tokens_[at - 1].offset,
                              IsChar(tokens_[at + 2], ')') ? "" : ", "});
        }
    }

    // The function's name and first parameter, and its members read through it.
    void AddSelf(size_t index) {
        const Method& method = methods_[index];
        const std::string& structure = method.structure->name;
        std::vector<TextEdit>& edits = local_[index];
        const HlslToken& name = tokens_[method.name];
        edits.push_back({name.offset, name.text.size(), FunctionName(tokens_, method)});
        edits.push_back(
            {name.offset + name.text.size() + 1, 0,
             structure + " " + kSelf + (IsChar(tokens_[method.name + 2], ')') ? "" : ", ")});
        for (size_t at = method.close + 1; at <= method.end; ++at) {
            const HlslToken& token = tokens_[at];
            if (token.text == "this") {
                edits.push_back({token.offset, token.text.size(), kSelf});
            } else if (IsChar(tokens_[at + 1], '(') && !IsChar(tokens_[at - 1], '.') &&
                       named_.count(token.text) != 0) {
                const HlslToken& open = tokens_[at + 1];
                edits.push_back({token.offset, open.offset + 1 - token.offset,
                                 FunctionName(tokens_, *named_.at(token.text)) + "(" + kSelf +
                                     (IsChar(tokens_[at + 2], ')') ? "" : ", ")});
            } else if (method.structure->members.count(token.text) != 0 &&
                       !IsChar(tokens_[at - 1], '.')) {
                edits.push_back({token.offset, 0, std::string(kSelf) + "."});
            }
        }
    }

    // The method's edits that fall in [begin, end).
    std::vector<TextEdit> Within(size_t index, size_t begin, size_t end) const {
        std::vector<TextEdit> within;
        for (const TextEdit& edit : local_[index]) {
            if (edit.offset >= begin && edit.offset + edit.length <= end) {
                within.push_back(edit);
            }
        }
        return within;
    }

    const std::string& source_;
    const Tokens& tokens_;
    std::vector<Method> methods_;
    std::vector<std::vector<TextEdit>> local_;
    std::map<std::string, const Method*> named_; // the moved methods by name
};

} // namespace

void SpellOwnTypeMethods(const std::string& written, std::string* spelled, Tokens* tokens) {
    const std::string& source = spelled->empty() ? written : *spelled;
    const std::vector<Structure> structures = FindStructures(*tokens); // the methods point here
    std::vector<Method> methods = MethodsToMove(*tokens, structures);
    if (methods.empty()) {
        return;
    }
    std::vector<TextEdit> edits;
    OwnTypeMethodMover(source, *tokens, std::move(methods)).Run(&edits);
    std::stable_sort(edits.begin(), edits.end(), [](const TextEdit& a, const TextEdit& b) {
        return a.offset > b.offset || (a.offset == b.offset && a.length > b.length);
    });
    std::string text = source;
    for (const TextEdit& edit : edits) {
        text.replace(edit.offset, edit.length, edit.text);
    }
    *spelled = std::move(text);
    *tokens = TokenizePreprocessedHlsl(*spelled, "");
}

} // namespace d3dcompiler_standin
