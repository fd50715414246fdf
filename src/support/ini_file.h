#pragma once
// INI documents as design and settings files hold them: "[Section]" lines
// open sections, "key=value" lines give values. Section and key names match
// without letter case; blanks around names and values are ignored on reading.
// Sections and keys the program does not own are kept, in place, when a
// document is changed and written back. Writing goes to a temporary file in
// the same folder that is then renamed over the original, so a file is never
// left half-written.
//
// Lookups go through hash tables of the section names and of their keys, so
// reading or writing a document of n keys takes time linear in n.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace torvik {

// How loading a file went.
enum class TIniLoad {
    Loaded,      // read
    Missing,     // nothing there: an empty document
    Unreadable,  // something is there that cannot be read as a document
};

// How a document's text is written: as it came.
enum class TIniEncoding { Utf8, Utf16LE, Utf16BE };

class TIniFile {
public:
    TIniFile();

    // Reads the document from a file. A missing file gives an empty document.
    // One that cannot be read, is not a regular file, or is larger than
    // MaxFileSize also gives an empty document, and says so.
    TIniLoad LoadFile(const std::string& aFileName);
    // As LoadFile; true only when the file was read.
    bool Load(const std::string& aFileName) { return LoadFile(aFileName) == TIniLoad::Loaded; }
    // Loads the document that a save is about to change. A missing file
    // gives an empty document; one that is there but cannot be read throws
    // TFileError("Unable to write to <aFileName>: it cannot be read, and its
    // other contents would be lost"), because writing it would drop them.
    void LoadForUpdate(const std::string& aFileName);
    // Parses a document from text. Lines end in "\r\n", "\n" or "\r" alone;
    // byte order marks at the start are skipped (one is written back). Text
    // that starts with a UTF-16 byte order mark (either byte order) and is
    // UTF-16 is read as its UTF-8 and written back as UTF-16 again; text
    // that starts with one and is not UTF-16 gives an empty document, and
    // such a file does not load.
    void Parse(std::string_view text);
    // The document as text, lines ended by "\r\n".
    std::string Text() const;
    // Writes the document through a temporary file renamed over aFileName.
    // A symbolic link is written through: the file it leads to is replaced.
    // Throws TFileError("Unable to write to <aFileName>.\n<reason>"), the
    // system's reason on the second line, when that fails, and
    // TFileError("Unable to write to <aFileName>: the file is read-only")
    // when the file has no write permission (by its mode bits, whoever runs
    // the program); the old file is then left as it was. Messages show the
    // name as ShownFileName does.
    void Save(const std::string& aFileName) const;

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view aDefault) const;
    // Integer value; aDefault when missing or not an integer (TryParseInt).
    int ReadInteger(std::string_view section, std::string_view key, int aDefault) const;
    // Any non-zero integer is true; aDefault when missing or not an integer.
    bool ReadBool(std::string_view section, std::string_view key, bool aDefault) const;

    // Replaces the value of an existing key in place, or appends the key after
    // the last key of its section, creating the section at the end when needed.
    // Throws std::invalid_argument, changing nothing, for an empty name, a
    // section name with "]", a key name with "=" or a line break anywhere.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    bool SectionExists(std::string_view section) const;
    // Removes every section of that name with its keys; comment and blank
    // lines inside it stay.
    void EraseSection(std::string_view section);
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Files larger than this (16 MiB) are not documents of ours.
    static constexpr std::size_t MaxFileSize = 16u * 1024u * 1024u;

private:
    struct TLine {
        std::string text;  // the line as read or written
        // For a key line: where its name and its value (both trimmed) lie
        // in the text; a key's name is never empty.
        std::uint32_t keyAt = 0, keyLength = 0, valueAt = 0, valueLength = 0;
        bool IsKey() const { return keyLength > 0; }
        std::string_view Key() const { return std::string_view(text).substr(keyAt, keyLength); }
        std::string_view Value() const { return std::string_view(text).substr(valueAt, valueLength); }
    };
    // A section header and the lines up to the next one. The first section
    // holds the lines before any header and has no name.
    struct TNameIndex;
    struct TSection {
        std::string name;    // trimmed
        std::string header;  // the header line as read or written
        std::vector<TLine> lines;
        std::size_t endOfKeys = 0;        // index after the last key line: where a new key goes
        TNameIndex* named = nullptr;      // the index of its name; none for the first section
    };
    // The keys of all sections of one name, the first of each name only: an
    // open addressing table of (hash, section, line) kept at most half full.
    struct TSlot {
        std::uint32_t hash = 0;
        std::uint32_t line = 0;  // index in the section's lines
        TSection* section = nullptr;  // null: a free slot
    };
    struct TNameIndex {
        std::vector<TSection*> sections;  // in document order
        std::vector<TSlot> table;         // a power of two long
        std::size_t count = 0;
    };

    void Clear();
    void ParseUtf8(std::string_view text);
    // The document as UTF-8 text (with the UTF-8 byte order mark it came with).
    std::string Utf8Text() const;
    TSection& AddSection(std::string aName, std::string aHeader);
    // A line of text, with its key and value found when it is a key line.
    static TLine MakeLine(std::string aText);
    static void AddLine(TSection& aSection, TLine aLine);
    static void IndexKey(TSection& aSection, std::size_t aLine);
    const TNameIndex* Named(std::string_view section) const;
    const TLine* Find(std::string_view section, std::string_view key) const;
    static const TSlot* FindSlot(const TNameIndex& aIndex, std::string_view aKey, std::uint32_t aHash);

    // Sections keep their place in memory while the list changes, so the
    // name index can point at them.
    std::vector<std::unique_ptr<TSection>> FSections;
    // Lower-case section name -> its sections and their keys.
    std::unordered_map<std::string, TNameIndex> FByName;
    bool FByteOrderMark = false;
    TIniEncoding FEncoding = TIniEncoding::Utf8;
};

}  // namespace torvik
