// The hand-written readers of type names agree with the regular expressions
// that once did the job, over names built from every scalar base and from
// near misses, with suffixes that are and are not sizes.
#include "numeric_type_names.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace d3dcompiler_standin {
namespace {

std::vector<std::string> CandidateNames() {
    const std::vector<std::string> bases = {
        "bool",      "int",        "uint",       "dword",    "half",     "float",
        "double",    "min16float", "min10float", "min16int", "min12int", "min16uint",
        "",          "in",         "uin",        "floa",     "Float",    "min16",
        "min8float", "doubles",    "int32",      "float16",  "uint64"};
    const std::vector<std::string> suffixes = {
        "",        "0",      "1",     "2",      "4",       "5",      "x",     "x1",    "x4",
        "x5",      "2x3",    "4x4",   "1x1",    "5x1",     "2x",     "2x0",   "x2x",   "2x3x",
        "2x34",    "22",     "_t",    "16_t",   "64_t",    "32_t",   "16_t2", "64_t4", "16_t2x3",
        "16_t4x4", "16_tx2", "16_t5", "16_t2x", "16_t2x5", "16_t22", " ",     "2 ",    "16_t "};
    std::vector<std::string> names;
    for (const std::string& base : bases) {
        for (const std::string& suffix : suffixes) {
            names.push_back(base + suffix);
        }
    }
    return names;
}

TEST(NumericTypeNames, ReadAsTheRegularExpressionReadThem) {
    const std::regex numeric("(bool|int|uint|dword|half|float|double|min16float|"
                             "min10float|min16int|min12int|min16uint)([1-4])?(x([1-4]))?");
    const std::regex sixteenOrSixtyFour("(u?int|float)(16|64)_t([1-4](x[1-4])?)?");
    int numericNames = 0;
    for (const std::string& name : CandidateNames()) {
        SCOPED_TRACE(name);
        std::smatch match;
        NumericTypeName parsed;
        const bool read = ReadNumericTypeName(name, &parsed);
        ASSERT_EQ(read, std::regex_match(name, match, numeric));
        if (read) {
            ++numericNames;
            EXPECT_EQ(std::string(parsed.base), match[1].str());
            EXPECT_EQ(parsed.size, match[2].matched ? std::stoi(match[2].str()) : 0);
            EXPECT_EQ(parsed.columns, match[4].matched ? std::stoi(match[4].str()) : 0);
        }
        EXPECT_EQ(IsSixteenOrSixtyFourBitTypeName(name),
                  std::regex_match(name, sixteenOrSixtyFour));
    }
    // Both answers were asked for: the candidates hold names of either kind.
    EXPECT_GT(numericNames, 100);
    EXPECT_TRUE(IsSixteenOrSixtyFourBitTypeName("uint64_t4"));
}

} // namespace
} // namespace d3dcompiler_standin
