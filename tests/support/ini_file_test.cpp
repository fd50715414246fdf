// Protects INI reading (any line end, byte order marks, first key wins), in-place writing, loading that tells a
// missing file from an unreadable one, and atomic saving that refuses read-only files and writes through links.

#include "support/errors.h"
#include "support/ini_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace torvik {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder()
    {
        std::string templ = (fs::temp_directory_path() / "torvik-ini-XXXXXX").string();
        if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
        FPath = templ;
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(FPath, ec);
    }
    const fs::path& path() const { return FPath; }

private:
    fs::path FPath;
};

std::string ReadAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary);
    out << text;
}

const char* const kDesign =
    "; a comment\n"
    "[Wire]\n"
    "Segments = 2 \n"
    "Seg 1=0.000000, 5.00\n"
    "Seg 2=0.100000, 5.00\n"
    "\n"
    "[Left Bracket]\n"
    "X=200\n"
    "Unknown=kept\n"
    "[Mine]\n"
    "a=1\n";

TEST(IniFileRead, CaseInsensitiveTrimmedAndDefaults)
{
    TIniFile ini;
    ini.Parse(std::string("\xEF\xBB\xBF") + kDesign);
    EXPECT_EQ(ini.ReadString("wire", "SEGMENTS", "?"), "2");
    EXPECT_EQ(ini.ReadInteger(" WIRE ", "segments", 0), 2);
    EXPECT_EQ(ini.ReadString("Wire", "seg 2", ""), "0.100000, 5.00");
    EXPECT_EQ(ini.ReadString("left bracket", "x", ""), "200");
    EXPECT_EQ(ini.ReadString("Wire", "X", "nil"), "nil");
    EXPECT_EQ(ini.ReadString("Nowhere", "X", "nil"), "nil");
    EXPECT_FALSE(ini.Read("Wire", "missing").has_value());
    EXPECT_EQ(ini.ReadInteger("Left Bracket", "Unknown", 7), 7);
    EXPECT_TRUE(ini.ReadBool("Mine", "a", false));
    EXPECT_TRUE(ini.SectionExists("MINE"));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Wire", "Left Bracket", "Mine"}));
    EXPECT_EQ(ini.KeyNames("wire"), (std::vector<std::string>{"Segments", "Seg 1", "Seg 2"}));

    TIniFile hex;
    hex.Parse("[S]\r\nH=0x1F\r\nB=0\r\nN=-12\r\nJ=1.5\r\n");
    EXPECT_EQ(hex.ReadInteger("S", "H", 0), 31);
    EXPECT_FALSE(hex.ReadBool("S", "B", true));
    EXPECT_EQ(hex.ReadInteger("S", "N", 0), -12);
    EXPECT_EQ(hex.ReadInteger("S", "J", 3), 3);
    EXPECT_TRUE(hex.ReadBool("S", "J", true));
}

