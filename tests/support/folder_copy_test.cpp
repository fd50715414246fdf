// Protects the first-start copy of default data: nothing existing is overwritten, nothing missing is lost.

#include "support/errors.h"
#include "support/folder_copy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace torvik {
namespace {

namespace fs = std::filesystem;

class FolderCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string templ = (fs::temp_directory_path() / "torvik-copy-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        root = templ;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    static void Put(const fs::path& p, const std::string& text)
    {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    static std::string Get(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path root;
};

TEST_F(FolderCopyTest, CopiesOnlyMissingFilesIntoNestedFolders)
{
    const fs::path src = root / "src";
    const fs::path dst = root / "out" / "data";  // neither exists yet
    Put(src / "top.tvk", "top");
    Put(src / "loops" / "a.tvk", "a");
    Put(src / "loops" / "deep" / "b.tvk", "b");
    fs::create_directories(src / "empty");

    CopyFolderTree(src, dst);
    EXPECT_EQ(Get(dst / "top.tvk"), "top");
    EXPECT_EQ(Get(dst / "loops" / "a.tvk"), "a");
    EXPECT_EQ(Get(dst / "loops" / "deep" / "b.tvk"), "b");
    EXPECT_TRUE(fs::is_directory(dst / "empty"));

    // The user changed one file and deleted another: only the missing one returns.
    Put(dst / "loops" / "a.tvk", "mine");
    fs::remove(dst / "loops" / "deep" / "b.tvk");
    Put(dst / "extra.txt", "extra");
    CopyFolderTree(src, dst);
    EXPECT_EQ(Get(dst / "loops" / "a.tvk"), "mine");
    EXPECT_EQ(Get(dst / "loops" / "deep" / "b.tvk"), "b");
    EXPECT_EQ(Get(dst / "extra.txt"), "extra");
    EXPECT_EQ(Get(src / "loops" / "a.tvk"), "a");
}

TEST_F(FolderCopyTest, MissingSourceLinksAndBlockedFolders)
{
    CopyFolderTree(root / "nothing", root / "dst");
    EXPECT_FALSE(fs::exists(root / "dst"));

    // A link back up the tree is not followed; a link to a file is copied as a file.
    const fs::path src = root / "src";
    Put(src / "f.txt", "f");
    fs::create_directory_symlink(src, src / "loop");
    fs::create_symlink(src / "f.txt", src / "g.txt");
    CopyFolderTree(src, root / "dst");
    EXPECT_EQ(Get(root / "dst" / "f.txt"), "f");
    EXPECT_EQ(Get(root / "dst" / "g.txt"), "f");
    EXPECT_FALSE(fs::exists(root / "dst" / "loop"));

    // A destination inside the source is not copied into itself.
    CopyFolderTree(src, src / "copy");
    EXPECT_EQ(Get(src / "copy" / "f.txt"), "f");
    EXPECT_FALSE(fs::exists(src / "copy" / "copy"));

    // A file where a folder must go ends the copy with an error.
    const fs::path blocked = root / "blocked";
    Put(src / "sub" / "x.txt", "x");
    Put(blocked / "sub", "a file, not a folder");
    EXPECT_THROW(CopyFolderTree(src, blocked), TFileError);
    EXPECT_THROW(CopyFolderTree(src, root / "dst" / "f.txt"), TFileError);
    EXPECT_EQ(Get(blocked / "sub"), "a file, not a folder");
}

}  // namespace
}  // namespace torvik
