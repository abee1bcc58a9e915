#include "entry_point_scan.h"
#include "entry_point_checks.h"

#include <strings.h>

namespace d3dcompiler_standin {
namespace {

bool IsPunctuation(const HlslToken& token, char c) {
    return token.kind == HlslToken::Kind::Punctuation && token.text[0] == c;
}

struct Attribute {
    const HlslToken* name;
    size_t argumentsBegin; // first token after '(' (or 0 without arguments)
    size_t argumentsEnd;   // the matching ')'
};

// Reads "[name(args)]" or "[name]" starting at the '['. Returns the index
// after the closing ']', or the start when the brackets do not close.
size_t ReadAttribute(const std::vector<HlslToken>& tokens, size_t open, Attribute* attribute) {
    int depth = 0;
    size_t at = open;
    for (; at < tokens.size(); ++at) {
        if (IsPunctuation(tokens[at], '[')) {
            ++depth;
        } else if (IsPunctuation(tokens[at], ']') && --depth == 0) {
            break;
        }
    }
    if (at == tokens.size()) {
        return open;
    }
    attribute->name = nullptr;
    attribute->argumentsBegin = attribute->argumentsEnd = 0;
    size_t first = open + 1;
    if (first < at && tokens[first].kind == HlslToken::Kind::Identifier) {
        attribute->name = &tokens[first];
        if (first + 1 < at && IsPunctuation(tokens[first + 1], '(')) {
            attribute->argumentsBegin = first + 2;
            attribute->argumentsEnd = at - 1;
        }
    }
    return at + 1;
}

bool JoinStringArguments(const std::vector<HlslToken>& tokens, const Attribute& attribute,
                         std::string* text, std::string* error) {
    if (attribute.argumentsBegin == 0 || !IsPunctuation(tokens[attribute.argumentsEnd], ')') ||
        attribute.argumentsBegin >= attribute.argumentsEnd) {
        *error = SourceError(*attribute.name, "RootSignature needs a string argument");
        return false;
    }
    text->clear();
    for (size_t i = attribute.argumentsBegin; i < attribute.argumentsEnd; ++i) {
        const HlslToken& token = tokens[i];
        if (token.kind != HlslToken::Kind::String || token.text[0] != '"') {
            *error =
                SourceError(token, "RootSignature takes string literals, found '" + token.text +
                                       "' (a #define'd string must be defined before use)");
            return false;
        }
        *text += StringLiteralValue(token.text);
    }
    return true;
}

} // namespace

bool FindRootSignatureAttribute(const std::vector<HlslToken>& tokens, const std::string& entryPoint,
                                RootSignatureAttribute* found, std::string* error) {
    *found = {};
    if (!CheckEntryPoint(tokens, entryPoint, error)) {
        error->pop_back(); // the caller ends the message's line
        return false;
    }
    std::vector<Attribute> pending; // attributes since the last declaration ended
    int braces = 0;
    int parentheses = 0;
    for (size_t at = 0; at < tokens.size();) {
        const HlslToken& token = tokens[at];
        bool topLevel = braces == 0 && parentheses == 0;
        if (topLevel && IsPunctuation(token, '[')) {
            Attribute attribute;
            size_t next = ReadAttribute(tokens, at, &attribute);
            if (next != at) {
                pending.push_back(attribute);
                at = next;
                continue;
            }
        }
        if (topLevel && token.kind == HlslToken::Kind::Identifier && token.text == entryPoint &&
            at + 1 < tokens.size() && IsPunctuation(tokens[at + 1], '(')) {
            found->entryName = token;
            for (const Attribute& attribute : pending) {
                if (attribute.name != nullptr && attribute.argumentsBegin != 0 &&
                    strcasecmp(attribute.name->text.c_str(), "numthreads") == 0) {
                    found->numthreads = true;
                }
                if (attribute.name == nullptr ||
                    strcasecmp(attribute.name->text.c_str(), "RootSignature") != 0) {
                    continue;
                }
                if (found->present) {
                    *error =
                        SourceError(*attribute.name, "more than one RootSignature attribute on '" +
                                                         entryPoint + "'");
                    return false;
                }
                if (!JoinStringArguments(tokens, attribute, &found->text, error)) {
                    return false;
                }
                found->present = true;
                found->at = *attribute.name;
            }
            if (found->present) {
                return true;
            }
        }
        if (IsPunctuation(token, '{')) {
            ++braces;
        } else if (IsPunctuation(token, '}')) {
            braces -= braces > 0;
            if (braces == 0) {
                pending.clear();
            }
        } else if (IsPunctuation(token, '(')) {
            ++parentheses;
        } else if (IsPunctuation(token, ')')) {
            parentheses -= parentheses > 0;
        } else if (topLevel && IsPunctuation(token, ';')) {
            pending.clear();
        }
        ++at;
    }
    return true;
}

} // namespace d3dcompiler_standin
