#pragma once
// The module's exceptions: torvik.Error and its kinds, raised from C++ by
// throwing the types below (or the core's own errors, translated).

#include <pybind11/pybind11.h>

#include <stdexcept>
#include <string>

namespace torvik::py {

namespace pyb = pybind11;

// A design file that is missing, cannot be read or written, or does not
// hold a readable design: torvik.FileError (an OSError), its message naming
// the file and the key, its filename attribute the path given.
class TPyFileError : public std::runtime_error {
public:
    TPyFileError(const std::string& aMessage, std::string aFileName)
        : std::runtime_error(aMessage), FileName(std::move(aFileName)) {}
    std::string FileName;  // the system's bytes
};

// A bad argument: torvik.InputError (a ValueError).
class TPyInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A design used by one thread while another is activating it:
// torvik.BusyError (a RuntimeError).
class TPyBusyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Creates the exception and warning classes in aModule and installs the
// translation of the types above and of the core's errors.
void RegisterErrors(pyb::module_& aModule);

// Issues a torvik.DesignWarning with aMessage.
void WarnAboutDesign(const std::string& aMessage);

}  // namespace torvik::py
