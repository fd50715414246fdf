#include "support/recent_files.h"

#include <algorithm>

#include "support/ini_file.h"

namespace torvik {

namespace {

std::string Key(std::size_t aNumber) { return "Design " + std::to_string(aNumber); }

// The part of a file name after its last folder separator.
std::string_view BaseName(std::string_view aFile) {
    const std::size_t slash = aFile.find_last_of('/');
    return slash == std::string_view::npos ? aFile : aFile.substr(slash + 1);
}

}  // namespace

bool TRecentFiles::Storable(std::string_view aFile) {
    if (aFile.empty()) return false;
    if (aFile.find_first_of("\r\n") != std::string_view::npos) return false;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !blank(aFile.front()) && !blank(aFile.back());
}

void TRecentFiles::Add(const std::string& aFile) {
    if (!Storable(aFile)) return;
    Remove(aFile);
    FFiles.insert(FFiles.begin(), aFile);
    if (FFiles.size() > MaxCount) FFiles.resize(MaxCount);
}

void TRecentFiles::Remove(const std::string& aFile) { std::erase(FFiles, aFile); }

void TRecentFiles::Read(const TIniFile& aIni) {
    FFiles.clear();
    for (std::size_t i = 1; i <= MaxCount; ++i) {
        const std::string file = aIni.ReadString(Section, Key(i), "");
        if (Storable(file) && std::find(FFiles.begin(), FFiles.end(), file) == FFiles.end()) FFiles.push_back(file);
    }
}

void TRecentFiles::Write(TIniFile& aIni) const {
    aIni.EraseSection(Section);
    for (std::size_t i = 0; i < FFiles.size(); ++i) aIni.WriteString(Section, Key(i + 1), FFiles[i]);
}

std::vector<std::string> RecentFileLabels(const std::vector<std::string>& aFiles) {
    std::vector<std::string> labels;
    for (const std::string& file : aFiles) {
        const std::string_view name = BaseName(file);
        const bool shared = std::count_if(aFiles.begin(), aFiles.end(),
                                          [&](const std::string& other) { return BaseName(other) == name; }) > 1;
        labels.emplace_back(shared || name.empty() ? std::string_view(file) : name);
    }
    return labels;
}

}  // namespace torvik
