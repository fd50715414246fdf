#pragma once
// A file's name as the system gives it: bytes, which on Linux need not be
// UTF-8. A name taken from the command line is kept as these bytes from
// opening through saving to the recent designs, and shown escaped.

#include <string>
#include <string_view>

namespace torvik {

class TFileName {
public:
    TFileName() = default;
    explicit TFileName(std::string aNative) : FNative(std::move(aNative)) {}

    // The name as the system spells it.
    const std::string& Native() const { return FNative; }
    bool Empty() const { return FNative.empty(); }
    // The name as messages show it (ShownFileName).
    std::string Shown() const;
    // The name without its folder, as a caption or a menu shows it.
    std::string ShownBaseName() const;
    // The folder part, as the system spells it; "." for a bare name.
    std::string Folder() const;
    // Whether something is there by that name, links followed.
    bool Exists() const;

    bool operator==(const TFileName&) const = default;

private:
    std::string FNative;
};

// aName made absolute against the current folder, its "." parts, ".." parts
// and repeated slashes taken out as the text goes (links are not followed).
TFileName AbsoluteFileName(std::string_view aName);

}  // namespace torvik
