// Brackets over the token stream: a template's '<' pairs with its '>', a
// comparison's '<' pairs with nothing, and the search for its partner stops
// at the statement's end, so sources of many comparisons cost one pass.
#include "hlsl_tokens.h"

#include <gtest/gtest.h>

#include <string>

namespace d3dcompiler_standin {
namespace {

TEST(HlslTokens, AngleBracketsPairWithinOneStatementOnly) {
    const std::vector<HlslToken> tokens = TokenizePreprocessedHlsl(
        "Texture2D<vector<float, 4> > t; for (i = 0; i < 2; i++) { a > b; }", "main.hlsl");
    ASSERT_GT(tokens.size(), 8u);
    EXPECT_EQ(tokens[ClosingBracket(tokens, 1)].text, ">");
    EXPECT_EQ(ClosingBracket(tokens, 1), 8u); // the outer '>', past the nested pair
    size_t comparison = 0;
    for (size_t at = 9; at < tokens.size(); ++at) {
        comparison = tokens[at].text == "<" ? at : comparison;
    }
    ASSERT_NE(comparison, 0u);
    EXPECT_EQ(ClosingBracket(tokens, comparison), tokens.size());
}

TEST(HlslTokens, OtherBracketsStillSpanStatements) {
    const std::vector<HlslToken> tokens =
        TokenizePreprocessedHlsl("{ a = 1; { b = 2; } }", "main.hlsl");
    EXPECT_EQ(ClosingBracket(tokens, 0), tokens.size() - 1);
}

} // namespace
} // namespace d3dcompiler_standin
