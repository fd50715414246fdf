// Reading, changing and atomically writing INI documents.

#include "support/ini_file.h"

#include "support/errors.h"
#include "support/numbers.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace torvik {

namespace fs = std::filesystem;

namespace {

// Files larger than this are not INI documents of ours; refusing them keeps
// a stray large file from exhausting memory.
constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Names and values that would change the document's structure when written
// are refused rather than written half-right.
void CheckSectionName(std::string_view section)
{
    std::string_view name = Trim(section);
    if (name.empty() || HasLineBreak(name) || name.find(']') != std::string_view::npos)
        throw std::invalid_argument("Invalid INI section name '" + std::string(section) + "'");
}

void CheckKeyName(std::string_view key)
{
    std::string_view name = Trim(key);
    if (name.empty() || HasLineBreak(name) || name.find('=') != std::string_view::npos || name.front() == '[' ||
        name.front() == ';')
        throw std::invalid_argument("Invalid INI key name '" + std::string(key) + "'");
}

void CheckValue(std::string_view value)
{
    if (HasLineBreak(value)) throw std::invalid_argument("An INI value cannot hold a line break");
}

// Writes all of data to fd, retrying after interruptions and partial writes.
bool WriteAll(int fd, const std::string& data)
{
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Creates a new file beside target with a unique name; returns its
// descriptor (-1 on failure) and sets tmpName.
int CreateTempBeside(const fs::path& target, std::string& tmpName)
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device rd;
    std::mt19937 gen(rd());
    std::uniform_int_distribution<size_t> pick(0, sizeof kChars - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target.string() + ".tmp-";
        for (int i = 0; i < 6; ++i) name += kChars[pick(gen)];
        // 0666 lets the user's umask decide the rights of a new file.
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            tmpName = name;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

}  // namespace

bool TIniFile::Load(const std::string& aFileName)
{
    FLines.clear();
    std::error_code ec;
    const fs::path path(aFileName);
    if (!fs::is_regular_file(path, ec)) return false;
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kMaxFileSize) return false;

    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text;
    text.reserve(static_cast<size_t>(size));
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        text.append(chunk, static_cast<size_t>(in.gcount()));
        if (text.size() > kMaxFileSize) return false;  // grew while being read
    }
    if (in.bad()) return false;
    Parse(text);
    return true;
}

void TIniFile::Parse(std::string_view text)
{
    FLines.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    while (!text.empty()) {
        size_t eol = text.find('\n');
        std::string_view raw = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        Line line;
        line.text = std::string(raw);
        std::string_view t = Trim(raw);
        if (!t.empty() && t.front() == '[') {
            size_t close = t.find(']');
            if (close != std::string_view::npos) {
                line.kind = Line::Section;
                line.section = std::string(Trim(t.substr(1, close - 1)));
            }
        } else if (!t.empty() && t.front() != ';') {
            size_t eq = t.find('=');
            if (eq != std::string_view::npos && !Trim(t.substr(0, eq)).empty()) {
                line.kind = Line::Key;
                line.key = std::string(Trim(t.substr(0, eq)));
                line.value = std::string(Trim(t.substr(eq + 1)));
            }
        }
        FLines.push_back(std::move(line));
    }
}

std::string TIniFile::Text() const
{
    std::string out;
    for (const Line& line : FLines) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

void TIniFile::Save(const std::string& aFileName) const
{
    const std::string error = "Unable to write to " + aFileName;
    fs::path target(aFileName);
    std::error_code ec;
    // Writing through a symbolic link replaces the file it points to, not the link.
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec) target = resolved;
    }
    if (fs::is_directory(target, ec)) throw TFileError(error);

    std::string tmpName;
    int fd = CreateTempBeside(target, tmpName);
    if (fd < 0) throw TFileError(error);

    bool ok = WriteAll(fd, Text());
    struct stat st {};
    if (ok && ::stat(target.c_str(), &st) == 0) ok = ::fchmod(fd, st.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(tmpName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmpName.c_str());
        throw TFileError(error);
    }
    // Make the rename itself durable; a failure here leaves a complete file.
    fs::path folder = target.parent_path();
    int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

