#include "class_members.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct ClassBody {
    size_t open;
    size_t close;
    std::vector<std::string> bases;
};

std::string Joined(const Tokens& tokens, size_t begin, size_t end) {
    return TokensOnOneLine(tokens, begin, end + 1);
}

// "class Name [: Base, IFace ...] {" and "struct Name {" at global scope, by
// name.
std::map<std::string, ClassBody> FindClasses(const Tokens& tokens, const std::vector<int>& depths) {
    std::map<std::string, ClassBody> classes;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        if (depths[at] != 0 || (tokens[at].text != "class" && tokens[at].text != "struct") ||
            !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        ClassBody body{at + 2, 0, {}};
        if (IsToken(tokens, body.open, ":")) {
            do {
                body.bases.push_back(IsIdentifier(tokens, body.open + 1)
                                         ? tokens[body.open + 1].text
                                         : std::string());
                body.open += 2;
            } while (IsToken(tokens, body.open, ","));
        }
        if (IsToken(tokens, body.open, "{")) {
            body.close = ClosingBracket(tokens, body.open);
            if (body.close < tokens.size()) {
                classes[tokens[at + 1].text] = body;
            }
        }
    }
    return classes;
}

// A method defined after its class: the definition's tokens and its text
// without "Class::".
struct OutsideDefinition {
    size_t begin;
    size_t end;
    std::string text;
};

// "type Class::Method(...) { ... }" at global scope, by class and method.
std::map<std::pair<std::string, std::string>, OutsideDefinition>
FindOutsideDefinitions(const Tokens& tokens, const std::vector<int>& depths,
                       const std::map<std::string, ClassBody>& classes) {
    std::map<std::pair<std::string, std::string>, OutsideDefinition> found;
    size_t start = 0; // where a global declaration may begin
    for (size_t at = 0; at + 4 < tokens.size(); ++at) {
        if (depths[at] != 0) {
            continue;
        }
        if (tokens[at].text == ";" || tokens[at].text == "}") {
            start = at + 1;
            continue;
        }
        if (!classes.count(tokens[at].text) || !IsToken(tokens, at + 1, ":") ||
            !IsToken(tokens, at + 2, ":") || !IsIdentifier(tokens, at + 3) ||
            !IsToken(tokens, at + 4, "(") || at == start) {
            continue;
        }
        size_t body = ClosingBracket(tokens, at + 4);
        while (body < tokens.size() && tokens[body].text != "{" && tokens[body].text != ";") {
            ++body;
        }
        if (!IsToken(tokens, body, "{") || ClosingBracket(tokens, body) >= tokens.size()) {
            continue;
        }
        const size_t end = ClosingBracket(tokens, body);
        found[{tokens[at].text, tokens[at + 3].text}] = {
            start, end, Joined(tokens, start, at - 1) + Joined(tokens, at + 3, end)};
        start = end + 1;
        at = end;
    }
    return found;
}

} // namespace

