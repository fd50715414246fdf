#include "python/py_errors.h"

#include <pybind11/eval.h>

#include <exception>

#include "cli/options.h"
#include "support/errors.h"

namespace torvik::py {

namespace {

// The classes, made once when the module is imported and kept for the
// interpreter's life.
PyObject* ErrorType = nullptr;
PyObject* FileErrorType = nullptr;
PyObject* InputErrorType = nullptr;
PyObject* BusyErrorType = nullptr;
PyObject* DesignWarningType = nullptr;

void RaiseFileError(const TPyFileError& e) {
    pyb::object error = pyb::reinterpret_borrow<pyb::object>(FileErrorType)(e.what());
    if (!e.FileName.empty()) {
        PyObject* name = PyUnicode_DecodeFSDefaultAndSize(e.FileName.data(), static_cast<Py_ssize_t>(e.FileName.size()));
        if (name) error.attr("filename") = pyb::reinterpret_steal<pyb::object>(name);
        else PyErr_Clear();
    }
    PyErr_SetObject(FileErrorType, error.ptr());
}

// The classes, in Python, so that FileError can be an OSError with a
// filename whose text is still the program's message.
const char* const ClassesSource = R"(
class Error(Exception):
    """Base class of the errors torvik raises."""

class FileError(Error, OSError):
    """A design file that is missing, cannot be read or written, or does not hold a readable design.

    The message names the file and, for bad content, the section and key, as the program and
    torvik-activate do; filename is the path given. Also an OSError."""

    def __str__(self):
        return str(self.args[0]) if self.args else ""

class InputError(Error, ValueError):
    """A value given to torvik that it cannot use: an unknown target, material or cross-section name,
    a negative tolerance, a position out of range. Also a ValueError."""

class BusyError(Error, RuntimeError):
    """A Design used while another thread activates it. Each Design belongs to one thread at a time;
    give every thread its own (Design.copy). Also a RuntimeError."""

class DesignWarning(UserWarning):
    """A design file that was read, but not exactly as written: missing segment keys, each read as a
    straight 0.0125 mm piece."""
)";

PyObject* Class(pyb::module_& m, const char* aName) {
    pyb::object type = m.attr(aName);
    type.attr("__module__") = "torvik";
    return type.release().ptr();  // kept for the interpreter's life
}

}  // namespace

void RegisterErrors(pyb::module_& m) {
    pyb::exec(ClassesSource, m.attr("__dict__"));
    ErrorType = Class(m, "Error");
    FileErrorType = Class(m, "FileError");
    InputErrorType = Class(m, "InputError");
    BusyErrorType = Class(m, "BusyError");
    DesignWarningType = Class(m, "DesignWarning");

    pyb::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const TPyFileError& e) {
            RaiseFileError(e);
        } catch (const TFileError& e) {
            // A write that failed: the message names the file and the reason.
            PyErr_SetString(FileErrorType, e.what());
        } catch (const TPyInputError& e) {
            PyErr_SetString(InputErrorType, e.what());
        } catch (const cli::TUsageError& e) {
            PyErr_SetString(InputErrorType, e.what());
        } catch (const std::invalid_argument& e) {
            PyErr_SetString(InputErrorType, e.what());
        } catch (const TPyBusyError& e) {
            PyErr_SetString(BusyErrorType, e.what());
        } catch (const TArithmeticError& e) {
            PyErr_SetString(ErrorType, e.what());
        }
    });
}

void WarnAboutDesign(const std::string& aMessage) {
    if (PyErr_WarnEx(DesignWarningType, aMessage.c_str(), 2) < 0) throw pyb::error_already_set();
}

}  // namespace torvik::py
