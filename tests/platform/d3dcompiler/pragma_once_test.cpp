// "#pragma once" lines are found as the regular expression that once found
// them did, over lines built from the pieces such a line is made of.
#include "source_files.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace d3dcompiler_standin {
namespace {

// What TakePragmaOnce did with the regular expression: blanks each line that
// matches, keeping line breaks.
bool TakePragmaOnceByPattern(std::string* source) {
    static const std::regex pragmaOnce("^[ \t]*#[ \t]*pragma[ \t]+once[ \t]*(//.*)?$");
    bool found = false;
    for (size_t start = 0; start < source->size();) {
        size_t end = source->find('\n', start);
        end = end == std::string::npos ? source->size() : end;
        if (std::regex_match(source->begin() + start, source->begin() + end, pragmaOnce)) {
            std::fill(source->begin() + start, source->begin() + end, ' ');
            found = true;
        }
        start = end + 1;
    }
    return found;
}

std::vector<std::string> CandidateLines() {
    const std::vector<std::string> leads = {"", " ", "\t ", "x"};
    const std::vector<std::string> heads = {"#pragma", "# pragma", "#\tpragma",
                                            "#pragm",  "pragma",   "#Pragma"};
    const std::vector<std::string> gaps = {" ", "\t", "", "  "};
    const std::vector<std::string> words = {"once", "onc", "onceX", "once2", "ONCE"};
    const std::vector<std::string> tails = {"",   " ",        "\r", " // why", "//",
                                            " /", " // a\rb", " x", "\t//\t",  " //\r"};
    std::vector<std::string> lines;
    for (const std::string& lead : leads) {
        for (const std::string& head : heads) {
            for (const std::string& gap : gaps) {
                for (const std::string& word : words) {
                    for (const std::string& tail : tails) {
                        lines.push_back(lead + head + gap + word + tail);
                    }
                }
            }
        }
    }
    return lines;
}

TEST(PragmaOnce, LinesTakenAsThePatternTookThem) {
    int taken = 0;
    for (const std::string& line : CandidateLines()) {
        SCOPED_TRACE(line);
        // The line between others, and the line last without a line break.
        for (const std::string& source : {"a\n" + line + "\nb", "a\n" + line}) {
            std::string byHand = source;
            std::string byPattern = source;
            const bool found = TakePragmaOnce(&byHand);
            ASSERT_EQ(found, TakePragmaOnceByPattern(&byPattern));
            EXPECT_EQ(byHand, byPattern);
            taken += found;
        }
    }
    EXPECT_GT(taken, 100); // both answers were asked for
}

} // namespace
} // namespace d3dcompiler_standin