namespace {

using ItemTexts = std::vector<std::pair<std::string, std::string>>; // method name, text

struct ClassSource {
    const Tokens& tokens;
    std::map<std::string, ClassBody> classes;
    std::map<std::pair<std::string, std::string>, OutsideDefinition> outside;
};

// A class's own items as glslang is to read them: a method declared in it
// and defined after it with its body.
ItemTexts OwnTexts(const ClassSource& c, const std::string& name, const ClassBody& body) {
    ItemTexts texts;
    for (const BodyItem& item : BodyItems(c.tokens, body.open, body.close)) {
        const auto defined = c.outside.find({name, item.method});
        texts.push_back({item.method, item.declaration && defined != c.outside.end()
                                          ? defined->second.text
                                          : Joined(c.tokens, item.begin, item.end)});
    }
    return texts;
}

// The items a class takes from the classes it derives from, but for the
// methods it declares itself. Interfaces among its bases add nothing.
ItemTexts InheritedTexts(const ClassSource& c, const std::string& name, int depth) {
    ItemTexts texts;
    const auto found = c.classes.find(name);
    if (found == c.classes.end() || depth > 16) {
        return texts; // a base that is no class, or bases that cycle
    }
    const ItemTexts own = OwnTexts(c, name, found->second);
    for (const std::string& base : found->second.bases) {
        const auto baseClass = c.classes.find(base);
        if (baseClass == c.classes.end() || base == name) {
            continue;
        }
        ItemTexts all = InheritedTexts(c, base, depth + 1);
        const ItemTexts baseOwn = OwnTexts(c, base, baseClass->second);
        all.insert(all.end(), baseOwn.begin(), baseOwn.end());
        for (const auto& text : all) {
            bool hidden = false;
            for (const auto& mine : own) {
                hidden = hidden || (!text.first.empty() && mine.first == text.first);
            }
            if (!hidden) {
                texts.push_back(text);
            }
        }
    }
    return texts;
}

// The source's text from `begin` to `end` with all but its line breaks blank.
std::string Blanked(const std::string& source, size_t begin, size_t end) {
    std::string text = source.substr(begin, end - begin);
    for (char& ch : text) {
        ch = (ch == '\n' || ch == '\r') ? ch : ' ';
    }
    return text;
}

// Each method declared in the class and defined after it takes its body in
// place, static where the declaration is; one defined after it without a
// declaration goes before its '}'.
void MoveOutsideDefinitions(const ClassSource& c, const std::string& name, const ClassBody& body,
                            std::vector<TextEdit>* edits) {
    const std::vector<BodyItem> items = BodyItems(c.tokens, body.open, body.close);
    for (const auto& [key, definition] : c.outside) {
        if (key.first != name) {
            continue;
        }
        bool declared = false;
        for (const BodyItem& item : items) {
            if (item.declaration && item.method == key.second && !declared) {
                const size_t from = c.tokens[item.begin].offset;
                const HlslToken& last = c.tokens[item.end];
                const bool isStatic = c.tokens[item.begin].text == "static";
                edits->push_back({from, last.offset + last.text.size() - from,
                                  (isStatic ? "static " : "") + definition.text});
                declared = true;
            }
        }
        if (!declared) {
            edits->push_back({c.tokens[body.close].offset, 0, definition.text});
        }
    }
}

} // namespace

// The members and methods between the braces at `open` and `close`.
std::vector<BodyItem> BodyItems(const Tokens& tokens, size_t open, size_t close) {
    std::vector<BodyItem> items;
    size_t begin = open + 1;
    std::string method;
    for (size_t at = begin; at < close; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "(" && method.empty() && at > begin && IsIdentifier(tokens, at - 1)) {
            method = tokens[at - 1].text;
            at = std::min(ClosingBracket(tokens, at), close);
            continue;
        }
        bool ends = text == ";";
        bool hasBody = false;
        if (text == "{") {
            at = std::min(ClosingBracket(tokens, at), close);
            at += at + 1 < close && IsToken(tokens, at + 1, ";");
            ends = hasBody = true;
        }
        if (ends) {
            items.push_back({begin, at, method, !method.empty() && !hasBody});
            begin = at + 1;
            method.clear();
        }
    }
    return items;
}

void RewriteClassMembers(const std::string& source, const Tokens& tokens,
                         const std::vector<int>& depths, std::vector<TextEdit>* edits) {
    ClassSource c{tokens, FindClasses(tokens, depths), {}};
    if (c.classes.empty()) {
        return;
    }
    c.outside = FindOutsideDefinitions(tokens, depths, c.classes);
    for (const auto& [name, body] : c.classes) {
        std::string inherited;
        for (const auto& text : InheritedTexts(c, name, 0)) {
            inherited += text.second;
        }
        if (!inherited.empty()) {
            edits->push_back({tokens[body.open].offset + 1, 0, " " + inherited});
        }
        MoveOutsideDefinitions(c, name, body, edits);
    }
    for (const auto& [key, definition] : c.outside) {
        const size_t from = tokens[definition.begin].offset;
        const size_t to = tokens[definition.end].offset + 1;
        edits->push_back({from, to - from, Blanked(source, from, to)});
    }
}

} // namespace d3dcompiler_standin
