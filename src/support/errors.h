#pragma once
// Exceptions of the model. Every failure is an exception carrying the text
// the user will see.

#include <cerrno>
#include <cmath>
#include <stdexcept>
#include <string>
#include <system_error>

namespace torvik {

// A floating-point operation that would have divided by zero, overflowed or
// produced an invalid result.
class TArithmeticError : public std::runtime_error {
public:
    explicit TArithmeticError(const std::string& what = "Floating point division by zero")
        : std::runtime_error(what) {}
};

// Fails a result that is not finite as the floating-point operation behind
// it would: an infinity is an overflow, a NaN an invalid operation.
inline double CheckFinite(double v) {
    if (std::isnan(v)) throw TArithmeticError("Invalid floating point operation");
    if (std::isinf(v)) throw TArithmeticError("Floating point overflow");
    return v;
}

// a / b, failing as that division would: 0 / 0 is an invalid operation,
// any other division by zero a division by zero.
inline double CheckedDivide(double a, double b) {
    if (b == 0) throw TArithmeticError(a == 0 ? "Invalid floating point operation" : "Floating point division by zero");
    return CheckFinite(a / b);
}

// A file that could not be read or written.
class TFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system's reason for a failure, from its error number: "No space left
// on device", "Permission denied", ... in the user's language where the
// system has it.
inline std::string SystemReason(int aErrno) { return std::generic_category().message(aErrno); }

}  // namespace torvik
