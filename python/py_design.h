#pragma once
// torvik.Design: a design (the wire, both brackets and the load) owned by
// Python, read and written as the program does, edited through a few
// checked operations and used by one thread at a time.

#include <pybind11/pybind11.h>

#include <atomic>
#include <memory>
#include <string>

#include "wire/design.h"

namespace torvik::py {

namespace pyb = pybind11;

class TPyDesign {
public:
    TPyDesign(std::unique_ptr<TDesign> aDesign, std::string aFileName);

    // The design while a TUse of it lives.
    TDesign& Design() { return *FDesign; }
    // The file it was read from or last saved to (the system's bytes);
    // empty for a new design.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(std::string aFileName) { FFileName = std::move(aFileName); }

    // Marks the design in use for its lifetime. Python code reaches a design
    // only with the GIL held, so only a thread that has let the GIL go in
    // the middle of a solve can hold one: any other use meanwhile throws
    // TPyBusyError rather than race with it.
    class TUse {
    public:
        explicit TUse(TPyDesign& aDesign);
        ~TUse() { FDesign.FBusy = false; }
        TUse(const TUse&) = delete;
        TUse& operator=(const TUse&) = delete;

    private:
        TPyDesign& FDesign;
    };

private:
    std::unique_ptr<TDesign> FDesign;
    std::string FFileName;
    std::atomic<bool> FBusy{false};
};

// The bytes of a path given as str, bytes or os.PathLike, as the system
// names the file (os.fsencode).
std::string PathBytes(const pyb::object& aPath);

// A segment size in mm as the command line takes it: above 0, at most
// 100; throws TPyInputError otherwise.
double CheckedSegmentSize(double aSize);

// Defines Design and Bracket; returns Design, to which the activation adds
// its methods.
pyb::class_<TPyDesign> RegisterDesign(pyb::module_& aModule);

}  // namespace torvik::py
