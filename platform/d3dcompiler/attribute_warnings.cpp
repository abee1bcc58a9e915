#include "attribute_warnings.h"
#include "function_scan.h"
#include "warning_lines.h"

#include <cctype>
#include <cstring>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

std::string Lower(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        c = char(std::tolower(uint8_t(c)));
    }
    return lower;
}

bool OneOf(const std::string& name, const char* const* names) {
    for (; *names != nullptr; ++names) {
        if (name == *names) {
            return true;
        }
    }
    return false;
}

// The attributes a statement beginning with `keyword` takes (Microsoft's
// pages on for, while, do, if and switch).
bool FitsStatement(const std::string& name, const std::string& keyword) {
    static const char* const kLoop[] = {"unroll", "loop", "fastopt", "allow_uav_condition",
                                        nullptr};
    static const char* const kIf[] = {"branch", "flatten", nullptr};
    static const char* const kSwitch[] = {"branch", "flatten", "forcecase", "call", nullptr};
    if (keyword == "for" || keyword == "while" || keyword == "do") {
        return OneOf(name, kLoop);
    }
    if (keyword == "if") {
        return OneOf(name, kIf);
    }
    return keyword == "switch" && OneOf(name, kSwitch);
}

// The stage letter of an entry-point attribute; '*' for any stage, 0 for a
// name no function takes.
char StageOfFunctionAttribute(const std::string& name) {
    static const char* const kHull[] = {"domain",
                                        "partitioning",
                                        "outputtopology",
                                        "outputcontrolpoints",
                                        "patchconstantfunc",
                                        "maxtessfactor",
                                        nullptr};
    if (name == "numthreads") {
        return 'c';
    }
    if (name == "earlydepthstencil") {
        return 'p';
    }
    if (name == "maxvertexcount" || name == "instance") {
        return 'g';
    }
    if (OneOf(name, kHull)) {
        return 'h';
    }
    return name == "rootsignature" || name == "clipplanes" ? '*' : 0;
}

std::string UnknownAttribute(const HlslToken& name) {
    return SourceWarning(
        name, "unknown attribute " + name.text + ", or attribute invalid for this statement",
        "X3554");
}

// "[unroll(1.5)]", "[unroll("2")]": an attribute's count that is not an integer.
void WarnFractionalCount(const Tokens& tokens, size_t name, std::string* warnings) {
    const std::string lower = Lower(tokens[name].text);
    if ((lower != "unroll" && lower != "loop") || !IsToken(tokens, name + 1, "(") ||
        !IsToken(tokens, name + 3, ")") ||
        (tokens[name + 2].kind != HlslToken::Kind::Number &&
         tokens[name + 2].kind != HlslToken::Kind::String)) {
        return;
    }
    const std::string& count = tokens[name + 2].text;
    const bool hex = count.size() > 1 && (count[1] == 'x' || count[1] == 'X');
    if (tokens[name + 2].kind == HlslToken::Kind::String ||
        (!hex && count.find_first_of(".eEfF") != std::string::npos)) {
        // The count does not match, and without it the attribute matches
        // none of the loop's.
        *warnings += SourceWarning(tokens[name],
                                   "cannot match attribute " + tokens[name].text +
                                       ", parameter 1 is expected to be of type int",
                                   "X3554");
        *warnings += SourceWarning(tokens[name],
                                   "unknown attribute " + tokens[name].text +
                                       ", or attribute invalid for this statement, valid "
                                       "attributes are: loop, fastopt, unroll, allow_uav_condition",
                                   "X3554");
    }
}

// "[a] [b(...)] statement" inside a body, from `at`; the index past the group.
size_t WarnStatementGroup(const Tokens& tokens, size_t at, size_t end, std::string* warnings) {
    std::vector<size_t> names;
    while (at < end && IsToken(tokens, at, "[") && IsIdentifier(tokens, at + 1)) {
        names.push_back(at + 1);
        at = ClosingBracket(tokens, at) + 1;
    }
    const std::string keyword = at < end ? tokens[at].text : "";
    for (size_t name : names) {
        if (!FitsStatement(Lower(tokens[name].text), keyword)) {
            *warnings += UnknownAttribute(tokens[name]);
        } else {
            WarnFractionalCount(tokens, name, warnings);
        }
    }
    return at;
}

// The attributes in front of a function definition: known ones that do not
// belong to this entry point's stage, or to an ordinary function, warn.
void WarnFunctionAttributes(const Tokens& tokens, const FunctionDefinition& function, bool isEntry,
                            char stage, std::string* warnings) {
    size_t at = function.name - 1; // the return type
    while (at > 1 && tokens[at - 1].text == "]") {
        const size_t open = OpeningBracket(tokens, at - 1);
        if (tokens[open].text != "[" || !IsIdentifier(tokens, open + 1)) {
            return;
        }
        const std::string name = Lower(tokens[open + 1].text);
        const char wanted = StageOfFunctionAttribute(name);
        // A domain shader names its patch's domain as its hull shader does.
        const bool fitsStage = wanted == stage || (name == "domain" && stage == 'd');
        if (wanted == 0 || (wanted != '*' && (!isEntry || !fitsStage))) {
            *warnings += UnknownAttribute(tokens[open + 1]);
        }
        at = open;
    }
}

bool StartsStatement(const Tokens& tokens, size_t at) {
    const std::string& before = tokens[at - 1].text;
    return before == ";" || before == "{" || before == "}" || before == "else";
}

} // namespace

void WarnMisplacedAttributes(const Tokens& tokens, const std::vector<FunctionDefinition>& functions,
                             const std::string& entryPoint, const ShaderTarget& target,
                             std::string* warnings) {
    for (const FunctionDefinition& function : functions) {
        WarnFunctionAttributes(tokens, function, tokens[function.name].text == entryPoint,
                               target.stage, warnings);
        const size_t end = std::min(function.end, tokens.size());
        for (size_t at = function.body + 1; at < end; ++at) {
            if (IsToken(tokens, at, "[") && StartsStatement(tokens, at) &&
                IsIdentifier(tokens, at + 1)) {
                at = WarnStatementGroup(tokens, at, end, warnings) - 1;
            }
        }
    }
}

} // namespace d3dcompiler_standin
