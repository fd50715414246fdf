// Design.activate and Design.curve: the runs of torvik-activate, with the
// GIL let go while they compute, and their results as Python values named
// as the command line's JSON and CSV name them.

#include "python/py_activation.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/activation_job.h"
#include "cli/curve_job.h"
#include "cli/report.h"
#include "python/py_errors.h"
#include "support/text_utils.h"
#include "solve/activation_curve.h"
#include "solve/curve_table.h"

namespace torvik::py {

namespace {

std::optional<std::string> NoneIfEmpty(const std::string& s) {
    return s.empty() ? std::nullopt : std::optional<std::string>(s);
}

std::string Shown(double v) { return pyb::str(pyb::float_(v)).cast<std::string>(); }

double NotNegative(const char* aName, double v) {
    if (!(v >= 0 && std::isfinite(v)))
        throw TPyInputError(std::string(aName) + " must be a finite number not below 0, not " + Shown(v));
    return v;
}

int WholeNumber(const char* aName, long long v, int aMax) {
    if (v < 1 || v > aMax)
        throw TPyInputError(std::string(aName) + " must be between 1 and " + std::to_string(aMax) + ", not " +
                            std::to_string(v));
    return static_cast<int>(v);
}

// The options of a torvik-activate run on this design.
cli::TCliOptions RunOptions(TPyDesign& aDesign, const std::string& aTarget, bool aSliding, double aDistance,
                            double aAngle, long long aMaxIterations) {
    cli::TCliOptions o;
    TActivationSettings& s = o.Settings;
    if (aTarget == "point") s.TargetMode = TargetPoint;
    else if (aTarget == "angle") s.TargetMode = TargetAngle;
    else if (aTarget == "slot" || aTarget == "sliding") s.TargetMode = TargetSlot;
    else throw TPyInputError("target must be point, angle, slot or sliding, not " + QuotedValue(aTarget));
    if (aSliding && s.TargetMode != TargetSlot)
        throw TPyInputError("sliding=True needs the slot target, not " + QuotedValue(aTarget));
    s.WireSlides = aTarget == "sliding" || aSliding;
    s.ToleranceDistance = NotNegative("tolerance_distance_mm", aDistance);
    s.ToleranceAngle = ToRadians(NotNegative("tolerance_angle_deg", aAngle));
    o.MaxIterations = WholeNumber("max_iterations", aMaxIterations, cli::MaxIterationsLimit);
    o.DesignFile = aDesign.FileName();
    return o;
}

pyb::dict LoadDict(const cli::TLoadReport& l) {
    pyb::dict d;
    d["x"] = l.x;
    d["y"] = l.y;
    d["m"] = l.m;
    d["f"] = std::hypot(l.x, l.y);
    d["m_over_f"] = cli::MomentOverForce(l);
    d["m_over_fx"] = cli::MomentOverForceX(l);
    return d;
}

// The result of an activation: the command line's report of the run.
struct TPyActivation {
    cli::TActivationReport report;
};

pyb::dict ActivationDict(const TPyActivation& a) {
    const cli::TActivationReport& r = a.report;
    pyb::dict d;
    d["stop"] = cli::RunEndName(r.end);
    d["message"] = NoneIfEmpty(r.message);
    d["iterations"] = r.iterations;
    d["segments"] = r.segments;
    d["right"] = LoadDict(r.right);
    d["left"] = LoadDict(r.left);
    d["distance_mm"] = r.distance;
    d["angle_deg"] = r.angle;
    d["max_strain_deg"] = r.maxStrain;
    d["target"] = r.target;
    d["across_mm"] = r.across;
    d["along_mm"] = r.along;
    d["refined"] = r.refined;
    d["refine_iterations"] = r.refineIterations;
    d["refine_message"] = NoneIfEmpty(r.refineMessage);
    d["stopped_distance_mm"] = r.stoppedDistance;
    d["stopped_angle_deg"] = r.stoppedAngle;
    return d;
}

// The curve's table: a NumPy array per column of the command line's CSV,
// whole numbers for the step and the iterations, NaN for an undefined value.
pyb::dict CurveColumnsDict(const std::vector<TCurveStep>& aSteps) {
    const std::vector<TCurveColumn> columns = CurveColumns(false);
    std::vector<std::vector<TCurveCell>> rows;
    for (const TCurveStep& step : aSteps) rows.push_back(CurveRow(step, nullptr));
    const auto n = static_cast<pyb::ssize_t>(rows.size());
    pyb::dict d;
    for (std::size_t j = 0; j < columns.size(); ++j) {
        const TCurveColumn& c = columns[j];
        if (c.decimals < 0) {
            std::vector<std::string> texts;
            for (const auto& row : rows) texts.push_back(row[j].text);
            d[c.key.c_str()] = pyb::module_::import("numpy").attr("array")(texts, pyb::arg("dtype") = "str");
        } else if (c.decimals == 0) {
            pyb::array_t<long long> a(n);
            for (pyb::ssize_t i = 0; i < n; ++i)
                a.mutable_at(i) = std::llround(rows[static_cast<std::size_t>(i)][j].number.value_or(0));
            d[c.key.c_str()] = a;
        } else {
            pyb::array_t<double> a(n);
            for (pyb::ssize_t i = 0; i < n; ++i)
                a.mutable_at(i) = rows[static_cast<std::size_t>(i)][j].number.value_or(std::nan(""));
            d[c.key.c_str()] = a;
        }
    }
    return d;
}

}  // namespace

void RegisterActivation(pyb::module_& m, pyb::class_<TPyDesign>& aDesign) {
    pyb::class_<cli::TLoadReport>(m, "BracketLoad",
                                  "The load on one bracket as the force read-out shows it: forces in cN, the "
                                  "moment in cN·mm, the moment-to-force ratios in mm.")
        .def_property_readonly("x", [](const cli::TLoadReport& l) { return l.x; }, "Force along x, cN.")
        .def_property_readonly("y", [](const cli::TLoadReport& l) { return l.y; }, "Force along y, cN.")
        .def_property_readonly("m", [](const cli::TLoadReport& l) { return l.m; },
                               "Moment, cN·mm (positive from +x towards +y, clockwise as drawn).")
        .def_property_readonly("f", [](const cli::TLoadReport& l) { return std::hypot(l.x, l.y); },
                               "The force's magnitude |F|, cN.")
        .def_property_readonly("m_over_f", [](const cli::TLoadReport& l) { return cli::MomentOverForce(l); },
                               "M/F = m / |F|, mm; None without a force.")
        .def_property_readonly("m_over_fx", [](const cli::TLoadReport& l) { return cli::MomentOverForceX(l); },
                               "M/Fx = m / |Fx|, mm; None without a force along x.")
        .def("as_dict", &LoadDict, "The values as a dict with the names above, as the command line's JSON has them.")
        .def("__repr__", [](const cli::TLoadReport& l) {
            return "<torvik.BracketLoad x=" + Shown(l.x) + " y=" + Shown(l.y) + " m=" + Shown(l.m) + ">";
        });

    pyb::class_<TPyActivation>(m, "Activation",
                               "The result of Design.activate(): the same quantities, with the same names and units, "
                               "as torvik-activate --format json reports (forces in cN, moments in cN·mm, names "
                               "ending in _mm in mm, in _deg in degrees). A run that stops without meeting its "
                               "target is a result too (stop, message), not an exception.")
        .def_property_readonly("stop", [](const TPyActivation& a) { return cli::RunEndName(a.report.end); },
                               "How the run ended: \"tolerance\" (target met), \"overstrain\", \"error\" or "
                               "\"max-iterations\".")
        .def_property_readonly("met", [](const TPyActivation& a) { return a.report.end == cli::TRunEnd::Tolerance; },
                               "Whether the run met its target (torvik-activate's exit status 0).")
        .def_property_readonly("message", [](const TPyActivation& a) { return NoneIfEmpty(a.report.message); },
                               "The program's message for a run that failed (\"Excessive activation detected!\", "
                               "\"Error in activation!\"), or None.")
        .def_property_readonly("detail", [](const TPyActivation& a) { return NoneIfEmpty(a.report.detail); },
                               "What went wrong behind an error, or None.")
        .def_property_readonly("iterations", [](const TPyActivation& a) { return a.report.iterations; },
                               "The run's iterations.")
        .def_property_readonly("segments", [](const TPyActivation& a) { return a.report.segments; },
                               "The wire's number of segments.")
        .def_property_readonly("right", [](const TPyActivation& a) { return a.report.right; },
                               "The load on the right bracket (a BracketLoad).")
        .def_property_readonly("left", [](const TPyActivation& a) { return a.report.left; },
                               "The load on the left bracket (a BracketLoad), the right one's balance.")
        .def_property_readonly("distance_mm", [](const TPyActivation& a) { return a.report.distance; },
                               "The wire end's distance from the right bracket's point, mm.")
        .def_property_readonly("angle_deg", [](const TPyActivation& a) { return a.report.angle; },
                               "The angle between the wire end and the bracket's slot, degrees.")
        .def_property_readonly("max_strain_deg", [](const TPyActivation& a) { return a.report.maxStrain; },
                               "The largest elastic bend of a segment, degrees (the run stops above 10).")
        .def_property_readonly("target", [](const TPyActivation& a) { return a.report.target; },
                               "The target: \"point\", \"angle\", \"slot\" or \"sliding\".")
        .def_property_readonly("across_mm", [](const TPyActivation& a) { return a.report.across; },
                               "The wire end's offset across the right bracket's slot, mm.")
        .def_property_readonly("along_mm", [](const TPyActivation& a) { return a.report.along; },
                               "The wire end's offset along the slot from the bracket's point, mm.")
        .def_property_readonly("refined", [](const TPyActivation& a) { return a.report.refined; },
                               "Whether the loads are refined to full engagement.")
        .def_property_readonly("refine_iterations", [](const TPyActivation& a) { return a.report.refineIterations; },
                               "The refinement's Newton iterations.")
        .def_property_readonly("refine_message", [](const TPyActivation& a) { return NoneIfEmpty(a.report.refineMessage); },
                               "Why a refinement failed (the loads are then the stopped run's), or None.")
        .def_property_readonly("stopped_distance_mm", [](const TPyActivation& a) { return a.report.stoppedDistance; },
                               "Where the run itself stopped, before any refinement: distance, mm.")
        .def_property_readonly("stopped_angle_deg", [](const TPyActivation& a) { return a.report.stoppedAngle; },
                               "... and angle, degrees.")
        .def("as_dict", &ActivationDict,
             "The result as a dict shaped as torvik-activate's JSON report of the run (right and left as dicts; "
             "None where the JSON has null).")
        .def("__repr__", [](const TPyActivation& a) {
            const cli::TActivationReport& r = a.report;
            return std::string("<torvik.Activation stop=") + cli::RunEndName(r.end) + " right=(" + Shown(r.right.x) +
                   ", " + Shown(r.right.y) + ", " + Shown(r.right.m) + ") left=(" + Shown(r.left.x) + ", " +
                   Shown(r.left.y) + ", " + Shown(r.left.m) + ")>";
        });

    aDesign.def(
        "activate",
        [](TPyDesign& self, const std::string& aTarget, double aDistance, double aAngle, bool aRefine, bool aAutoStop,
           long long aMaxIterations, bool aSliding) {
            cli::TCliOptions options = RunOptions(self, aTarget, aSliding, aDistance, aAngle, aMaxIterations);
            options.Settings.RefineLoads = aRefine;
            options.Settings.AutoStop = aAutoStop;
            TPyActivation result;
            TPyDesign::TUse use(self);
            TDesign& d = self.Design();
            options.SegmentSize = d.CurrentWire->Segment(0).length;
            {
                pyb::gil_scoped_release release;
                result.report = cli::Activate(d, options);
            }
            return result;
        },
        pyb::arg("target") = "slot", pyb::kw_only(), pyb::arg("tolerance_distance_mm") = 0.1,
        pyb::arg("tolerance_angle_deg") = 1.0, pyb::arg("refine") = true, pyb::arg("auto_stop") = true,
        pyb::arg("max_iterations") = 10000, pyb::arg("sliding") = false,
        "Activates the design from zero load exactly as torvik-activate does, and returns an Activation.\n\n"
        "target: \"point\" (the wire end on the bracket's point), \"angle\" (in its direction), \"slot\" (both) or "
        "\"sliding\" (in the slot, free to slide along it; also target=\"slot\", sliding=True). The run iterates "
        "until the wire end is within tolerance_distance_mm and tolerance_angle_deg of the target (auto_stop), "
        "overstrains the wire, fails, or reaches max_iterations (1 to 10,000,000); with refine, a run that met "
        "its target then has its loads refined to full engagement by Newton's method. The design keeps the "
        "activated shape and load (points_mm()). Other threads run meanwhile.");

    aDesign.def(
        "curve",
        [](TPyDesign& self, long long aSteps, const std::string& aTarget, double aDistance, double aAngle,
           long long aMaxIterations, bool aSliding) {
            cli::TCliOptions options = RunOptions(self, aTarget, aSliding, aDistance, aAngle, aMaxIterations);
            options.CurveSteps = WholeNumber("steps", aSteps, MaxCurveSteps);
            std::unique_ptr<TActivationCurve> curve;
            {
                TPyDesign::TUse use(self);
                curve = std::make_unique<TActivationCurve>(self.Design(), cli::CurveSettings(options));
            }
            {
                pyb::gil_scoped_release release;
                curve->Run();
            }
            return CurveColumnsDict(curve->Steps());
        },
        pyb::arg("steps"), pyb::arg("target") = "slot", pyb::kw_only(), pyb::arg("tolerance_distance_mm") = 1e-6,
        pyb::arg("tolerance_angle_deg") = 1e-5, pyb::arg("max_iterations") = 10000, pyb::arg("sliding") = false,
        "The activation curve, as torvik-activate --curve computes it: the wire end carried from where the "
        "unloaded wire leaves it to the right bracket in `steps` steps (1 to 10,000), each solved from the last "
        "step's load to full engagement within the tolerances; max_iterations counts solver iterations per step. "
        "The design itself is not changed.\n\n"
        "Returns a dict of NumPy arrays, one per column of the command line's --curve CSV, in its order and with "
        "its names (units in the names): step, activation_mm, turn_deg, right_fx_cN, right_fy_cN, right_m_cNmm, "
        "right_f_cN, right_m_over_f_mm, right_m_over_fx_mm, the same for left_, max_strain_deg, rate_cN_per_mm, "
        "iterations, stop. NaN stands for an undefined value; stop holds \"tolerance\" for a step that met its "
        "target. The curve ends at a step that did not. Other threads run meanwhile.");
}

}  // namespace torvik::py