std::optional<std::string> TIniFile::Read(std::string_view section, std::string_view key) const
{
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    for (const Line& line : FLines) {
        if (line.kind == Line::Section) inSection = SameName(line.section, section);
        else if (inSection && line.kind == Line::Key && SameName(line.key, key)) return line.value;
    }
    return std::nullopt;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view aDefault) const
{
    std::optional<std::string> value = Read(section, key);
    return value ? *value : std::string(aDefault);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int aDefault) const
{
    std::optional<std::string> value = Read(section, key);
    int result = 0;
    return value && TryParseInt(*value, result) ? result : aDefault;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool aDefault) const
{
    std::optional<std::string> value = Read(section, key);
    int result = 0;
    return value && TryParseInt(*value, result) ? result != 0 : aDefault;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckSectionName(section);
    CheckKeyName(key);
    CheckValue(value);
    section = Trim(section);
    key = Trim(key);

    Line keyLine;
    keyLine.kind = Line::Key;
    keyLine.key = std::string(key);
    keyLine.value = std::string(Trim(value));
    keyLine.text = keyLine.key + "=" + std::string(value);

    // An existing key is replaced where reading finds it.
    bool inSection = false;
    for (Line& line : FLines) {
        if (line.kind == Line::Section) inSection = SameName(line.section, section);
        else if (inSection && line.kind == Line::Key && SameName(line.key, key)) {
            line = std::move(keyLine);
            return;
        }
    }

    // Otherwise the key goes after the last key line of the first section of
    // that name (right after its header when it has none).
    size_t header = FLines.size();
    for (size_t i = 0; i < FLines.size() && header == FLines.size(); ++i)
        if (FLines[i].kind == Line::Section && SameName(FLines[i].section, section)) header = i;
    if (header == FLines.size()) {
        Line headerLine;
        headerLine.kind = Line::Section;
        headerLine.section = std::string(section);
        headerLine.text = "[" + headerLine.section + "]";
        FLines.push_back(std::move(headerLine));
        FLines.push_back(std::move(keyLine));
        return;
    }
    size_t insertAt = header + 1;
    for (size_t i = header + 1; i < FLines.size() && FLines[i].kind != Line::Section; ++i)
        if (FLines[i].kind == Line::Key) insertAt = i + 1;
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(keyLine));
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(std::string_view section) const
{
    section = Trim(section);
    for (const Line& line : FLines)
        if (line.kind == Line::Section && SameName(line.section, section)) return true;
    return false;
}

void TIniFile::EraseSection(std::string_view section)
{
    section = Trim(section);
    // Every header of that name goes with its key lines and any other
    // non-blank line that is not a comment; comments and blank lines stay.
    std::vector<Line> kept;
    kept.reserve(FLines.size());
    bool inSection = false;
    for (Line& line : FLines) {
        if (line.kind == Line::Section) inSection = SameName(line.section, section);
        if (inSection) {
            std::string_view t = Trim(line.text);
            if (t.empty() || t.front() == ';') kept.push_back(std::move(line));
        } else {
            kept.push_back(std::move(line));
        }
    }
    FLines = std::move(kept);
}

std::vector<std::string> TIniFile::SectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : FLines) {
        if (line.kind != Line::Section) continue;
        bool known = false;
        for (const std::string& n : names) known = known || SameName(n, line.section);
        if (!known) names.push_back(line.section);
    }
    return names;
}

std::vector<std::string> TIniFile::KeyNames(std::string_view section) const
{
    section = Trim(section);
    std::vector<std::string> names;
    bool inSection = false;
    for (const Line& line : FLines) {
        if (line.kind == Line::Section) inSection = SameName(line.section, section);
        else if (inSection && line.kind == Line::Key) {
            bool known = false;
            for (const std::string& n : names) known = known || SameName(n, line.key);
            if (!known) names.push_back(line.key);
        }
    }
    return names;
}

}  // namespace torvik
