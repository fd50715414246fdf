// Reading, changing and atomically writing INI documents.

#include "support/ini_file.h"

#include "support/errors.h"
#include "support/numbers.h"
#include "support/text_utils.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace torvik {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The text of a document that starts with a UTF-16 byte order mark, as
// UTF-8; none when it does not, or is not UTF-16 after it.
std::optional<std::string> DecodedUtf16(std::string_view text, bool& aBigEndian)
{
    aBigEndian = StartsWith(text, kUtf16BEMark);
    if (!aBigEndian && !StartsWith(text, kUtf16LEMark)) return std::nullopt;
    return Utf16ToUtf8(text.substr(2), aBigEndian);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Section names match without regard to ASCII letter case; their table
// holds them in lower case.
std::string Lower(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// A key name's hash, without regard to ASCII letter case (FNV-1a).
std::uint32_t KeyHash(std::string_view key)
{
    std::uint32_t h = 2166136261u;
    for (char c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

// Mixes every bit of a hash into the low bits that pick a slot.
size_t Spread(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Comment and blank lines of an erased section stay in the document.
bool IsCommentOrBlank(std::string_view text)
{
    std::string_view t = Trim(text);
    return t.empty() || t.front() == ';';
}

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

// The file that writing aFileName replaces: every symbolic link on the way
// followed, also when the last one leads to a file not yet there. Empty for
// a loop of links.
fs::path ResolveLinks(const fs::path& aFileName)
{
    fs::path p = aFileName;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        fs::path next = fs::read_symlink(p, ec);
        if (ec) return {};
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return {};
}

// Whether a file may be written, by its mode bits as well as by the access
// check: the administrator passes every access check, but a file that no
// one may write is meant to stay as it is.
bool IsReadOnly(const char* aFileName, const struct stat& aStatus)
{
    return (aStatus.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(aFileName, W_OK) != 0;
}

}  // namespace

TIniFile::TIniFile() { Clear(); }

void TIniFile::Clear()
{
    FSections.clear();
    FSections.push_back(std::make_unique<TSection>());  // the lines before the first header
    FByName.clear();
    FByteOrderMark = false;
    FEncoding = TIniEncoding::Utf8;
}

TIniFile::TSection& TIniFile::AddSection(std::string aName, std::string aHeader)
{
    TSection& s = *FSections.emplace_back(std::make_unique<TSection>());
    s.named = &FByName[Lower(aName)];
    s.named->sections.push_back(&s);
    s.name = std::move(aName);
    s.header = std::move(aHeader);
    return s;
}

void TIniFile::AddLine(TSection& aSection, TLine aLine)
{
    aSection.lines.push_back(std::move(aLine));
    if (aSection.lines.back().IsKey()) {
        aSection.endOfKeys = aSection.lines.size();
        IndexKey(aSection, aSection.lines.size() - 1);
    }
}

void TIniFile::IndexKey(TSection& aSection, size_t aLine)
{
    TNameIndex* index = aSection.named;
    if (!index) return;  // keys before the first header belong to no section
    if (2 * (index->count + 1) > index->table.size()) {
        // Grow to keep the table at most half full.
        std::vector<TSlot> old = std::move(index->table);
        index->table.assign(std::max<size_t>(16, 2 * old.size()), TSlot{});
        const size_t mask = index->table.size() - 1;
        for (const TSlot& slot : old) {
            if (!slot.section) continue;
            size_t i = Spread(slot.hash) & mask;
            while (index->table[i].section) i = (i + 1) & mask;
            index->table[i] = slot;
        }
    }
    const std::string_view key = aSection.lines[aLine].Key();
    const std::uint32_t hash = KeyHash(key);
    const size_t mask = index->table.size() - 1;
    size_t i = Spread(hash) & mask;
    for (; index->table[i].section; i = (i + 1) & mask) {
        const TSlot& slot = index->table[i];
        if (slot.hash == hash && SameName(slot.section->lines[slot.line].Key(), key)) return;  // the first counts
    }
    index->table[i] = TSlot{hash, static_cast<std::uint32_t>(aLine), &aSection};
    ++index->count;
}

const TIniFile::TSlot* TIniFile::FindSlot(const TNameIndex& aIndex, std::string_view aKey, std::uint32_t aHash)
{
    if (aIndex.table.empty()) return nullptr;
    const size_t mask = aIndex.table.size() - 1;
    for (size_t i = Spread(aHash) & mask; aIndex.table[i].section; i = (i + 1) & mask) {
        const TSlot& slot = aIndex.table[i];
        if (slot.hash == aHash && SameName(slot.section->lines[slot.line].Key(), aKey)) return &slot;
    }
    return nullptr;
}

const TIniFile::TNameIndex* TIniFile::Named(std::string_view section) const
{
    auto it = FByName.find(Lower(Trim(section)));
    return it == FByName.end() ? nullptr : &it->second;
}

const TIniFile::TLine* TIniFile::Find(std::string_view section, std::string_view key) const
{
    const TNameIndex* index = Named(section);
    if (!index) return nullptr;
    key = Trim(key);
    const TSlot* slot = FindSlot(*index, key, KeyHash(key));
    return slot ? &slot->section->lines[slot->line] : nullptr;
}

TIniFile::TLine TIniFile::MakeLine(std::string aText)
{
    TLine line;
    line.text = std::move(aText);
    const std::string_view raw = line.text;
    const std::string_view t = Trim(raw);
    if (t.empty() || t.front() == ';' || t.front() == '[') return line;
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos) return line;
    const std::string_view key = Trim(t.substr(0, eq));
    if (key.empty()) return line;
    const std::string_view value = Trim(t.substr(eq + 1));
    line.keyAt = static_cast<std::uint32_t>(key.data() - raw.data());
    line.keyLength = static_cast<std::uint32_t>(key.size());
    line.valueAt = static_cast<std::uint32_t>(value.data() - raw.data());
    line.valueLength = static_cast<std::uint32_t>(value.size());
    return line;
}

TIniLoad TIniFile::LoadFile(const std::string& aFileName)
{
    Clear();
    struct stat st {};
    if (::stat(aFileName.c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? TIniLoad::Missing : TIniLoad::Unreadable;
    if (!S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > MaxFileSize) return TIniLoad::Unreadable;

    // Not blocking: should the name lead to a pipe by now, open must not wait.
    int fd = ::open(aFileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return TIniLoad::Unreadable;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::string text;
    if (ok) text.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    while (ok) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        text.append(chunk, static_cast<size_t>(n));
        if (text.size() > MaxFileSize) ok = false;  // grew while being read
    }
    ::close(fd);
    if (!ok) return TIniLoad::Unreadable;
    Parse(text);
    // A file that says it is UTF-16 and is not cannot be read as a document,
    // nor be written back.
    if (FEncoding == TIniEncoding::Utf8 && (StartsWith(text, kUtf16LEMark) || StartsWith(text, kUtf16BEMark)))
        return TIniLoad::Unreadable;
    return TIniLoad::Loaded;
}

void TIniFile::LoadForUpdate(const std::string& aFileName)
{
    if (LoadFile(aFileName) != TIniLoad::Unreadable) return;
    // A folder is not a file at all; writing says so.
    std::error_code ec;
    if (fs::is_directory(aFileName, ec)) return;
    throw TFileError("Unable to write to " + ShownFileName(aFileName) +
                     ": it cannot be read, and its other contents would be lost");
}

void TIniFile::Parse(std::string_view text)
{
    Clear();
    // A UTF-16 document is read as UTF-8 and written back as it came.
    // Text that starts with a UTF-16 mark and is not UTF-16 holds no
    // document (LoadFile calls such a file unreadable).
    if (StartsWith(text, kUtf16LEMark) || StartsWith(text, kUtf16BEMark)) {
        bool bigEndian = false;
        if (const std::optional<std::string> decoded = DecodedUtf16(text, bigEndian)) {
            ParseUtf8(*decoded);
            FEncoding = bigEndian ? TIniEncoding::Utf16BE : TIniEncoding::Utf16LE;
        }
        return;
    }
    ParseUtf8(text);
}

void TIniFile::ParseUtf8(std::string_view text)
{
    while (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
        FByteOrderMark = true;
    }
    size_t pos = 0;
    while (pos < text.size()) {
        // A line ends in CR LF, LF, or a CR alone.
        const size_t eol = text.find_first_of("\r\n", pos);
        std::string_view raw = text.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos);
        if (eol == std::string_view::npos) pos = text.size();
        else pos = eol + (text[eol] == '\r' && eol + 1 < text.size() && text[eol + 1] == '\n' ? 2 : 1);

        std::string_view t = Trim(raw);
        if (!t.empty() && t.front() == '[') {
            size_t close = t.find(']');
            if (close != std::string_view::npos) {
                AddSection(std::string(Trim(t.substr(1, close - 1))), std::string(raw));
                continue;
            }
        }
        AddLine(*FSections.back(), MakeLine(std::string(raw)));
    }
}

std::string TIniFile::Text() const
{
    if (FEncoding != TIniEncoding::Utf8) {
        // Values the program wrote that are not UTF-8 (a file name, say)
        // cannot be UTF-16: the document is then written as UTF-8 with its
        // byte order mark, which keeps every byte.
        const bool bigEndian = FEncoding == TIniEncoding::Utf16BE;
        const std::string plain = Utf8Text();
        if (const std::optional<std::string> wide = Utf8ToUtf16(plain, bigEndian))
            return std::string(bigEndian ? kUtf16BEMark : kUtf16LEMark) + *wide;
        return FByteOrderMark ? plain : std::string(kByteOrderMark) + plain;
    }
    return Utf8Text();
}

std::string TIniFile::Utf8Text() const
{
    size_t size = FByteOrderMark ? kByteOrderMark.size() : 0;
    for (const auto& s : FSections) {
        size += s->header.size() + 2;
        for (const TLine& line : s->lines) size += line.text.size() + 2;
    }
    std::string out;
    out.reserve(size);
    if (FByteOrderMark) out += kByteOrderMark;
    for (size_t i = 0; i < FSections.size(); ++i) {
        const TSection& s = *FSections[i];
        if (i > 0) {
            out += s.header;
            out += "\r\n";
        }
        for (const TLine& line : s.lines) {
            out += line.text;
            out += "\r\n";
        }
    }
    return out;
}

void TIniFile::Save(const std::string& aFileName) const
{
    const std::string error = "Unable to write to " + ShownFileName(aFileName);
    // The system's reason goes on a line of its own.
    const auto fail = [&error](int aErrno) { throw TFileError(error + ".\n" + SystemReason(aErrno)); };
    // Writing through a symbolic link replaces the file it leads to, not the link.
    const fs::path target = ResolveLinks(aFileName);
    if (target.empty()) fail(ELOOP);

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode)) fail(EISDIR);
        if (!S_ISREG(st.st_mode)) throw TFileError(error + ".\nNot a regular file");
        if (IsReadOnly(target.c_str(), st)) throw TFileError(error + ": the file is read-only");
    }

    std::string tmpName;
    int fd = CreateTempBeside(target, tmpName);
    if (fd < 0) fail(errno);

    // The first failure's reason is the one given.
    int failure = 0;
    const auto check = [&failure](bool aDone) {
        if (!aDone && failure == 0) failure = errno != 0 ? errno : EIO;
        return aDone;
    };
    bool ok = check(WriteAll(fd, Text()));
    if (ok && exists) {
        // The new file takes the old one's rights and, where allowed, owner.
        ok = check(::fchmod(fd, st.st_mode & 07777) == 0);
        if (ok && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only the administrator may give a file away; the file stays ours.
        }
    }
    if (ok) ok = check(::fsync(fd) == 0);
    if (!check(::close(fd) == 0)) ok = false;
    if (ok) ok = check(::rename(tmpName.c_str(), target.c_str()) == 0);
    if (!ok) {
        ::unlink(tmpName.c_str());
        fail(failure);
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
    const TLine* line = Find(section, key);
    if (!line) return std::nullopt;
    return std::string(line->Value());
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view aDefault) const
{
    const TLine* line = Find(section, key);
    return std::string(line ? line->Value() : aDefault);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int aDefault) const
{
    const TLine* line = Find(section, key);
    int result = 0;
    return line && TryParseInt(line->Value(), result) ? result : aDefault;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool aDefault) const
{
    const TLine* line = Find(section, key);
    int result = 0;
    return line && TryParseInt(line->Value(), result) ? result != 0 : aDefault;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckSectionName(section);
    CheckKeyName(key);
    CheckValue(value);
    section = Trim(section);
    key = Trim(key);
    TLine keyLine = MakeLine(std::string(key) + "=" + std::string(value));

    const TNameIndex* index = Named(section);
    if (!index) {
        TSection& s = AddSection(std::string(section), "[" + std::string(section) + "]");
        AddLine(s, std::move(keyLine));
        return;
    }
    // An existing key is replaced where reading finds it.
    if (const TSlot* slot = FindSlot(*index, key, KeyHash(key))) {
        slot->section->lines[slot->line] = std::move(keyLine);
        return;
    }
    // Otherwise the key goes after the last key line of the first section of
    // that name (right after its header when it has none). Only other lines
    // follow there, so no key line moves.
    TSection& s = *index->sections.front();
    const size_t at = s.endOfKeys;
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(keyLine));
    s.endOfKeys = at + 1;
    IndexKey(s, at);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(std::string_view section) const { return Named(section) != nullptr; }

void TIniFile::EraseSection(std::string_view section)
{
    auto named = FByName.find(Lower(Trim(section)));
    if (named == FByName.end()) return;
    // Every section of that name goes with its key lines and any other
    // non-blank line that is not a comment; comments and blank lines stay,
    // after the lines before them. The other sections stay where they are
    // in memory, so the index of their names holds.
    const TNameIndex* erased = &named->second;
    std::vector<std::unique_ptr<TSection>> kept;
    kept.reserve(FSections.size());
    for (auto& s : FSections) {
        if (s->named != erased) {
            kept.push_back(std::move(s));
            continue;
        }
        for (TLine& line : s->lines)
            if (IsCommentOrBlank(line.text)) kept.back()->lines.push_back(std::move(line));
    }
    FSections = std::move(kept);
    FByName.erase(named);
}

std::vector<std::string> TIniFile::SectionNames() const
{
    std::vector<std::string> names;
    std::unordered_set<const TNameIndex*> seen;
    for (size_t i = 1; i < FSections.size(); ++i)
        if (seen.insert(FSections[i]->named).second) names.push_back(FSections[i]->name);
    return names;
}

std::vector<std::string> TIniFile::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    const TNameIndex* index = Named(section);
    if (!index) return names;
    // Each key name once, where reading finds it.
    for (const TSection* s : index->sections)
        for (size_t i = 0; i < s->lines.size(); ++i) {
            const std::string_view key = s->lines[i].Key();
            if (key.empty()) continue;
            const TSlot* slot = FindSlot(*index, key, KeyHash(key));
            if (slot && slot->section == s && slot->line == i) names.emplace_back(key);
        }
    return names;
}

}  // namespace torvik
