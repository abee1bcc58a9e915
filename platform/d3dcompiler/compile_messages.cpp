#include "compile_messages.h"

#include "call_messages.h"
#include "identifier_chars.h"
#include "intrinsic_candidates.h"
#include "syntax_messages.h"

#include <climits>
#include <regex>
#include <sstream>
#include <vector>

namespace d3dcompiler_standin {

namespace {

// glslang's spelling of a type, "temp 3-component vector of float", as HLSL
// spells it, "float3".
std::string HlslTypeName(std::string type) {
    static const std::regex kQualifiers("^\\s*((temp|const|uniform|in|out|inout|global) )*");
    static const std::regex kVector("^([0-9])-component vector of (\\w+)$");
    static const std::regex kMatrix("^([0-9])X([0-9]) matrix of (\\w+)$");
    type = std::regex_replace(type, kQualifiers, "");
    std::smatch match;
    if (std::regex_match(type, match, kVector)) {
        return match[2].str() + match[1].str();
    }
    if (std::regex_match(type, match, kMatrix)) {
        // glslang counts columns first.
        return match[3].str() + match[2].str() + "x" + match[1].str();
    }
    return type;
}

// glslang's wording for the errors whose Windows numbers are documented, and
// Windows' line for each; $1 and $2 are glslang's quoted names, types spelled
// as HLSL spells them.
struct KnownMessage {
    std::regex glslang;
    const char* windows;
};

const std::vector<KnownMessage>& KnownMessages() {
    static const std::vector<KnownMessage> known = {
        {std::regex("^'([^']*)' : unknown variable\\s*$"),
         "error X3004: undeclared identifier '$1'"},
        {std::regex("^'(.*)' : Expected\\s*$"), "error X3000: syntax error: $1 expected"},
        {std::regex("^'([^']*)' : Reserved word\\.\\s*$"),
         "error X3000: syntax error: unexpected token '$1'"},
        {std::regex("^'<bad token>' : unexpected token\\s*$"),
         "error X3000: Illegal character in shader file"},
        {std::regex("^'macro expansion' : Too few args in Macro (\\w+)\\s*$"),
         "error X1516: not enough actual parameters for macro '$1'"},
        {std::regex("^'#include' : (error X[0-9]+: .*?)( for header name: .*)?$"), "$1"},
        {std::regex("^'[^']*' : +cannot convert from '([^']*)' to '([^']*)'\\s*$"),
         "error X3017: cannot implicitly convert from '$1' to '$2'"},
        {std::regex("^'([^']*)' : (vector swizzle selection out of range|no such field in "
                    "structure|vector swizzle selectors not from the same set|unknown swizzle "
                    "selection|vector swizzle too long|matrix (row|column) component out of "
                    "range)\\s*$"),
         "error X3018: invalid subscript '$1'"},
        {std::regex(
             "^'([^']*)' : (redefinition|redefinition struct|function already has a body)\\s*$"),
         "error X3003: redefinition of '$1'"},
        {std::regex("^'(|expression)' : +(unknown index type|left of '\\[' is not of type array, "
                    "matrix, or vector)\\s*$"),
         "error X3121: array, matrix, vector, or indexable object type expected in index "
         "expression"},
        {std::regex("^'constructor' : ((not enough|too much) data provided for construction|too "
                    "many arguments)\\s*$"),
         "error X3014: incorrect number of arguments to numeric-type constructor"},
        {std::regex("^'' : +unimplemented: partial image updates\\s*$"),
         "error X4596: typed UAV stores must write all declared components."},
        {std::regex("^'' : array size must be a positive integer\\s*$"),
         "error X3059: array dimension must be between 1 and 65536"},
        {std::regex("^'\\[' : +array index out of range '[^']*'\\s*$"),
         "error X3504: array index out of bounds"},
        {std::regex("^'' : function does not return a value: @?(\\w+)\\s*$"),
         "error X3080: '$1': function must return a value"},
        {std::regex("^'[^']*' : +l-value required \"\\$Global\" \\(can't modify a uniform\\)\\s*$"),
         "error X3025: global variables are implicitly constant, enable compatibility mode to "
         "allow modification"},
        {std::regex("^'[^']*' : +l-value required.*\\(can't modify a const\\)\\s*$"),
         "error X3025: l-value specifies const object"},
        {std::regex("^'[^']*' : +l-value required( \"[^\"]*\" \\(can't modify a readonly "
                    "buffer\\))?\\s*$"),
         "error X3025: l-value specifies const object"},
        {std::regex("^'return' : void function cannot return a value\\s*$"),
         "error X3079: void functions cannot return a value"},
        {std::regex("^'' : array size must be a constant integer expression\\s*$"),
         "error X3058: array dimensions must be literal scalar expressions"},
    };
    return known;
}

std::string WithWindowsNumber(const std::string& severity, const std::string& text) {
    for (const KnownMessage& known : KnownMessages()) {
        std::smatch match;
        if (!std::regex_match(text, match, known.glslang)) {
            continue;
        }
        std::string line = known.windows;
        for (size_t group = 1; group < match.size() && group <= 2; ++group) {
            // Appended, not "$" + ...: GCC 12 takes that for an overlapping copy.
            std::string placeholder = "$";
            placeholder += std::to_string(group);
            const size_t at = line.find(placeholder);
            if (at != std::string::npos) {
                line.replace(at, placeholder.size(), HlslTypeName(match[group].str()));
            }
        }
        return line;
    }
    return severity + ": " + text;
}

// ",first-last" (1-based, inclusive) where the name `token` stands whole in
// `line`.
std::string ColumnRange(const std::string& line, const std::string& token) {
    // An operator's place in a line is too often ambiguous to name.
    if (token.empty() || !IsIdentifierStart(token.front())) {
        return "";
    }
    for (size_t at = line.find(token); at != std::string::npos; at = line.find(token, at + 1)) {
        const size_t after = at + token.size();
        if ((at > 0 && IsIdentifierPart(line[at - 1])) ||
            (after < line.size() && IsIdentifierPart(line[after]))) {
            continue;
        }
        std::string range = ",";
        range += std::to_string(at + 1);
        range += "-";
        range += std::to_string(after);
        return range;
    }
    return "";
}

// One diagnostic, in the order glslang gave them.
struct Diagnostic {
    std::string file;
    int line = 0;
    std::string token; // the quoted name glslang's text starts with, if any
    std::string text;  // Windows' form: "error X3004: ..."
};

// Whether `next` adds nothing to what was said before it. After an error,
// glslang goes on to report what that error left behind on the same line
// (an operation on its void result, a return of the wrong type); Windows'
// compiler reports the cause alone. A line glslang gives no place in the
// source ("0(0)", a constructor left without its undeclared argument) is
// such a remnant of whatever error came before it. Each undeclared name is
// an error of its own.
bool IsFollowOn(const std::vector<Diagnostic>& said, const Diagnostic& next) {
    const bool undeclared = next.text.rfind("error X3004: ", 0) == 0;
    for (const Diagnostic& earlier : said) {
        const bool sameLine = earlier.file == next.file && earlier.line == next.line;
        if (earlier.text.rfind("error", 0) != 0) {
            continue;
        }
        if (undeclared ? sameLine && earlier.text == next.text : sameLine || next.line == 0) {
            return true;
        }
    }
    return false;
}

// An X3004 for a variable the source declares, after an error: glslang drops
// a declaration whose initialiser it could not read ("float4 c =
// tex.Sample(...)" with no tex), where Windows declares it all the same.
bool IsUndeclaredAfterError(const std::vector<Diagnostic>& said, const Diagnostic& next,
                            const SourceLineLookup& lines) {
    return !said.empty() && next.text.rfind("error X3004: ", 0) == 0 &&
           VariableIsDeclared(next.token, next.file, lines, next.line);
}

// Windows' X3013 line for a call of an intrinsic that no overload matches,
// the arguments counted in the source from the message's line on.
void NameUnmatchedIntrinsicCall(const std::string& glslangText, const SourceLineLookup& lines,
                                Diagnostic* diagnostic) {
    static const std::regex kNoMatch("^'(\\w+)' : no matching overloaded function found\\s*$");
    std::smatch match;
    if (!lines || !std::regex_match(glslangText, match, kNoMatch)) {
        return;
    }
    std::string source;
    std::string text;
    for (int line = diagnostic->line; line < diagnostic->line + 8; ++line) {
        if (!lines(diagnostic->file, line, &text)) {
            break;
        }
        source += text + "\n";
    }
    const std::string name = match[1].str();
    std::string windows = NoMatchingIntrinsicMessage(name, source);
    if (!windows.empty()) {
        diagnostic->text = windows;
        diagnostic->token = windows.substr(windows.find('\'') + 1);
        diagnostic->token.erase(diagnostic->token.find('\''));
    }
}

// "float5 wide = 0;": a name where a declaration's type stands, followed by
// the declared name, is to Windows' parser an unrecognized identifier.
void NameUnrecognizedType(const SourceLineLookup& lines, Diagnostic* diagnostic) {
    std::string sourceLine;
    if (!lines || diagnostic->text.rfind("error X3004: ", 0) != 0 ||
        !lines(diagnostic->file, diagnostic->line, &sourceLine)) {
        return;
    }
    const std::string& name = diagnostic->token;
    const size_t at = sourceLine.find(name);
    if (name.empty() || at == std::string::npos || sourceLine.find_first_not_of(" \t") != at) {
        return;
    }
    const size_t next = sourceLine.find_first_not_of(" \t", at + name.size());
    if (next != std::string::npos && next > at + name.size() &&
        IsIdentifierStart(sourceLine[next])) {
        diagnostic->text = "error X3000: unrecognized identifier '" + name + "'";
    }
}

// A call of a name that neither its file declares before it nor the main
// file declares is, to Windows' compiler, an undeclared identifier (a
// misspelt intrinsic, say). The stand-in's own helpers are declared.
void NameUndeclaredCall(const std::string& mainFile, const SourceLineLookup& lines,
                        Diagnostic* diagnostic) {
    const std::string& name = diagnostic->token;
    if (!lines || name.empty() || !IsIdentifierStart(name.front()) || name.rfind("__BI_", 0) == 0 ||
        name.rfind("standin_", 0) == 0 || IsIntrinsicFunction(name) ||
        diagnostic->text != "error: '" + name + "' : no matching overloaded function found" ||
        NameIsDeclared(name, diagnostic->file, lines, diagnostic->line) ||
        (mainFile != diagnostic->file && NameIsDeclared(name, mainFile, lines, INT_MAX))) {
        return;
    }
    diagnostic->text = "error X3004: undeclared identifier '" + name + "'";
}

// An if statement's condition of more than one component, in Windows' words.
void NameVectorCondition(const SourceLineLookup& lines, Diagnostic* diagnostic) {
    std::string sourceLine;
    if (!lines || diagnostic->text != "error: 'conditional expression' : requires a scalar" ||
        !lines(diagnostic->file, diagnostic->line, &sourceLine) ||
        ColumnRange(sourceLine, "if").empty()) {
        return;
    }
    diagnostic->text =
        "error X3019: if statement conditional expressions must evaluate to a scalar";
}

// Windows' words for the token a syntax error met, in place of glslang's
// "<what> expected".
void NameUnexpectedToken(const SourceLineLookup& lines, const ParseStop& stop,
                         Diagnostic* diagnostic, std::string* columns) {
    const std::string kPrefix = "error X3000: syntax error: ";
    const std::string kSuffix = " expected";
    const std::string& text = diagnostic->text;
    if (text.rfind(kPrefix, 0) != 0 || text.size() < kPrefix.size() + kSuffix.size() ||
        text.compare(text.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) {
        return;
    }
    std::string expected =
        text.substr(kPrefix.size(), text.size() - kPrefix.size() - kSuffix.size());
    if (expected == "expression followed by ']'") {
        expected = "]"; // an index left open
    }
    ParseStop where{diagnostic->file, diagnostic->line, 0};
    if (stop.file == where.file && stop.line == where.line) {
        where.column = stop.column;
    }
    const std::string windows = UnexpectedTokenMessage(expected, where, lines, columns);
    if (!windows.empty()) {
        diagnostic->text = windows;
    }
}

// Windows' X3500 for glslang's linker line "Recursion detected:", which a
// method calling itself reaches (the source checks find recursion among free
// functions only); the function is named by the line after it,
// "file:     Node::Depth(f1; calling Node::Depth(f1;".
std::string RecursionMessage(const std::string& mainFile, std::istream* input) {
    std::string calls;
    std::getline(*input, calls);
    const std::string caller = calls.substr(0, calls.find(" calling "));
    const size_t open = caller.rfind('(');
    std::string name;
    if (open != std::string::npos) {
        const size_t start = caller.find_last_of(" :", open);
        name = caller.substr(start + 1, open - start - 1);
    }
    return mainFile + ": error X3500: '" + name + "': recursive functions not allowed\n";
}

} // namespace

// The rewordings whose forms glslang's line alone does not tell.
void NameInWindowsWords(const std::string& glslangText, const std::string& mainFile,
                        const SourceLineLookup& lines, Diagnostic* diagnostic) {
    NameUnmatchedIntrinsicCall(glslangText, lines, diagnostic);
    NameUnrecognizedType(lines, diagnostic);
    NameUndeclaredCall(mainFile, lines, diagnostic);
    NameVectorCondition(lines, diagnostic);
}

bool IsRootSignatureWarning(const std::string& line) {
    return line.find("'RootSignature' : unrecognized attribute") != std::string::npos;
}

std::string TranslateGlslangMessages(const std::string& messages, const std::string& mainFile,
                                     const std::string& entryPoint, const SourceLineLookup& lines) {
    std::istringstream input(messages);
    std::string line;
    std::string out;
    std::vector<Diagnostic> said;
    ParseStop stop;
    const bool parseStopped = ReadParseStop(messages, &stop);
    while (std::getline(input, line)) {
        if (line.empty() || IsRootSignatureWarning(line) ||
            line.find("HLSL parsing failed") != std::string::npos ||
            line.find("compilation errors.") != std::string::npos) {
            continue;
        }
        const std::string kLegalisation =
            "shaderc: internal error: compilation succeeded but failed to optimize: ";
        if (line.rfind(kLegalisation, 0) == 0) {
            // SPIR-V that glslang made but cannot legalise: a form the
            // translation does not cover. The lines after it dump SPIR-V.
            out += mainFile + ": error: the HLSL compiler cannot translate this shader (" +
                   line.substr(kLegalisation.size()) + ")\n";
            break;
        }
        if (line.find("Recursion detected:") != std::string::npos) {
            out += RecursionMessage(mainFile, &input);
            break;
        }
        if (line.find("Entry point not found") != std::string::npos) {
            out += mainFile + ": error X3501: '" + entryPoint + "': entrypoint not found\n";
            continue;
        }
        // Built here, past the lines dropped above: a clean compile's only
        // line (the unrecognized RootSignature attribute) needs no pattern.
        static const std::regex kWithLine("^(.*?):([0-9]+): (error|warning): (.*)$");
        static const std::regex kToken("^'([^']*)' :.*");
        std::smatch match;
        if (!std::regex_match(line, match, kWithLine)) {
            out += line + "\n";
            continue;
        }
        Diagnostic diagnostic{match[1].str(), std::stoi(match[2].str()), "",
                              WithWindowsNumber(match[3].str(), match[4].str())};
        if (diagnostic.text.rfind("warning: ", 0) == 0) {
            continue; // glslang's own, not Windows': those come from the checks
        }
        const std::string glslangText = match[4].str();
        if (std::regex_match(glslangText, match, kToken)) {
            diagnostic.token = match[1].str();
        }
        NameInWindowsWords(glslangText, mainFile, lines, &diagnostic);
        if (IsUndeclaredAfterError(said, diagnostic, lines)) {
            said.push_back(diagnostic); // what glslang says of it on its line follows on too
            continue;
        }
        if (IsFollowOn(said, diagnostic)) {
            continue;
        }
        std::string columns;
        std::string sourceLine;
        const bool positional = diagnostic.text.find("error X3000:") != 0;
        if (positional && lines && lines(diagnostic.file, diagnostic.line, &sourceLine)) {
            columns = ColumnRange(sourceLine, diagnostic.token);
        }
        NameUnexpectedToken(lines, stop, &diagnostic, &columns);
        const std::string prefix =
            diagnostic.file + "(" + std::to_string(diagnostic.line) + columns + "): ";
        out += prefix + diagnostic.text + "\n" + IntrinsicCandidateLines(diagnostic.text, prefix);
        said.push_back(diagnostic);
        if (diagnostic.text.find("error X3000:") == 0) {
            break; // Windows' compiler stops at the first syntax error
        }
    }
    std::string columns;
    const std::string unexpected =
        out.empty() && parseStopped ? UnexpectedTokenMessage("", stop, lines, &columns) : "";
    if (!unexpected.empty()) {
        // glslang said no more than where its parser stopped.
        out = stop.file + "(" + std::to_string(stop.line) + columns + "): " + unexpected + "\n";
    }
    return out;
}

std::string LimitErrorLines(const std::string& messages) {
    size_t end = 0;
    for (size_t lines = 0; lines < kMaxErrorLines; ++lines) {
        end = messages.find('\n', end);
        if (end == std::string::npos) {
            return messages;
        }
        ++end;
    }
    if (end >= messages.size()) {
        return messages;
    }
    size_t leftOut = 0;
    for (size_t at = end; at < messages.size(); ++at) {
        leftOut += messages[at] == '\n';
    }
    leftOut += messages.back() != '\n';
    return messages.substr(0, end) + "compilation stopped: " + std::to_string(leftOut) +
           " more error line(s) left out\n";
}

} // namespace d3dcompiler_standin
