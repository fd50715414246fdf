#pragma once
// A folder of its own for each test of design files, made empty before the
// test and removed after it, with the helpers to name, read and write files
// in it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace torvik::test {

class DesignFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Short, so that messages show the names whole.
        dir = std::filesystem::temp_directory_path() / ("torvik-design-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    std::filesystem::path dir;
};

}  // namespace torvik::test
