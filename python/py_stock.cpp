#include "python/py_stock.h"

#include <pybind11/stl.h>

#include <cmath>
#include <optional>
#include <string>

#include "cli/options.h"
#include "python/py_errors.h"
#include "support/numbers.h"
#include "wire/wire_stock.h"

namespace torvik::py {

namespace {

std::string Repr(double v) { return pyb::str(pyb::float_(v)).cast<std::string>(); }

std::string MaterialRepr(const TWireMaterial& m) {
    return "torvik.Material(" + pyb::repr(pyb::str(m.Name)).cast<std::string>() + ", " + Repr(m.Modulus) + ")";
}

std::string CrossSectionRepr(const TWireSize& s) {
    std::string r = "torvik.CrossSection(" + pyb::repr(pyb::str(s.Name)).cast<std::string>() + ", " + Repr(s.CrossA / 10);
    if (!s.IsRound()) r += ", " + Repr(s.CrossB / 10);
    return r + ")";
}

TWireMaterial NewMaterial(std::string aName, double aModulus) {
    if (!std::isfinite(aModulus) || !ModulusInRange(aModulus))
        throw TPyInputError("modulus must be between 1 and 10000000 N/mm², not " + Repr(aModulus));
    return {aModulus, std::move(aName)};
}

// The sides in mm; the records hold tenths of a mm.
TWireSize NewCrossSection(std::string aName, double aSide, std::optional<double> aOther) {
    const double a = aSide * 10, b = aOther.value_or(0) * 10;
    if (!std::isfinite(a) || !CrossDimensionInRange(a, false))
        throw TPyInputError("a_mm must be between 0.001 and 10 mm, not " + Repr(aSide));
    if (!std::isfinite(b) || !CrossDimensionInRange(b, true))
        throw TPyInputError("b_mm must be None (round), 0 or between 0.001 and 10 mm, not " + Repr(*aOther));
    return {a, b, std::move(aName)};
}

}  // namespace

TWireMaterial MaterialArgument(const pyb::object& aValue) {
    if (pyb::isinstance<pyb::str>(aValue)) return cli::BuiltInMaterial(aValue.cast<std::string>());
    if (pyb::isinstance<TWireMaterial>(aValue)) return aValue.cast<TWireMaterial>();
    throw pyb::type_error("a material is a torvik.Material or the name of a built-in one");
}

TWireSize CrossSectionArgument(const pyb::object& aValue) {
    if (pyb::isinstance<pyb::str>(aValue)) return cli::BuiltInCrossSection(aValue.cast<std::string>());
    if (pyb::isinstance<TWireSize>(aValue)) return aValue.cast<TWireSize>();
    throw pyb::type_error("a cross-section is a torvik.CrossSection or the name of a built-in one");
}

void RegisterStock(pyb::module_& m) {
    pyb::class_<TWireMaterial>(m, "Material",
                               "A wire material: its name and Young's modulus in N/mm². Values, compared by both.")
        .def(pyb::init(&NewMaterial), pyb::arg("name"), pyb::arg("modulus"),
             "A material of your own; the modulus (N/mm²) must lie between 1 and 10,000,000.")
        .def_property_readonly("name", [](const TWireMaterial& s) { return s.Name; }, "The material's name.")
        .def_property_readonly("modulus", [](const TWireMaterial& s) { return s.Modulus; },
                               "Young's modulus, N/mm².")
        .def("__eq__", [](const TWireMaterial& a, const TWireMaterial& b) { return a == b; }, pyb::is_operator())
        .def("__hash__", [](const TWireMaterial& s) { return pyb::hash(pyb::make_tuple(s.Name, s.Modulus)); })
        .def("__repr__", &MaterialRepr);

    pyb::class_<TWireSize>(m, "CrossSection",
                           "A wire cross-section: its name (the nominal size in inches for the built-in ones, "
                           "such as \"0.016 x 0.022\") and its sides in mm. Values, compared by all three.")
        .def(pyb::init(&NewCrossSection), pyb::arg("name"), pyb::arg("a_mm"), pyb::arg("b_mm") = pyb::none(),
             "A cross-section of your own: a_mm is the diameter of a round wire or the side in the plane of "
             "bending, b_mm the other side, None or 0 for a round wire; sides between 0.001 and 10 mm.")
        .def_property_readonly("name", [](const TWireSize& s) { return s.Name; }, "The cross-section's name.")
        .def_property_readonly("a_mm", [](const TWireSize& s) { return s.CrossA / 10; },
                               "The diameter, or the side in the plane of bending, mm.")
        .def_property_readonly(
            "b_mm", [](const TWireSize& s) { return s.IsRound() ? std::nullopt : std::optional<double>(s.CrossB / 10); },
            "The other side, mm; None for a round wire.")
        .def_property_readonly("shape", [](const TWireSize& s) { return s.IsRound() ? "round" : "rectangular"; },
                               "\"round\" or \"rectangular\".")
        .def("__eq__", [](const TWireSize& a, const TWireSize& b) { return a == b; }, pyb::is_operator())
        .def("__hash__", [](const TWireSize& s) { return pyb::hash(pyb::make_tuple(s.Name, s.CrossA, s.CrossB)); })
        .def("__repr__", &CrossSectionRepr);

    pyb::class_<TStockRun>(m, "StockRun", "Consecutive segments of a wire that share one material and cross-section.")
        .def_property_readonly("first", [](const TStockRun& r) { return r.First; }, "Index of the run's first segment.")
        .def_property_readonly("count", [](const TStockRun& r) { return r.Count; }, "Its number of segments.")
        .def_property_readonly("material", [](const TStockRun& r) { return r.Stock.Material; }, "Their material.")
        .def_property_readonly("cross_section", [](const TStockRun& r) { return r.Stock.Size; },
                               "Their cross-section.")
        .def("__repr__", [](const TStockRun& r) {
            return "torvik.StockRun(first=" + std::to_string(r.First) + ", count=" + std::to_string(r.Count) +
                   ", material=" + MaterialRepr(r.Stock.Material) + ", cross_section=" +
                   CrossSectionRepr(r.Stock.Size) + ")";
        });

    m.def(
        "materials",
        [] {
            const TMaterialTable table = DefaultMaterialTable();
            return std::vector<TWireMaterial>(table.begin(), table.end());
        },
        "The built-in materials, in the order the program lists them: Stainless Steel, TMA, Nitinol, Elgiloy, "
        "Other.");
    m.def(
        "cross_sections",
        [] {
            const TCrossSectionTable table = DefaultCrossSectionTable();
            return std::vector<TWireSize>(table.begin(), table.end());
        },
        "The built-in cross-sections, in the order the program lists them, from \"0.016\" to \"Other\".");
}

}  // namespace torvik::py
