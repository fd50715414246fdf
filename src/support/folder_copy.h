#pragma once
// Copying a folder tree without overwriting anything that is already there,
// as used to give the user a copy of the program's default data.

#include <filesystem>

namespace torvik {

// Copies every file and folder below source into dest. Existing files are
// never overwritten, and a file that cannot be copied is skipped. dest and
// each needed subfolder are created with their parents; a folder that cannot
// be created throws TFileError and ends the copy. A missing source copies
// nothing. Symbolic links to folders are not followed, and the destination
// is never copied into itself when it lies inside source. aSkip, a file or
// folder given by its path below source, is not copied.
void CopyFolderTree(const std::filesystem::path& source, const std::filesystem::path& dest,
                    const std::filesystem::path& aSkip = {});

}  // namespace torvik
