// Helpers of the command-line program's tests: running the built program,
// and reading values out of its reports.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "wire/design.h"
#include "wire/design_file.h"

namespace torvik::test {

struct TOutput {
    int status = -1;
    std::string text;
};

// Runs the built torvik-activate (or aProgram) with the given arguments
// (shell syntax), stdout and stderr together.
inline TOutput RunProgram(const std::string& args, const char* aProgram = TORVIK_ACTIVATE_EXE) {
    TOutput out;
    const std::string command = std::string("'") + aProgram + "' " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.text.append(buf, n);
    const int status = pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

// The value text after "key": in json, looked up from position from (a
// string keeps its quotes and its escapes).
inline std::string JsonValue(const std::string& json, const std::string& key, std::size_t from = 0) {
    const std::string tag = "\"" + key + "\": ";
    const auto at = json.find(tag, from);
    if (at == std::string::npos) return "<missing " + key + ">";
    const auto begin = at + tag.size();
    if (json[begin] == '"') {
        auto end = begin + 1;
        while (end < json.size() && json[end] != '"') end += json[end] == '\\' ? 2 : 1;
        return json.substr(begin, end - begin + 1);
    }
    return json.substr(begin, json.find_first_of(",}", begin) - begin);
}

inline double JsonNumber(const std::string& json, const std::string& key, std::size_t from = 0) {
    return std::stod(JsonValue(json, key, from));
}

// The lines of text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto nl = text.find('\n', at);
        lines.push_back(text.substr(at, nl - at));
        at = nl == std::string::npos ? text.size() : nl + 1;
    }
    return lines;
}

// Tests that write designs into a folder of their own, removed afterwards.
class TCliFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Short, so that messages show the names whole.
        dir = std::filesystem::temp_directory_path() / ("torvik_cli_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // An L-shaped wire, 5 mm along +x from the left bracket at (10, 10), a
    // 90 degree bend, 5 mm down; the right bracket at (15 + dx, 15 + dy)
    // turned by aTurn from the wire's end direction. The file's name.
    std::string WriteL(const std::string& name, double dx, double dy, double aTurn = 0) {
        TDesign d(0.25, DefaultStock());
        for (int i = 1; i < 20; ++i) d.CurrentWire->AddSeg(0.25, i == 19 ? Pi / 2 : 0);
        for (int i = 0; i < 20; ++i) d.CurrentWire->AddSeg(0.25, 0);
        d.RightBracket.Origin()->SetXY(15 + dx, 15 + dy);
        d.RightBracket.SetDirection(d.CurrentWire->EndDirection() + aTurn);
        const std::string file = (dir / name).string();
        SaveDesign(file, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        return file;
    }

    std::filesystem::path dir;
};

}  // namespace torvik::test
