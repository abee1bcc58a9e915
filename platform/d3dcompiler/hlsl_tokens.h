// A token stream over preprocessed HLSL that keeps each token's file and line
// (from the preprocessor's #line markers), for the checks the compiler makes
// on the source itself.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

struct HlslToken {
    enum class Kind { Identifier, Number, String, Punctuation };
    Kind kind;
    std::string text; // strings keep their quotes and escapes
    std::string file;
    uint32_t line;
    uint32_t column = 1; // in the preprocessed line
    size_t offset = 0;   // in the text tokenized
};

// A replacement of `length` characters at `offset` of a tokenized text.
struct TextEdit {
    size_t offset;
    size_t length;
    std::string text;
};

// Puts the helper functions a rewrite calls in front of the source, each
// once, numbering the source's own lines as before.
void DefineHelpersFirst(const std::set<std::string>& definitions, std::vector<TextEdit>* edits);

// `text` with the edits made, each insertion in front of what stands at its
// offset; an edit that overlaps one after it is left out.
std::string WithEdits(std::string text, std::vector<TextEdit> edits);

// Applies "#line N" or "#line N "file"", a directive's text from its '#': the
// next line is line N. glslang opens a file that includes others with
// "#line 0", meaning its first line. Other directives change nothing.
void ApplyLineMarker(const std::string& directive, std::string* file, uint32_t* nextLine);

std::vector<HlslToken> TokenizePreprocessedHlsl(const std::string& text,
                                                const std::string& mainFile);

// Whether tokens[at] exists and is an identifier (keywords included).
bool IsIdentifier(const std::vector<HlslToken>& tokens, size_t at);

// Whether `token` is the one character `c`: a cheaper test than a string
// comparison, for the loops over every token that each compile makes.
inline bool IsChar(const HlslToken& token, char c) {
    return token.text.size() == 1 && token.text[0] == c;
}

// Whether tokens[at] exists and reads `text`.
bool IsToken(const std::vector<HlslToken>& tokens, size_t at, const char* text);

// Index of the bracket closing the ( [ { or < at `open`, or tokens.size().
size_t ClosingBracket(const std::vector<HlslToken>& tokens, size_t open);

// Index of the ( or [ that opens the ) or ] at `close`, or 0 where none does.
size_t OpeningBracket(const std::vector<HlslToken>& tokens, size_t close);

// Whether `next` follows `token` with no space between ("<" "<" of a shift).
bool Adjacent(const HlslToken& token, const HlslToken& next);

// The tokens [begin, end) on one line, a space after each but where the
// next follows it with none ("::", the "<" "<" of a shift).
std::string TokensOnOneLine(const std::vector<HlslToken>& tokens, size_t begin, size_t end);

// The characters a string token stands for, escapes resolved.
std::string StringLiteralValue(const std::string& token);

// "file(line,first-last): error: message", or with `code`
// "file(line,first-last): error X4567: message", the columns of the token `at`
std::string SourceError(const HlslToken& at, const std::string& message,
                        const std::string& code = "");

} // namespace d3dcompiler_standin
