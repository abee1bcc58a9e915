#include "interface_checks.h"

#include "class_members.h"

#include <map>
#include <set>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

struct TypeDeclaration {
    size_t name;
    size_t open;
    size_t close;
    std::vector<std::string> bases;
};

// "interface Name {" or "class Name [: A, B] {" at global scope, by name.
std::map<std::string, TypeDeclaration> FindTypes(const Tokens& tokens, const char* keyword) {
    std::map<std::string, TypeDeclaration> found;
    int depth = 0;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        depth += IsChar(tokens[at], '{') - (IsChar(tokens[at], '}') && depth > 0);
        if (depth != 0 || tokens[at].text != keyword || !IsIdentifier(tokens, at + 1)) {
            continue;
        }
        TypeDeclaration type{at + 1, at + 2, 0, {}};
        while ((IsToken(tokens, type.open, ":") || IsToken(tokens, type.open, ",")) &&
               IsIdentifier(tokens, type.open + 1)) {
            type.bases.push_back(tokens[type.open + 1].text);
            type.open += 2;
        }
        if (IsToken(tokens, type.open, "{")) {
            type.close = ClosingBracket(tokens, type.open);
            if (type.close < tokens.size()) {
                found[tokens[at + 1].text] = type;
                at = type.close;
            }
        }
    }
    return found;
}

// The methods a class has, its own and its base classes', and the interface
// methods it owes, its own interfaces' and its base classes'.
void CollectMethods(const Tokens& tokens, const std::map<std::string, TypeDeclaration>& classes,
                    const std::map<std::string, TypeDeclaration>& interfaces,
                    const std::string& name, int depth, std::set<std::string>* has,
                    std::map<std::string, std::string>* owes) {
    const auto found = classes.find(name);
    if (found == classes.end() || depth > 16) {
        return;
    }
    for (const BodyItem& item : BodyItems(tokens, found->second.open, found->second.close)) {
        has->insert(item.method);
    }
    for (const std::string& base : found->second.bases) {
        const auto face = interfaces.find(base);
        if (face == interfaces.end()) {
            CollectMethods(tokens, classes, interfaces, base, depth + 1, has, owes);
            continue;
        }
        for (const BodyItem& item : BodyItems(tokens, face->second.open, face->second.close)) {
            owes->insert({item.method, base});
        }
    }
}

void CheckInterfaceMembers(const Tokens& tokens, const TypeDeclaration& face, std::string* errors) {
    for (const BodyItem& item : BodyItems(tokens, face.open, face.close)) {
        if (item.method.empty() && item.end > item.begin && IsIdentifier(tokens, item.end - 1)) {
            *errors +=
                SourceError(tokens[item.end - 1], "'" + tokens[item.end - 1].text +
                                                      "': an interface may declare methods only") +
                "\n";
        }
    }
}

// Each declaration of a variable of `name` after its body, where the class
// owes an interface method it does not have.
void CheckInstances(const Tokens& tokens, const std::string& name, const TypeDeclaration& type,
                    const std::string& missing, const std::string& face, std::string* errors) {
    for (size_t at = type.close + 1; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text == name && IsIdentifier(tokens, at + 1) &&
            !IsToken(tokens, at - 1, ".")) {
            *errors +=
                SourceError(tokens[at], "'" + name + "': cannot instantiate a class that " +
                                            "does not implement '" + face + "::" + missing + "'") +
                "\n";
        }
    }
}

} // namespace

void CheckInterfaces(const std::vector<HlslToken>& tokens, std::string* errors) {
    bool any = false;
    for (const HlslToken& token : tokens) {
        any = any || (token.kind == HlslToken::Kind::Identifier && token.text == "interface");
    }
    if (!any) {
        return;
    }
    const auto interfaces = FindTypes(tokens, "interface");
    for (const auto& [name, face] : interfaces) {
        CheckInterfaceMembers(tokens, face, errors);
    }
    const auto classes = FindTypes(tokens, "class");
    for (const auto& [name, type] : classes) {
        std::set<std::string> has;
        std::map<std::string, std::string> owes;
        CollectMethods(tokens, classes, interfaces, name, 0, &has, &owes);
        for (const auto& [method, face] : owes) {
            if (!method.empty() && !has.count(method)) {
                CheckInstances(tokens, name, type, method, face, errors);
                break;
            }
        }
    }
}

bool CheckInterfacesAsWritten(const std::string& source, const std::string& path,
                              std::string* messages) {
    if (source.find("interface") == std::string::npos) {
        return true;
    }
    std::string errors;
    CheckInterfaces(TokenizePreprocessedHlsl(source, path), &errors);
    if (errors.empty()) {
        return true;
    }
    *messages = errors;
    return false;
}

} // namespace d3dcompiler_standin
