#include "python/py_design.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "cli/activation_job.h"
#include "python/py_errors.h"
#include "python/py_stock.h"
#include "support/errors.h"
#include "support/text_utils.h"
#include "wire/design_copy.h"
#include "wire/design_file.h"
#include "wire/wire_stock.h"

namespace torvik::py {

namespace {

using TDoubles = pyb::array_t<double, pyb::array::c_style | pyb::array::forcecast>;

std::string Shown(double v) { return pyb::str(pyb::float_(v)).cast<std::string>(); }

// Python's str of a file name given as the system's bytes.
pyb::str PathText(const std::string& aBytes) {
    PyObject* s = PyUnicode_DecodeFSDefaultAndSize(aBytes.data(), static_cast<Py_ssize_t>(aBytes.size()));
    if (!s) throw pyb::error_already_set();
    return pyb::reinterpret_steal<pyb::str>(s);
}

// After an edit the wire is at rest: no load, every segment undeformed.
void Unload(TDesign& d) {
    d.AttachToBrackets();
    d.RightForce.x = d.RightForce.y = d.RightForce.m = 0;
    d.CalcLeftForce();
    d.CurrentWire->Unload();
}

// Lengths and bends as a design file can hold them, so that a design
// edited here saves and reads back.
double CheckedLength(double aLength) {
    if (!(aLength > 0 && aLength <= 10000))
        throw TPyInputError("a segment length must be above 0 and at most 10000 mm, not " + Shown(aLength));
    return aLength;
}

double CheckedBend(double aDegrees) {
    const double r = ToRadians(aDegrees);
    if (!std::isfinite(r) || std::abs(r) > MaxFileBend)
        throw TPyInputError("a bend must be a finite number of at most " + Shown(ToDegrees(MaxFileBend)) +
                            " degrees either way, not " + Shown(aDegrees));
    return r;
}

double CheckedPosition(const char* aName, double v) {
    if (!(std::abs(v) <= MaxFilePosition))
        throw TPyInputError(std::string(aName) + " must lie within ±" + Shown(MaxFilePosition) + " mm, not " + Shown(v));
    return v;
}

std::vector<double> Values(const TDoubles& a, const char* aName) {
    if (a.ndim() != 1) throw TPyInputError(std::string(aName) + " must be one-dimensional");
    return std::vector<double>(a.data(), a.data() + a.size());
}

TDoubles Array(const std::vector<double>& v) {
    TDoubles a(static_cast<pyb::ssize_t>(v.size()));
    std::copy(v.begin(), v.end(), a.mutable_data());
    return a;
}

// A bracket of a design, seen from Python: reads and moves the bracket
// itself, and keeps its design alive.
struct TPyBracket {
    TPyDesign* design;
    bool right;

    TBracket& Of(TDesign& d) const { return right ? d.RightBracket : d.LeftBracket; }

    double Get(int aWhat) {
        TPyDesign::TUse use(*design);
        const TBracket& b = Of(design->Design());
        return aWhat == 0 ? b.Origin()->x : aWhat == 1 ? b.Origin()->y : ToDegrees(b.Direction());
    }

