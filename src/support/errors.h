#pragma once
// Exceptions of the model. Every failure is an exception carrying the text
// the user will see.

#include <stdexcept>
#include <string>

namespace torvik {

// A floating-point operation that would have divided by zero, overflowed or
// produced an invalid result.
class TArithmeticError : public std::runtime_error {
public:
    explicit TArithmeticError(const std::string& what = "Floating point division by zero")
        : std::runtime_error(what) {}
};

// A file that could not be read or written.
class TFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace torvik
