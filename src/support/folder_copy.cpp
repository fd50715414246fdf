// Recursive, non-overwriting folder copy.

#include "support/folder_copy.h"

#include "support/errors.h"

namespace torvik {

namespace fs = std::filesystem;

namespace {

void CreateFolder(const fs::path& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) throw TFileError("Unable to create folder " + folder.string());
}

void CopyInto(const fs::path& source, const fs::path& dest, const fs::path& topDest, const fs::path& skip)
{
    CreateFolder(dest);
    std::error_code ec;
    fs::directory_iterator it(source, ec);
    if (ec) return;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        const fs::path target = dest / entry.path().filename();
        std::error_code statEc;
        const fs::file_status status = entry.symlink_status(statEc);
        if (statEc || (!skip.empty() && entry.path() == skip)) continue;
        if (fs::is_directory(status)) {
            // A destination inside the source is not copied into itself.
            std::error_code eqEc;
            if (fs::equivalent(entry.path(), topDest, eqEc)) continue;
            CopyInto(entry.path(), target, topDest, skip);
        } else if (fs::is_regular_file(status) || (fs::is_symlink(status) && fs::is_regular_file(entry.path(), statEc))) {
            // Fails, and is ignored, when the target exists.
            std::error_code copyEc;
            fs::copy_file(entry.path(), target, fs::copy_options::none, copyEc);
        }
        // Links to folders, devices, pipes and sockets are left alone.
    }
}

}  // namespace

void CopyFolderTree(const fs::path& source, const fs::path& dest, const fs::path& aSkip)
{
    std::error_code ec;
    if (!fs::is_directory(source, ec)) return;
    CreateFolder(dest);
    CopyInto(source, dest, dest, aSkip.empty() ? aSkip : source / aSkip);
}

}  // namespace torvik
