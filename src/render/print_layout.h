#pragma once
// The arithmetic of a printed page: margins and graphic size in printer
// pixels, the mapping that prints the design at true size (or enlarged by a
// whole factor), the clipping rectangle, and the block of force values and
// the title block below the graphic. Widget-free: the printer's measures
// come in as numbers.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace torvik {

class TForceMoment;

// What the printer reports, in printer pixels.
struct TPrintMeasures {
    int dpiX = 300, dpiY = 300;  // pixels per inch
    int offX = 0, offY = 0;      // the printable area's distance from the paper's edge
    int physW = 0, physH = 0;    // the paper's size
    int lineHeight = 0;          // a text line: character height plus leading
};

// The page fields as typed, in centimetres; empty where a field does not read
// as a number.
struct TPrintFields {
    std::optional<double> top = 2, bottom = 2, left = 2, right = 2;
    std::optional<double> width = 17, height = 15;
    int scaleFactor = 1;  // 1 ("Life Size") to 10
};

// What a print shows, besides the wire that is always printed.
struct TPrintOptions {
    TPrintFields fields;
    bool landscape = false;
    bool grid = true;
    bool forces = true;
    bool brackets = true;
    bool forceValues = true;
    // A bending template: the wire as bent in black at life size, with the
    // activated wire thin and grey over it.
    bool passiveWire = false;
};

// The page fields a print lays out: a template is always printed at life
// size, whatever scale factor is chosen.
TPrintFields PrintedFields(const TPrintOptions& aOptions);

// Positions are printer pixels from the printable area's top-left corner.
struct TPrintLayout {
    int left = 0, top = 0;
    int rightLimit = 0, bottomLimit = 0;
    int width = 0, height = 0;
    // Pixels spanned by the design area's 10000 logical units (100 mm of the
    // design): the scale factor times the pixels in 100 mm of paper.
    int unitsX = 0, unitsY = 0;
    // Drawing is clipped to this rectangle.
    TRect clip;

    // Design units to printer pixels: device = logical x unitsX / 10000 + left.
    double ScaleX() const;
    double ScaleY() const;
};

// Pixels in 100 mm at aDpi: nint(aDpi / 0.254), halves to even.
int PixelsPer100Mm(int aDpi);

// The page of aMeasures laid out by aFields. A margin that is empty counts as
// 0; a graphic size that is empty stretches to the right or bottom limit.
// Throws std::range_error ("The margins and the graphic size do not fit on
// any paper.") when a value does not fit a 32-bit integer.
TPrintLayout ComputePrintLayout(const TPrintMeasures& aMeasures, const TPrintFields& aFields);

// One line of the force-value block, at (x, y) in printer pixels.
struct TPrintTextLine {
    int x = 0, y = 0;
    std::string text;
};

// The force values below the graphic: "Left Bracket", its "F(x): ", "F(y): ",
// "Moment: " and "M/F: " lines, an empty line, then the same for the right
// bracket. The first line lies one line height below the graphic, each
// next one a line height lower. aFormat writes a number ("0.00" in the
// user's locale). M/F is the moment over the force's magnitude, "Undefined"
// when that is exactly 0.
std::vector<TPrintTextLine> ForceValueLines(const TPrintLayout& aLayout, int aLineHeight, const TForceMoment& aLeft,
                                            const TForceMoment& aRight,
                                            const std::function<std::string(double)>& aFormat);

// Where the title block's frame starts: one empty line below the last line
// of aForceLines, or where their first line would be when there are none.
// Throws std::range_error as ComputePrintLayout does when a block
// aTitleHeight high would end beyond 32-bit integers.
int TitleBlockTop(const TPrintLayout& aLayout, int aLineHeight, const std::vector<TPrintTextLine>& aForceLines,
                  int aTitleHeight);

}  // namespace torvik
