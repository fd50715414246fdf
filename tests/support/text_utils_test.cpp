// Protects quote stripping and quoted splitting, used to read the saved window rectangle, the quoting of file
// values and file names in messages (short, one line, control characters and bytes that are not UTF-8 escaped), and JSON strings.

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

TEST(TextShownFileName, EscapedAndShortenedInTheMiddle)
{
    EXPECT_EQ(ShownFileName("/home/me/Loops/closing loop.tvk"), "/home/me/Loops/closing loop.tvk");
    // Line ends, escape sequences, direction overrides and bytes that are not
    // UTF-8 are shown as escapes, never passed on.
    EXPECT_EQ(ShownFileName("a\nb\x1B[31mc\u202Ed\xFF\xFE.tvk"), "a\\nb\\x1B[31mc\\u202Ed\\xFF\\xFE.tvk");
    // A long name keeps its start and as much of its end as fits, 80
    // characters in all, the ellipsis included.
    const std::string folder = "/home/me/" + std::string(150, 'f') + "/";
    const std::string shown = ShownFileName(folder + "loop.tvk");
    EXPECT_EQ(shown.rfind("/home/me/fff", 0), 0u) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 9), "/loop.tvk");
    EXPECT_EQ(shown.size(), 80u - 1 + 3) << shown;  // the ellipsis is three bytes
    EXPECT_NE(shown.find("f\u2026f"), std::string::npos) << shown;
    // Characters count as one, escapes by their width; neither is cut.
    const std::string wide = ShownFileName(std::string(40, 'x') + std::string(30, '\xFF') + "\u00e9.tvk", 30);
    EXPECT_EQ(wide, std::string(11, 'x') + "\u2026\\xFF\\xFF\\xFF\u00e9.tvk") << wide;
    EXPECT_EQ(ShownFileName(std::string(81, 'a')).size(), 82u);
    EXPECT_EQ(ShownFileName(std::string(80, 'a')), std::string(80, 'a'));
}

TEST(TextJsonString, ValidJsonWhateverTheBytes) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("a\"b\\c\nd"), "\"a\\\"b\\\\c\\u000ad\"");
    // UTF-8 stays as it is; a byte that is not UTF-8 becomes a lone
    // surrogate escape, so the JSON parses and the byte can be had back.
    EXPECT_EQ(JsonString("cN\xC2\xB7mm"), "\"cN\xC2\xB7mm\"");
    EXPECT_EQ(JsonString("bad\xFF\xFEname.tvk"), "\"bad\\udcff\\udcfename.tvk\"");
    EXPECT_EQ(JsonString("\xC3"), "\"\\udcc3\"");  // cut short
}

}  // namespace

TEST(TextUtf16, BothWaysStrictly)
{
    const std::string text = "a\xC3\xBC\xE2\x9C\x93\xF0\x9F\x98\x80";  // a, u-umlaut, check mark, a face
    for (const bool big : {false, true}) {
        const std::optional<std::string> wide = Utf8ToUtf16(text, big);
        ASSERT_TRUE(wide) << big;
        EXPECT_EQ(wide->size(), 10u);  // four characters, the last a surrogate pair
        EXPECT_EQ(Utf16ToUtf8(*wide, big), text) << big;
    }
    EXPECT_EQ(*Utf8ToUtf16("A", true), std::string("\0A", 2));
    EXPECT_EQ(*Utf8ToUtf16("A", false), std::string("A\0", 2));
    // Not UTF-8: a stray continuation byte, an overlong form, an encoded
    // surrogate, a cut sequence.
    for (const char* bad : {"\x80", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x9C"}) EXPECT_FALSE(Utf8ToUtf16(bad, false)) << bad;
    // Not UTF-16: an odd byte count, a low surrogate first, a high one alone
    // or followed by another character.
    EXPECT_FALSE(Utf16ToUtf8(std::string("A\0B", 3), false));
    EXPECT_FALSE(Utf16ToUtf8(std::string("\x00\xDC", 2), false));
    EXPECT_FALSE(Utf16ToUtf8(std::string("\x3D\xD8", 2), false));
    EXPECT_FALSE(Utf16ToUtf8(std::string("\x3D\xD8" "A\0", 4), false));
    EXPECT_EQ(Utf16ToUtf8("", true), "");
}

}  // namespace torvik
