#include "settings/settings_place.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "support/errors.h"
#include "support/text_utils.h"

namespace torvik {

namespace fs = std::filesystem;

namespace {

// Something is there by that name, a link leading nowhere included.
bool Present(const std::string& aName) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(aName, ec));
}

// Renames aFrom to aTo unless something is at aTo; errno on failure. A file
// system that cannot refuse to replace is asked whether aTo is there first.
bool RenameNoReplace(const std::string& aFrom, const std::string& aTo) {
    if (::renameat2(AT_FDCWD, aFrom.c_str(), AT_FDCWD, aTo.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (Present(aTo)) {
        errno = EEXIST;
        return false;
    }
    return ::rename(aFrom.c_str(), aTo.c_str()) == 0;
}

// Copies aFrom's bytes to aTo through a complete, synced file beside it;
// errno on failure, and nothing left at aTo.
bool CopyNoReplace(const std::string& aFrom, const std::string& aTo) {
    const std::string part = aTo + ".part";
    const int in = ::open(aFrom.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const int out = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        errno = error;
        return false;
    }
    bool ok = true;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < n;) {
            const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            ok = w > 0;
            if (ok) done += w;
        }
        if (!ok) break;
    }
    int error = ok ? 0 : errno;
    if (ok && ::fsync(out) != 0) error = errno, ok = false;
    if (::close(out) != 0 && ok) error = errno, ok = false;
    ::close(in);
    if (ok && !RenameNoReplace(part, aTo)) error = errno, ok = false;
    if (!ok) {
        ::unlink(part.c_str());
        errno = error;
    }
    return ok;
}

// Moves aFrom to aTo, on this file system or to another one; the system's
// reason when it could not.
std::string Move(const std::string& aFrom, const std::string& aTo) {
    std::error_code ec;
    fs::create_directories(fs::path(aTo).parent_path(), ec);
    if (ec) return ec.message();
    if (RenameNoReplace(aFrom, aTo)) return {};
    if (errno != EXDEV) return SystemReason(errno);
    if (!CopyNoReplace(aFrom, aTo)) return SystemReason(errno);
    // The copy is complete: the original may go. Should it stay, it is only
    // a copy nobody reads any more.
    ::unlink(aFrom.c_str());
    return {};
}

}  // namespace

TSettingsPlace PlaceSettingsFile(const std::string& aFormer, const std::string& aCurrent) {
    if (aFormer.empty() || aFormer == aCurrent || Present(aCurrent) || !Present(aFormer)) return {aCurrent, {}};
    const std::string reason = Move(aFormer, aCurrent);
    if (!reason.empty() && !Present(aCurrent)) {
        return {aFormer, "The settings file could not be moved to " + ShownFileName(aCurrent) + ".\n" + reason +
                             ".\nThe settings are read from and saved to " + ShownFileName(aFormer) + " as before."};
    }
    // The former settings folder goes when nothing else is left in it.
    std::error_code ec;
    fs::remove(fs::path(aFormer).parent_path(), ec);
    return {aCurrent, {}};
}

}  // namespace torvik
