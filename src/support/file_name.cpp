#include "support/file_name.h"

#include <filesystem>

#include "support/text_utils.h"

namespace torvik {

namespace fs = std::filesystem;

std::string TFileName::Shown() const { return ShownFileName(FNative); }

std::string TFileName::ShownBaseName() const {
    const std::size_t slash = FNative.find_last_of('/');
    return ShownFileName(slash == std::string::npos ? std::string_view(FNative)
                                                    : std::string_view(FNative).substr(slash + 1));
}

std::string TFileName::Folder() const {
    const std::size_t slash = FNative.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : FNative.substr(0, slash);
}

bool TFileName::Exists() const {
    std::error_code ec;
    return !FNative.empty() && fs::exists(FNative, ec);
}

TFileName AbsoluteFileName(std::string_view aName) {
    std::error_code ec;
    fs::path path(aName);
    if (path.is_relative()) {
        const fs::path here = fs::current_path(ec);
        if (!ec) path = here / path;
    }
    std::string text = path.lexically_normal().string();
    // A name of a file, not of a folder: no slash at the end.
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return TFileName(std::move(text));
}

}  // namespace torvik
