#pragma once
// The designs used last, most recent first: the list behind File > Recent
// Designs. It is kept in a section of its own in the settings file, so that
// settings files without it read as before.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torvik {

class TIniFile;

class TRecentFiles {
public:
    static constexpr std::size_t MaxCount = 8;
    // The settings file's section and its keys "Design 1" to "Design 8".
    static constexpr std::string_view Section = "Recent Designs";

    // Most recent first.
    const std::vector<std::string>& Files() const { return FFiles; }

    // Puts aFile first. An earlier entry of the same name goes, and so does
    // the oldest beyond MaxCount. A name the settings file cannot hold is not
    // remembered (see Storable).
    void Add(const std::string& aFile);
    // Takes aFile out of the list; nothing happens when it is not there.
    void Remove(const std::string& aFile);

    // Reads the list from its section: the keys in number order, leaving out
    // empty, repeated and unstorable names. A missing section is an empty list.
    void Read(const TIniFile& aIni);
    // Writes the whole section anew; other sections stay.
    void Write(TIniFile& aIni) const;

    // Whether a settings file can hold aFile unchanged: not empty, no line
    // break, no blank or tab at either end (they are dropped on reading).
    static bool Storable(std::string_view aFile);

    bool operator==(const TRecentFiles&) const = default;

private:
    std::vector<std::string> FFiles;
};

// The menu texts of aFiles: the file name alone, or the whole name when
// another entry has the same file name in another folder.
std::vector<std::string> RecentFileLabels(const std::vector<std::string>& aFiles);

}  // namespace torvik
