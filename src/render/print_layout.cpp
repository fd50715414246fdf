#include "render/print_layout.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "geometry/force_moment.h"
#include "render/view_mapping.h"
#include "support/errors.h"

namespace torvik {

namespace {

// What a page field far beyond any paper gives, rather than a bare range
// error: the user typed it, so the message says which values are wrong.
const char* const TooLargeForPaper = "The margins and the graphic size do not fit on any paper.";

// Centimetres to printer pixels at aDpi; an empty field counts as 0.
int CmToPixels(const std::optional<double>& aCm, int aDpi) {
    std::int32_t pixels = 0;
    if (!TryRoundToInt32(aCm.value_or(0.0) * aDpi / 2.54, pixels)) throw std::range_error(TooLargeForPaper);
    return pixels;
}

int Checked(std::int64_t aValue) {
    if (aValue < INT32_MIN || aValue > INT32_MAX) throw std::range_error(TooLargeForPaper);
    return static_cast<int>(aValue);
}

}  // namespace

double TPrintLayout::ScaleX() const { return static_cast<double>(unitsX) / WorldExtent; }
double TPrintLayout::ScaleY() const { return static_cast<double>(unitsY) / WorldExtent; }

int PixelsPer100Mm(int aDpi) { return RoundToInt32(aDpi / 0.254); }

TPrintLayout ComputePrintLayout(const TPrintMeasures& aMeasures, const TPrintFields& aFields) {
    const TPrintMeasures& m = aMeasures;
    TPrintLayout p;
    const int top = CmToPixels(aFields.top, m.dpiY);
    const int bottom = CmToPixels(aFields.bottom, m.dpiY);
    const int left = CmToPixels(aFields.left, m.dpiX);
    const int right = CmToPixels(aFields.right, m.dpiX);

    // Margins are measured from the paper's edge, positions from the
    // printable area's; a margin is never less than the printing offset.
    p.top = Checked(std::int64_t{top} - m.offY);
    if (p.top < m.offY) p.top = m.offY;
    p.left = Checked(std::int64_t{left} - m.offX);
    if (p.left < m.offX) p.left = m.offX;
    p.rightLimit = Checked(std::int64_t{m.physW} - m.offX - right);
    p.bottomLimit = Checked(std::int64_t{m.physH} - m.offY - bottom);

    p.width = aFields.width ? CmToPixels(aFields.width, m.dpiX) : p.rightLimit;
    p.height = aFields.height ? CmToPixels(aFields.height, m.dpiY) : p.bottomLimit;

    const int k = aFields.scaleFactor < 1 ? 1 : aFields.scaleFactor > 10 ? 10 : aFields.scaleFactor;
    p.unitsX = Checked(std::int64_t{k} * PixelsPer100Mm(m.dpiX));
    p.unitsY = Checked(std::int64_t{k} * PixelsPer100Mm(m.dpiY));
    p.clip = TRect{0, 0, Checked(std::int64_t{p.left} + p.width), Checked(std::int64_t{p.top} + p.height)};
    return p;
}

TPrintFields PrintedFields(const TPrintOptions& aOptions) {
    TPrintFields fields = aOptions.fields;
    if (aOptions.passiveWire) fields.scaleFactor = 1;
    return fields;
}

int TitleBlockTop(const TPrintLayout& aLayout, int aLineHeight, const std::vector<TPrintTextLine>& aForceLines,
                  int aTitleHeight) {
    const std::int64_t top = aForceLines.empty() ? std::int64_t{aLayout.top} + aLayout.height + aLineHeight
                                                 : std::int64_t{aForceLines.back().y} + 2 * std::int64_t{aLineHeight};
    Checked(top + aTitleHeight);
    return Checked(top);
}

std::vector<TPrintTextLine> ForceValueLines(const TPrintLayout& aLayout, int aLineHeight, const TForceMoment& aLeft,
                                            const TForceMoment& aRight,
                                            const std::function<std::string(double)>& aFormat) {
    std::vector<std::string> texts;
    const auto block = [&](const char* aTitle, const TForceMoment& f) {
        texts.emplace_back(aTitle);
        texts.push_back("F(x): " + aFormat(f.x));
        texts.push_back("F(y): " + aFormat(f.y));
        texts.push_back("Moment: " + aFormat(f.m));
        const double magnitude = std::hypot(f.x, f.y);
        texts.push_back("M/F: " + (magnitude == 0.0 ? std::string("Undefined") : aFormat(CheckedDivide(f.m, magnitude))));
    };
    block("Left Bracket", aLeft);
    texts.emplace_back();
    block("Right Bracket", aRight);

    std::vector<TPrintTextLine> lines;
    std::int64_t y = std::int64_t{aLayout.top} + aLayout.height;
    for (std::string& text : texts) {
        y += aLineHeight;
        lines.push_back(TPrintTextLine{aLayout.left, Checked(y), std::move(text)});
    }
    return lines;
}

}  // namespace torvik
