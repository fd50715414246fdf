#pragma once
// INI documents as design and settings files hold them: "[Section]" lines
// open sections, "key=value" lines give values. Section and key names match
// without letter case; blanks around names and values are ignored on reading.
// Sections and keys the program does not own are kept, in place, when a
// document is changed and written back. Writing goes to a temporary file in
// the same folder that is then renamed over the original, so a file is never
// left half-written.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvik {

class TIniFile {
public:
    TIniFile() = default;

    // Reads the document from a file. A missing or unreadable file, one that
    // is not a regular file, or one larger than 16 MiB gives an empty document
    // (and false). A leading UTF-8 byte order mark is skipped.
    bool Load(const std::string& aFileName);
    // Parses a document from text (either line end).
    void Parse(std::string_view text);
    // The document as text, lines ended by "\r\n".
    std::string Text() const;
    // Writes the document through a temporary file renamed over aFileName.
    // Throws TFileError("Unable to write to <aFileName>") when that fails; the
    // old file is then left as it was.
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

private:
    struct Line {
        std::string text;     // the line as read or written
        std::string section;  // for a section header: its name
        std::string key;      // for a key line: its name (trimmed)
        std::string value;    // for a key line: its value (trimmed)
        enum Kind { Other, Section, Key } kind = Other;
    };
    std::vector<Line> FLines;
};

}  // namespace torvik
