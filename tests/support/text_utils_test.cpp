// Protects quote stripping and quoted splitting, used to read the saved window rectangle.

#include "support/text_utils.h"

#include <gtest/gtest.h>

namespace torvik {
namespace {

using Items = std::vector<std::string>;

TEST(TextStripQuotes, EndsOnly)
{
    EXPECT_EQ(StripQuotes("\"\"", '"'), "");
    EXPECT_EQ(StripQuotes("", '"'), "");
    EXPECT_EQ(StripQuotes("\"\"\"", '"'), "");
    EXPECT_EQ(StripQuotes("plain", '"'), "plain");
    EXPECT_EQ(StripQuotes("\"a b\"", '"'), "a b");
    EXPECT_EQ(StripQuotes("\"\"a\"b\"", '"'), "a\"b");
    EXPECT_EQ(StripQuotes("'x'", '\''), "x");
    EXPECT_EQ(StripQuotes(" \"x\" ", '"'), " \"x\" ");
}

TEST(TextSplitQuoted, ItemsSeparatorsAndQuotes)
{
    EXPECT_EQ(SplitQuoted("Maximized", " "), Items({"Maximized"}));
    EXPECT_EQ(SplitQuoted("10 20  30 40", " "), Items({"10", "20", "30", "40"}));
    EXPECT_EQ(SplitQuoted("100 \"a b\" 7", " "), Items({"100", "a b", "7"}));
    EXPECT_EQ(SplitQuoted("", " "), Items());
    EXPECT_EQ(SplitQuoted("   ", " "), Items());
    EXPECT_EQ(SplitQuoted("  1 2  ", " "), Items({"1", "2"}));
    EXPECT_EQ(SplitQuoted("\"\" x", " "), Items({"", "x"}));
    EXPECT_EQ(SplitQuoted("1 \"open end", " "), Items({"1", "open end"}));
    EXPECT_EQ(SplitQuoted("1 \"last\"", " "), Items({"1", "last"}));
    EXPECT_EQ(SplitQuoted("\"a  b\"", " "), Items({"a  b"}));
    EXPECT_EQ(SplitQuoted("a,b,,c", ","), Items({"a", "b", "c"}));
    EXPECT_EQ(SplitQuoted("a b", ""), Items({"a b"}));  // no separator: the text whole
}

}  // namespace
}  // namespace torvik