TEST(IniFileWrite, InPlaceAppendAndNewSection)
{
    TIniFile ini;
    ini.Parse("[A]\r\nx=1\r\n; note\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    ini.WriteString("a", "X", "10");        // replaced where it stands
    ini.WriteString("A", "w", "new");       // after A's last key, before the blank line
    ini.WriteString("C", "k", "v");         // new section at the end
    ini.WriteInteger("B", "n", -5);
    ini.WriteBool("B", "flag", true);
    EXPECT_EQ(ini.Text(),
              "[A]\r\nX=10\r\n; note\r\ny=2\r\nw=new\r\n\r\n[B]\r\nz=3\r\nn=-5\r\nflag=1\r\n[C]\r\nk=v\r\n");

    TIniFile empty;
    EXPECT_EQ(empty.Text(), "");
    empty.WriteString("S", "k", "");
    EXPECT_EQ(empty.Text(), "[S]\r\nk=\r\n");
    EXPECT_EQ(empty.ReadString("S", "k", "default"), "");

    // Names and values that would break the file's structure are refused.
    EXPECT_THROW(ini.WriteString("S", "a=b", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S]", "a", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("S", "a", "1\r\n[X]"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("", "a", "1"), std::invalid_argument);
    EXPECT_FALSE(ini.SectionExists("S"));
}

TEST(IniFileWrite, EraseAndRewriteKeepsOtherSectionsInPlace)
{
    TIniFile ini;
    ini.Parse(kDesign);
    ini.EraseSection("WIRE");
    EXPECT_FALSE(ini.SectionExists("Wire"));
    EXPECT_FALSE(ini.Read("Wire", "Seg 2").has_value());
    ini.WriteInteger("Wire", "Segments", 1);
    ini.WriteString("Wire", "Seg 1", "0.000000, 5.00");
    EXPECT_EQ(ini.Text(),
              "; a comment\r\n\r\n[Left Bracket]\r\nX=200\r\nUnknown=kept\r\n[Mine]\r\na=1\r\n"
              "[Wire]\r\nSegments=1\r\nSeg 1=0.000000, 5.00\r\n");

    TIniFile twice;
    twice.Parse("[S]\na=1\n[T]\nb=2\n[s]\nc=3\n");
    twice.EraseSection("s");
    EXPECT_EQ(twice.Text(), "[T]\r\nb=2\r\n");
}

TEST(IniFileText, RoundTripKeepsEveryLine)
{
    const std::string crlf = "; c\r\n[S]\r\n  Key  =  spaced value  \r\nnot a key\r\n[T]\r\n=no name\r\n";
    TIniFile ini;
    ini.Parse(crlf);
    EXPECT_EQ(ini.Text(), crlf);
    EXPECT_EQ(ini.ReadString("s", "key", ""), "spaced value");
    TIniFile lf;
    lf.Parse("[S]\nk=v");  // no final line end
    EXPECT_EQ(lf.Text(), "[S]\r\nk=v\r\n");
}

TEST(IniFileSave, WritesReplacesAndKeepsRights)
{
    TempFolder dir;
    const fs::path file = dir.path() / "design.tvk";
    TIniFile ini;
    EXPECT_FALSE(ini.Load(file.string()));  // missing: empty document
    EXPECT_EQ(ini.Text(), "");

    ini.WriteString("Wire", "Segments", "0");
    ini.Save(file.string());
    EXPECT_EQ(ReadAll(file), "[Wire]\r\nSegments=0\r\n");

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TIniFile again;
    ASSERT_TRUE(again.Load(file.string()));
    again.WriteString("Wire", "Segments", "3");
    again.Save(file.string());
    EXPECT_EQ(ReadAll(file), "[Wire]\r\nSegments=3\r\n");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(IniFileSave, FailureThrowsAndLeavesTheOldFile)
{
    TempFolder dir;
    const fs::path blocker = dir.path() / "plain-file";
    WriteAll(blocker, "I am a file\n");
    TIniFile ini;
    ini.WriteString("S", "k", "v");

    const std::string inside = (blocker / "settings.ini").string();  // parent is a regular file
    try {
        ini.Save(inside);
        FAIL() << "no exception";
    } catch (const TFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + inside + ".\n" + SystemReason(ENOTDIR));
    }
    const std::string missing = (dir.path() / "no-such-folder" / "x.ini").string();
    EXPECT_THROW(ini.Save(missing), TFileError);
    EXPECT_THROW(ini.Save(dir.path().string()), TFileError);  // a folder is not a file
    EXPECT_EQ(ReadAll(blocker), "I am a file\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(IniFileLoad, RefusesWhatIsNotAnIniFile)
{
    TempFolder dir;
    TIniFile ini;
    ini.Parse("[Old]\nk=v\n");
    EXPECT_FALSE(ini.Load(dir.path().string()));  // a folder
    EXPECT_EQ(ini.Text(), "");

    const fs::path big = dir.path() / "big.ini";
    {
        std::ofstream out(big, std::ios::binary);
        out << "[S]\nk=v\n";
    }
    fs::resize_file(big, 17u * 1024u * 1024u);
    ini.Parse("[Old]\nk=v\n");
    EXPECT_FALSE(ini.Load(big.string()));
    EXPECT_EQ(ini.Text(), "");

    const fs::path bom = dir.path() / "bom.ini";
    WriteAll(bom, "\xEF\xBB\xBF[General]\nVersion=1.0.0.0\n");
    ASSERT_TRUE(ini.Load(bom.string()));
    EXPECT_EQ(ini.ReadString("General", "Version", ""), "1.0.0.0");
}

TEST(IniFileText, AnyLineEndAndByteOrderMarks)
{
    TIniFile ini;
    ini.Parse("[A]\rx=1\r\ny=2\nz=3\r\r[B]\rk=\"v\"\r");
    EXPECT_EQ(ini.ReadString("A", "x", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "y", ""), "2");
    EXPECT_EQ(ini.ReadString("A", "z", ""), "3");  // no CR left inside a value
    EXPECT_EQ(ini.ReadString("B", "k", ""), "\"v\"");
    EXPECT_EQ(ini.Text(), "[A]\r\nx=1\r\ny=2\r\nz=3\r\n\r\n[B]\r\nk=\"v\"\r\n");

    // However many marks the file starts with, one is written back.
    ini.Parse("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[S]\nk=v\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "v");
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[S]\r\nk=v\r\n");
    ini.Parse("[S]\nk=v\n");
    EXPECT_EQ(ini.Text(), "[S]\r\nk=v\r\n");
}

// The UTF-16 form of ASCII text, in either byte order, with its mark.
std::string Utf16(std::string_view ascii, bool aBigEndian)
{
    std::string out = aBigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        out += aBigEndian ? '\0' : c;
        out += aBigEndian ? c : '\0';
    }
    return out;
}

TEST(IniFileText, Utf16DocumentsReadAndAreWrittenBackAsTheyCame)
{
    for (const bool big : {false, true}) {
        // A design saved as "Unicode" by a text editor: every line end and
        // byte as the editor wrote them, then a key with a character beyond
        // the first plane (a surrogate pair) and one with an umlaut.
        const std::string ascii = "[Wire]\r\nSegments=2\r\nSeg 1=0.1, 5.00\r\n[Mine]\r\n";
        std::string file = Utf16(ascii, big);
        const std::string wideNote = big ? std::string("\0n\0o\0t\0e\0=\xD8\x3D\xDE\x00\0\xFC\0\r\0\n", 20)
                                         : std::string("n\0o\0t\0e\0=\0\x3D\xD8\x00\xDE\xFC\0\r\0\n\0", 20);
        file += wideNote;
        TIniFile ini;
        ini.Parse(file);
        EXPECT_EQ(ini.ReadString("Wire", "Segments", ""), "2") << big;
        EXPECT_EQ(ini.ReadString("Wire", "Seg 1", ""), "0.1, 5.00") << big;
        EXPECT_EQ(ini.ReadString("Mine", "note", ""), "\xF0\x9F\x98\x80\xC3\xBC") << big;
        EXPECT_EQ(ini.Text(), file) << big;

        // Changed, it stays UTF-16 in its byte order.
        ini.WriteString("Wire", "Segments", "3");
        TIniFile again;
        again.Parse(ini.Text());
        EXPECT_EQ(ini.Text().substr(0, 2), file.substr(0, 2));
        EXPECT_EQ(again.ReadString("Wire", "Segments", ""), "3");
        EXPECT_EQ(again.ReadString("Mine", "note", ""), "\xF0\x9F\x98\x80\xC3\xBC");
        // A value that is not UTF-8 cannot be UTF-16: the document is then
        // written as UTF-8 with its mark, and keeps every byte.
        ini.WriteString("Mine", "path", "/home/a\xE9/x.tvk");
        again.Parse(ini.Text());
        EXPECT_EQ(ini.Text().substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(again.ReadString("Mine", "path", ""), "/home/a\xE9/x.tvk");
        EXPECT_EQ(again.ReadString("Mine", "note", ""), "\xF0\x9F\x98\x80\xC3\xBC");
        EXPECT_EQ(again.Text(), ini.Text());
    }

    // Saying it is UTF-16 and not being so: an odd byte count, or a
    // surrogate without its partner. Such a file does not load, and a save
    // does not replace it.
    TempFolder dir;
    const std::string good = Utf16("[Mine]\r\nk=v\r\n", false);
    const std::string broken[] = {good + "x", good + std::string("\x3D\xD8", 2),
                                  good + std::string("\x00\xDEk\0", 4), Utf16("[Mine]\r\n", true) + "\xDC\x00"};
    for (const std::string& bytes : broken) {
        const fs::path file = dir.path() / "broken.ini";
        WriteAll(file, bytes);
        TIniFile ini;
        EXPECT_EQ(ini.LoadFile(file.string()), TIniLoad::Unreadable);
        EXPECT_THROW(ini.LoadForUpdate(file.string()), TFileError);
        EXPECT_EQ(ReadAll(file), bytes);
        ini.Parse(bytes);
        EXPECT_TRUE(ini.SectionNames().empty());
        EXPECT_EQ(ini.Text(), "");
    }
    // And a file that is UTF-16 saves back as UTF-16 through a file.
    const fs::path file = dir.path() / "wide.ini";
    WriteAll(file, good);
    TIniFile ini;
    ini.LoadForUpdate(file.string());
    ini.WriteString("Mine", "k", "w");
    ini.Save(file.string());
    EXPECT_EQ(ReadAll(file), Utf16("[Mine]\r\nk=w\r\n", false));
}

TEST(IniFileRead, FirstOfDuplicateKeysAndSectionsCounts)
{
    TIniFile ini;
    ini.Parse("k=before any section\n[S]\nk=1\nK=2\n[T]\nj=3\n[s]\nk=4\nm=5\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("S", "m", ""), "5");  // the second [s] is read too
    EXPECT_FALSE(ini.Read("", "k").has_value());
    EXPECT_EQ(ini.KeyNames("S"), (std::vector<std::string>{"k", "m"}));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"S", "T"}));
    // Writing replaces the key where reading finds it; a new key goes to the
    // first section of the name.
    ini.WriteString("s", "K", "10");
    ini.WriteString("S", "n", "6");
    EXPECT_EQ(ini.Text(), "k=before any section\r\n[S]\r\nK=10\r\nK=2\r\nn=6\r\n[T]\r\nj=3\r\n[s]\r\nk=4\r\nm=5\r\n");
    // Erasing keeps comments in place; keys written afterwards land in order.
    ini.Parse("[W]\na=1\n; note\n[X]\nb=2\n");
    ini.EraseSection("w");
    for (int i = 0; i < 3; ++i) ini.WriteInteger("W", "k" + std::to_string(i), i);
    EXPECT_EQ(ini.Text(), "; note\r\n[X]\r\nb=2\r\n[W]\r\nk0=0\r\nk1=1\r\nk2=2\r\n");
}

TEST(IniFileLoad, TellsMissingFromUnreadable)
{
    TempFolder dir;
    TIniFile ini;
    EXPECT_EQ(ini.LoadFile((dir.path() / "none.ini").string()), TIniLoad::Missing);
    EXPECT_EQ(ini.LoadFile((dir.path() / "none" / "deeper.ini").string()), TIniLoad::Missing);
    EXPECT_EQ(ini.LoadFile(dir.path().string()), TIniLoad::Unreadable);
    // A pipe is not read (reading it would wait for a writer).
    const fs::path fifo = dir.path() / "pipe.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ini.LoadFile(fifo.string()), TIniLoad::Unreadable);

    // Loading for an update: a missing file is an empty document; one that
    // cannot be read is refused, since saving would drop its contents.
    EXPECT_NO_THROW(ini.LoadForUpdate((dir.path() / "none.ini").string()));
    const fs::path big = dir.path() / "big.ini";
    WriteAll(big, "[Mine]\nk=v\n");
    fs::resize_file(big, TIniFile::MaxFileSize + 1);
    try {
        ini.LoadForUpdate(big.string());
        FAIL() << "no exception";
    } catch (const TFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Unable to write to " + big.string() + ": it cannot be read, and its other contents would be lost");
    }
    EXPECT_THROW(ini.LoadForUpdate(fifo.string()), TFileError);
    if (::geteuid() != 0) {  // the administrator reads every file
        const fs::path secret = dir.path() / "secret.ini";
        WriteAll(secret, "[Mine]\nk=v\n");
        fs::permissions(secret, fs::perms::owner_write);
        EXPECT_EQ(ini.LoadFile(secret.string()), TIniLoad::Unreadable);
        EXPECT_THROW(ini.LoadForUpdate(secret.string()), TFileError);
    }
}

TEST(IniFileSave, RefusesReadOnlyFilesAndWritesThroughLinks)
{
    TempFolder dir;
    TIniFile ini;
    ini.WriteString("S", "k", "new");

    const fs::path locked = dir.path() / "locked.ini";
    WriteAll(locked, "[S]\nk=old\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        ini.Save(locked.string());
        FAIL() << "no exception";
    } catch (const TFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + locked.string() + ": the file is read-only");
    }
    EXPECT_EQ(ReadAll(locked), "[S]\nk=old\n");

    const fs::path target = dir.path() / "target.ini";
    WriteAll(target, "[S]\nk=old\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, dir.path() / "link.ini");
    ini.Save((dir.path() / "link.ini").string());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.ini"));
    EXPECT_EQ(ReadAll(target), "[S]\r\nk=new\r\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace torvik
