// Helpers of the command-line program's tests: running the built program,
// and reading values out of its reports.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace torvik::test {

struct TOutput {
    int status = -1;
    std::string text;
};

// Runs the built torvik-activate with the given arguments (shell syntax),
// stdout and stderr together.
inline TOutput RunProgram(const std::string& args) {
    TOutput out;
    const std::string command = std::string("'") + TORVIK_ACTIVATE_EXE + "' " + args + " 2>&1";
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

}  // namespace torvik::test
