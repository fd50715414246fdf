// The torvik Python module: design files, activations and activation
// curves computed by the program's own code.

#include <pybind11/pybind11.h>

#include "python/py_activation.h"
#include "python/py_design.h"
#include "python/py_errors.h"
#include "python/py_stock.h"
#include "support/version.h"

PYBIND11_MODULE(torvik, m) {
    using namespace torvik::py;
    m.doc() =
        "Orthodontic wire designs and their activation, computed by Torvik's own code (the same as the window's "
        "and torvik-activate's).\n\n"
        "    import torvik\n"
        "    d = torvik.Design.load(\"Closing Loop.tvk\")\n"
        "    d.right_bracket.x_mm += 0.5\n"
        "    a = d.activate()              # as torvik-activate does\n"
        "    print(a.stop, a.right.x, a.right.m_over_f)\n"
        "    c = d.curve(10)               # dict of NumPy arrays, the columns of --curve\n\n"
        "Units: lengths and positions in mm, angles in degrees, forces in cN, moments in cN·mm, moduli in N/mm². "
        "Results carry the names of torvik-activate's JSON and CSV reports.\n\n"
        "Errors raise torvik.Error: FileError (also an OSError) for a design file that cannot be read or written, "
        "InputError (also a ValueError) for a bad argument, BusyError (also a RuntimeError) for a design used "
        "while another thread activates it. A run that stops short of its target is a result, not an error.\n\n"
        "Threads: activate() and curve() release the GIL, so a thread pool runs designs side by side; each "
        "Design belongs to one thread at a time (Design.copy() gives each thread its own).";
    m.attr("__version__") = torvik::GetProgramVersion();
    RegisterErrors(m);
    RegisterStock(m);
    auto design = RegisterDesign(m);
    RegisterActivation(m, design);
}
