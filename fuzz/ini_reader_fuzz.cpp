// Fuzzes the INI reader and the settings read from it: lookups through the
// hash tables find what a plain scan of the lines finds, writing and erasing
// keep the other keys, the document's text is stable, and any settings file
// gives settings that are written without an error and read back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "support/ini_file.h"
#include "support/text_utils.h"

namespace {

using namespace torvik;

void Fail() { std::abort(); }

struct TEntry {
    std::string section, key, value;
    std::string lowerSection, lowerKey;
};

std::string_view Trim(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

std::string Lower(std::string_view t) {
    std::string s(t);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The key lines of a document as a plain scan sees them, in order.
std::vector<TEntry> Scan(std::string_view text) {
    std::vector<TEntry> entries;
    while (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::optional<std::string> section;
    while (!text.empty()) {
        const std::size_t eol = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, eol);
        if (eol == std::string_view::npos) text = {};
        else text.remove_prefix(eol + (text[eol] == '\r' && eol + 1 < text.size() && text[eol + 1] == '\n' ? 2 : 1));
        const std::string_view t = Trim(line);
        if (!t.empty() && t.front() == '[' && t.find(']') != std::string_view::npos) {
            section = std::string(Trim(t.substr(1, t.find(']') - 1)));
            continue;
        }
        if (!section || t.empty() || t.front() == ';' || t.front() == '[') continue;
        const std::size_t eq = t.find('=');
        if (eq == std::string_view::npos || Trim(t.substr(0, eq)).empty()) continue;
        const std::string_view key = Trim(t.substr(0, eq));
        const std::string_view value = Trim(t.substr(eq + 1));
        entries.push_back({*section, std::string(key), std::string(value), Lower(*section), Lower(key)});
    }
    return entries;
}

// The value a plain scan reads: the first key of that name in any section
// of that name, letter case aside.
std::optional<std::string> ScanRead(const std::vector<TEntry>& aEntries, std::string_view aSection,
                                    std::string_view aKey) {
    const std::string section = Lower(Trim(aSection)), key = Lower(Trim(aKey));
    for (const TEntry& e : aEntries)
        if (e.lowerSection == section && e.lowerKey == key) return e.value;
    return std::nullopt;
}

std::string SettingsText(const TSettings& aSettings, const TWindowPlacement& aPlacement) {
    TIniFile ini;
    std::string rect = "Default";
    if (aPlacement.Complete())
        rect = aPlacement.Maximized ? "Maximized"
                                    : WindowPlacementText(true, false, aPlacement.Values[0], aPlacement.Values[1],
                                                          aPlacement.Values[2], aPlacement.Values[3]);
    WriteSettings(ini, aSettings, rect);
    return ini.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize) {
    const std::string_view input(reinterpret_cast<const char*>(aData), aSize);
    TIniFile ini;
    ini.Parse(input);

    // The text is stable: parsed again, it is written the same.
    const std::string text = ini.Text();
    TIniFile again;
    again.Parse(text);
    if (again.Text() != text) Fail();

    // Every key a plain scan finds reads the same through the tables, by
    // any letter case. A UTF-16 document is scanned as its UTF-8; text that
    // starts with a UTF-16 mark and is not UTF-16 holds no document.
    std::string plain(input);
    if (input.substr(0, 2) == "\xFF\xFE" || input.substr(0, 2) == "\xFE\xFF")
        plain = Utf16ToUtf8(input.substr(2), input[0] == '\xFE').value_or("");
    const std::vector<TEntry> entries = Scan(plain);
    for (std::size_t i = 0; i < entries.size() && i < 256; ++i) {
        const TEntry& e = entries[i];
        if (ini.Read(e.section, e.key) != ScanRead(entries, e.section, e.key)) Fail();
        if (ini.Read(Lower(e.section), " " + Lower(e.key)) != ScanRead(entries, e.section, e.key)) Fail();
        if (!ini.SectionExists(e.section)) Fail();
    }

    // Writing every key of a section and erasing another keeps the rest.
    if (!entries.empty()) {
        const std::string written = entries.front().section;
        const std::string erased = entries.back().section;
        TIniFile changed;
        changed.Parse(input);
        try {
            for (std::size_t i = 0; i < entries.size() && i < 64; ++i)
                if (entries[i].lowerSection == Lower(written))
                    changed.WriteString(written, entries[i].key, "w" + std::to_string(i));
            changed.WriteString(written, "Fuzz Key", "new");
        } catch (const std::invalid_argument&) {
            return 0;  // a name the document cannot hold: refused, nothing changed
        }
        changed.EraseSection(erased);
        if (changed.SectionExists(erased)) Fail();
        const bool same = Lower(Trim(written)) == Lower(Trim(erased));
        if (!same && changed.ReadString(written, "fuzz key", "") != "new") Fail();
        for (std::size_t i = 0; i < entries.size() && i < 256; ++i) {
            const TEntry& e = entries[i];
            if (e.lowerSection == Lower(written) || e.lowerSection == Lower(erased)) continue;
            if (changed.Read(e.section, e.key) != ScanRead(entries, e.section, e.key)) Fail();
        }
        TIniFile reparsed;
        reparsed.Parse(changed.Text());
        if (reparsed.Text() != changed.Text()) Fail();
    }

    // Any settings file gives settings that are written without an error,
    // and what is written reads back as the same settings.
    TSettings settings;
    const TWindowPlacement placement = ReadSettings(ini, settings);
    std::string first;
    try {
        first = SettingsText(settings, placement);
    } catch (const std::exception&) {
        Fail();
    }
    TIniFile written;
    written.Parse(first);
    TSettings reread;
    const TWindowPlacement replaced = ReadSettings(written, reread);
    if (SettingsText(reread, replaced) != first) Fail();
    return 0;
}