    // Moves the bracket; the wire follows the left one, and is left at rest.
    void Set(std::optional<double> x, std::optional<double> y, std::optional<double> aDegrees) {
        TPyDesign::TUse use(*design);
        TDesign& d = design->Design();
        TBracket& b = Of(d);
        const double nx = x ? CheckedPosition("x_mm", *x) : b.Origin()->x;
        const double ny = y ? CheckedPosition("y_mm", *y) : b.Origin()->y;
        double direction = b.Direction();
        if (aDegrees) {
            if (!std::isfinite(*aDegrees) || std::abs(*aDegrees) > 1e9)
                throw TPyInputError("angulation_deg must be a finite number, not " + Shown(*aDegrees));
            direction = std::fmod(ToRadians(*aDegrees), TwoPi);
        }
        b.Origin()->SetXY(nx, ny);
        b.SetDirection(direction);
        Unload(d);
    }
};

}  // namespace

TPyDesign::TPyDesign(std::unique_ptr<TDesign> aDesign, std::string aFileName)
    : FDesign(std::move(aDesign)), FFileName(std::move(aFileName)) {}

TPyDesign::TUse::TUse(TPyDesign& aDesign) : FDesign(aDesign) {
    if (FDesign.FBusy.exchange(true))
        throw TPyBusyError("this design is being activated by another thread; give each thread its own Design "
                           "(Design.copy)");
}

std::string PathBytes(const pyb::object& aPath) {
    return pyb::module_::import("os").attr("fsencode")(aPath).cast<std::string>();
}

double CheckedSegmentSize(double aSize) {
    if (!(aSize > 0)) throw TPyInputError("segment_size must be greater than 0, not " + Shown(aSize));
    if (!(aSize <= 100)) throw TPyInputError("segment_size must be at most 100 mm, not " + Shown(aSize));
    return aSize;
}

pyb::class_<TPyDesign> RegisterDesign(pyb::module_& m) {
    pyb::class_<TPyBracket>(m, "Bracket",
                            "One of a design's brackets: its point in mm and its angulation in degrees, as the "
                            "window shows them. Setting them moves the bracket of the design itself (the wire "
                            "follows the left one) and leaves the wire at rest.")
        .def_property_readonly("name", [](TPyBracket& b) { return b.right ? "Right Bracket" : "Left Bracket"; },
                               "\"Left Bracket\" or \"Right Bracket\", as the design file names its section.")
        .def_property(
            "x_mm", [](TPyBracket& b) { return b.Get(0); },
            [](TPyBracket& b, double v) { b.Set(v, std::nullopt, std::nullopt); },
            "The bracket's point, x in mm (x to the right), within ±10000 mm.")
        .def_property(
            "y_mm", [](TPyBracket& b) { return b.Get(1); },
            [](TPyBracket& b, double v) { b.Set(std::nullopt, v, std::nullopt); },
            "The bracket's point, y in mm (y downwards, as drawn), within ±10000 mm.")
        .def_property(
            "angulation_deg", [](TPyBracket& b) { return b.Get(2); },
            [](TPyBracket& b, double v) { b.Set(std::nullopt, std::nullopt, v); },
            "The direction of the bracket's slot in degrees, in [0, 360): 0 points along +x, 90 along +y "
            "(clockwise as drawn). The left bracket of a new design has 180.")
        .def("move_to", [](TPyBracket& b, double x, double y) { b.Set(x, y, std::nullopt); }, pyb::arg("x_mm"),
             pyb::arg("y_mm"), "Moves the bracket's point to (x_mm, y_mm) in one step.")
        .def("__repr__", [](TPyBracket& b) {
            return std::string("<torvik.Bracket ") + (b.right ? "right" : "left") + " at (" + Shown(b.Get(0)) + ", " +
                   Shown(b.Get(1)) + ") mm, " + Shown(b.Get(2)) + "°>";
        });

    pyb::class_<TPyDesign> design(
        m, "Design",
        "A wire design: the wire (a chain of straight segments clamped in the left bracket) and both brackets.\n\n"
        "Lengths are in mm and angles in degrees. Segment i runs from node i - 1 (the wire's start for i = 0) to "
        "node i, and its bend is the permanent turn of the wire at node i. The first segment is as long as the "
        "design's segment size; a design file stores the segments after it.\n\n"
        "A Design belongs to one thread at a time: activate() and curve() let other threads run while they "
        "compute, so threads can work on designs of their own side by side (Design.copy() gives each its own), "
        "but using a design while another thread activates it raises BusyError.");

    design
        .def_static(
            "load",
            [](const pyb::object& aPath, double aSegmentSize) {
                cli::TCliOptions options;
                options.DesignFile = PathBytes(aPath);
                options.SegmentSize = CheckedSegmentSize(aSegmentSize);
                std::vector<std::string> warnings;
                std::unique_ptr<TDesign> d;
                try {
                    d = cli::OpenDesign(options, &warnings);
                } catch (const cli::TUsageError& e) {
                    throw TPyFileError(e.what(), options.DesignFile);
                }
                for (const std::string& w : warnings) WarnAboutDesign(w);
                return std::make_unique<TPyDesign>(std::move(d), options.DesignFile);
            },
            pyb::arg("path"), pyb::arg("segment_size") = 0.25,
            "Reads a design file (str, bytes or os.PathLike) as torvik-activate does: the first segment is "
            "segment_size mm long (0.25, the program's default), the wire takes the stock the file gives, or "
            "Stainless Steel 0.016 where it gives none. Raises FileError for a file that is missing, unreadable "
            "or holds no wire, and for a bad value, naming the file and the key (\"<file>: Right Bracket: X: "
            "'abc' is not a valid floating point value\"); warns with DesignWarning about missing segment keys.")
        .def_static(
            "new",
            [](double aSegmentSize, const pyb::object& aMaterial, const pyb::object& aSize) {
                const TWireStock stock{MaterialArgument(aMaterial), CrossSectionArgument(aSize)};
                return std::make_unique<TPyDesign>(std::make_unique<TDesign>(CheckedSegmentSize(aSegmentSize), stock),
                                                   std::string());
            },
            pyb::arg("segment_size") = 0.25, pyb::arg("material") = "Stainless Steel",
            pyb::arg("cross_section") = "0.016",
            "A new design as the program makes one: a single straight segment of segment_size mm from the left "
            "bracket at (10, 10) mm (angulation 180°) towards the right bracket at (20, 10) mm (angulation 0°). "
            "material and cross_section are built-in names or Material and CrossSection values.")
        .def(
            "save",
            [](TPyDesign& self, const pyb::object& aPath) {
                const std::string file = PathBytes(aPath);
                TPyDesign::TUse use(self);
                TDesign& d = self.Design();
                try {
                    SaveDesign(file, *d.CurrentWire, d.LeftBracket, d.RightBracket);
                } catch (const TFileError& e) {
                    throw TPyFileError(e.what(), file);
                }
                self.SetFileName(file);
            },
            pyb::arg("path"),
            "Writes the design file as the program's Save does, the wire's stock with its shape: replaced in one "
            "step, other sections of an existing design file kept. Raises FileError naming the file and the system's reason when it cannot be written.")
        .def(
            "copy",
            [](TPyDesign& self) {
                TPyDesign::TUse use(self);
                return std::make_unique<TPyDesign>(CopyDesign(self.Design()), self.FileName());
            },
            "An independent copy: the same wire, stock, brackets and load; for another thread, or a variant.")
        .def("__copy__", [](const pyb::object& self) { return self.attr("copy")(); })
        .def("__deepcopy__", [](const pyb::object& self, const pyb::object&) { return self.attr("copy")(); },
             pyb::arg("memo"))
        .def_property_readonly(
            "path", [](TPyDesign& self) -> pyb::object {
                if (self.FileName().empty()) return pyb::none();
                return PathText(self.FileName());
            },
            "The file the design was read from or last saved to, or None.")
        .def_property_readonly(
            "segment_size",
            [](TPyDesign& self) {
                TPyDesign::TUse use(self);
                return self.Design().CurrentWire->Segment(0).length;
            },
            "The length of the wire's first segment, mm.")
        .def("__len__",
             [](TPyDesign& self) {
                 TPyDesign::TUse use(self);
                 return self.Design().CurrentWire->Count();
             },
             "The number of segments, the first included.")
        .def_property_readonly(
            "lengths_mm",
            [](TPyDesign& self) {
                TPyDesign::TUse use(self);
                std::vector<double> v;
                for (const TWireSeg& s : self.Design().CurrentWire->Segments()) v.push_back(s.length);
                return Array(v);
            },
            "The segments' lengths, mm: a new NumPy array, one value per segment.")
        .def_property(
            "bends_deg",
            [](TPyDesign& self) {
                TPyDesign::TUse use(self);
                std::vector<double> v;
                for (const TWireSeg& s : self.Design().CurrentWire->Segments()) v.push_back(ToDegrees(s.angle));
                return Array(v);
            },
            [](TPyDesign& self, const TDoubles& aBends) {
                const std::vector<double> bends = Values(aBends, "bends_deg");
                TPyDesign::TUse use(self);
                TWire& wire = *self.Design().CurrentWire;
                if (static_cast<int>(bends.size()) != wire.Count())
                    throw TPyInputError("bends_deg needs one value per segment (" + std::to_string(wire.Count()) +
                                        "), not " + std::to_string(bends.size()));
                std::vector<double> radians;
                for (double b : bends) radians.push_back(CheckedBend(b));
                for (int i = 0; i < wire.Count(); ++i) wire.Segment(i).angle = radians[static_cast<std::size_t>(i)];
                wire.dirty = true;
                Unload(self.Design());
            },
            "The permanent bend at each node, degrees (positive turns from +x towards +y, clockwise as drawn): a "
            "new NumPy array, one value per segment. Assign an array of the same length to bend the wire; it is "
            "left at rest.")
        .def(
            "add_segments",
            [](TPyDesign& self, const TDoubles& aLengths, const std::optional<TDoubles>& aBends) {
                const std::vector<double> lengths = Values(aLengths, "lengths_mm");
                std::vector<double> bends(lengths.size(), 0.0);
                if (aBends) bends = Values(*aBends, "bends_deg");
                if (bends.size() != lengths.size())
                    throw TPyInputError("bends_deg needs one value per length (" + std::to_string(lengths.size()) +
                                        "), not " + std::to_string(bends.size()));
                TPyDesign::TUse use(self);
                TWire& wire = *self.Design().CurrentWire;
                if (static_cast<double>(wire.Count()) + static_cast<double>(lengths.size()) > MaxFileSegments + 1.0)
                    throw TPyInputError("a design holds at most " + std::to_string(MaxFileSegments + 1) + " segments");
                double total = wire.TotalLength() - wire.Segment(0).length;
                for (std::size_t i = 0; i < lengths.size(); ++i) {
                    total += CheckedLength(lengths[i]);
                    bends[i] = CheckedBend(bends[i]);
                }
                if (total > MaxFileWireLength)
                    throw TPyInputError("the wire would be longer than " + Shown(MaxFileWireLength) + " mm");
                Unload(self.Design());
                for (std::size_t i = 0; i < lengths.size(); ++i) wire.AddSeg(lengths[i], bends[i]);
            },
            pyb::arg("lengths_mm"), pyb::arg("bends_deg") = pyb::none(),
            "Appends segments at the wire's end: lengths in mm (above 0), bends in degrees at their far ends (none "
            "given: straight). The new segments take the wire's stock; the wire is left at rest.")
        .def(
            "points_mm",
            [](TPyDesign& self) {
                TPyDesign::TUse use(self);
                const TWire& wire = *self.Design().CurrentWire;
                pyb::array_t<double> a({static_cast<pyb::ssize_t>(wire.Count() + 1), pyb::ssize_t(2)});
                auto r = a.mutable_unchecked<2>();
                r(0, 0) = wire.Origin()->x;
                r(0, 1) = wire.Origin()->y;
                for (int i = 0; i < wire.Count(); ++i) {
                    const TPointReal c = wire.Segment(i).Corner();
                    r(i + 1, 0) = c.x;
                    r(i + 1, 1) = c.y;
                }
                return a;
            },
            "The wire's start and its nodes as an (n + 1) x 2 NumPy array of x, y in mm: the shape the last "
            "activate() left (at rest after loading or an edit).")
        .def_property(
            "material",
            [](TPyDesign& self) -> std::optional<TWireMaterial> {
                TPyDesign::TUse use(self);
                const auto runs = StockRuns(*self.Design().CurrentWire);
                for (const TStockRun& r : runs)
                    if (!(r.Stock.Material == runs.front().Stock.Material)) return std::nullopt;
                return runs.front().Stock.Material;
            },
            [](TPyDesign& self, const pyb::object& aMaterial) {
                const TWireMaterial material = MaterialArgument(aMaterial);
                TPyDesign::TUse use(self);
                ApplyMaterial(*self.Design().CurrentWire, material);
                Unload(self.Design());
            },
            "The material of every segment, or None when they differ. Assign a built-in name (\"TMA\", letter case "
            "aside) or a Material to give it to the whole wire.")
        .def_property(
            "cross_section",
            [](TPyDesign& self) -> std::optional<TWireSize> {
                TPyDesign::TUse use(self);
                const auto runs = StockRuns(*self.Design().CurrentWire);
                for (const TStockRun& r : runs)
                    if (!(r.Stock.Size == runs.front().Stock.Size)) return std::nullopt;
                return runs.front().Stock.Size;
            },
            [](TPyDesign& self, const pyb::object& aSize) {
                const TWireSize size = CrossSectionArgument(aSize);
                TPyDesign::TUse use(self);
                ApplyCrossSection(*self.Design().CurrentWire, size);
                Unload(self.Design());
            },
            "The cross-section of every segment, or None when they differ. Assign a built-in name "
            "(\"0.016 x 0.022\") or a CrossSection to give it to the whole wire.")
        .def(
            "stock_runs",
            [](TPyDesign& self) {
                TPyDesign::TUse use(self);
                return StockRuns(*self.Design().CurrentWire);
            },
            "The wire's stock as StockRun values, runs of consecutive segments of one material and cross-section "
            "from the first segment: a single run for a wire of one stock.")
        .def_property_readonly(
            "left_bracket",
            pyb::cpp_function([](TPyDesign& self) { return TPyBracket{&self, false}; }, pyb::keep_alive<0, 1>()),
            "The left bracket, where the wire is clamped.")
        .def_property_readonly(
            "right_bracket",
            pyb::cpp_function([](TPyDesign& self) { return TPyBracket{&self, true}; }, pyb::keep_alive<0, 1>()),
            "The right bracket, which the activation brings the wire end into.")
        .def("__repr__", [](TPyDesign& self) {
            TPyDesign::TUse use(self);
            const std::string name =
                self.FileName().empty() ? "new" : pyb::repr(PathText(self.FileName())).cast<std::string>();
            return "<torvik.Design " + name + ", " + std::to_string(self.Design().CurrentWire->Count()) + " segments>";
        });
    return design;
}

}  // namespace torvik::py
