// Protects quote stripping and quoted splitting, used to read the saved window rectangle, and the quoting of file
// values in messages (short, one line, control characters and bytes that are not UTF-8 escaped).

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

TEST(TextQuotedValue, ShortOneLineAndReadable)
{
    EXPECT_EQ(QuotedValue("abc"), "'abc'");
    EXPECT_EQ(QuotedValue(""), "''");
    EXPECT_EQ(QuotedValue(std::string(60, 'x')), "'" + std::string(60, 'x') + "'");
    EXPECT_EQ(QuotedValue(std::string(16 << 20, 'x')), "'" + std::string(60, 'x') + "...'");
    EXPECT_EQ(QuotedValue("abcdef", 3), "'abc...'");
    // Line ends, tabs, escape sequences and DEL cannot reach a terminal or a box.
    EXPECT_EQ(QuotedValue("1\r2\n3\t4\x1B[2J\x7F"), "'1\\r2\\n3\\t4\\x1B[2J\\x7F'");
    // UTF-8 is kept and counted by characters; C1 controls, line separators
    // and direction overrides are not.
    EXPECT_EQ(QuotedValue("\u00b5m \u00e9t\u00e9"), "'\u00b5m \u00e9t\u00e9'");
    EXPECT_EQ(QuotedValue("\u00e9\u00e9\u00e9", 2), "'\u00e9\u00e9...'");
    EXPECT_EQ(QuotedValue("a\u009b2Jb\u2028c\u202ed"), "'a\\u009B2Jb\\u2028c\\u202Ed'");
    // Bytes that are not UTF-8: stray, cut short, overlong, surrogate.
    EXPECT_EQ(QuotedValue("\xFF\xFE"), "'\\xFF\\xFE'");
    EXPECT_EQ(QuotedValue("a\xC3"), "'a\\xC3'");
    EXPECT_EQ(QuotedValue("\xC0\xAF"), "'\\xC0\\xAF'");
    EXPECT_EQ(QuotedValue("\xED\xA0\x80"), "'\\xED\\xA0\\x80'");
    EXPECT_EQ(QuotedValue(std::string("a\0b", 3)), "'a\\x00b'");
}

}  // namespace
}  // namespace torvik
