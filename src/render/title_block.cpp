#include "render/title_block.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <stdexcept>

#include "render/load_units.h"
#include "render/view_mapping.h"
#include "support/text_utils.h"
#include "wire/activation_run.h"
#include "wire/design.h"
#include "wire/loads_engagement.h"
#include "wire/passive_wire.h"
#include "wire/wire_stock.h"

namespace torvik {

namespace {

// The shortest a file name is made: the start of its folder, "…" and the
// end of its name.
constexpr std::size_t LeastNameChars = 12;

// The wire's stock rows: its caption, or "mixed" with its runs.
void AddStockRows(std::vector<TTitleRow>& aRows, const TWire& aWire) {
    const std::vector<TStockRun> runs = StockRuns(aWire);
    if (runs.size() <= 1) {
        aRows.push_back({"Wire:", StockCaption(aWire)});
        return;
    }
    if (runs.size() > MaxTitleStockRuns) {
        aRows.push_back({"Wire:", "mixed, " + std::to_string(runs.size()) + " runs of segments"});
        return;
    }
    // "mixed", then a line per run as the wire's information gives them.
    const std::string text = StockRunsText(aWire);
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t end = text.find('\n', start);
        aRows.push_back({first ? "Wire:" : "", text.substr(start, end - start)});
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

std::string ActivationText(const TDesign& aDesign, const std::function<std::string(double)>& aFormat) {
    double distance = NAN;
    try {
        distance = ActivationDistance(aDesign);
    } catch (const std::exception&) {
        // A wire that cannot be laid out as bent has no distance to tell.
    }
    if (!std::isfinite(distance)) return "undefined";
    return aFormat(distance) + " mm from the wire end as bent to the right bracket";
}

// The value of a row as it is drawn: a file name escaped and shortened
// until it fits aWidth.
std::string Shown(TCanvas& aCanvas, const TTitleRow& aRow, int aWidth) {
    if (!aRow.fileName) return aRow.value;
    std::string shown = ShownFileName(aRow.value);
    for (std::size_t chars = ShownFileNameWidth; chars > LeastNameChars && aCanvas.TextExtent(shown).cx > aWidth;)
        shown = ShownFileName(aRow.value, --chars);
    return shown;
}

}  // namespace

std::vector<TTitleRow> TitleRows(const TDesign& aDesign, const TFileName& aFile, const TActivationSettings& aSettings,
                                 const std::string& aDate, const std::function<std::string(double)>& aFormat) {
    std::vector<TTitleRow> rows;
    if (aFile.Empty())
        rows.push_back({"Design:", "Untitled"});
    else
        rows.push_back({"Design:", aFile.Native(), true});
    AddStockRows(rows, *aDesign.CurrentWire);
    rows.push_back({"Target:", std::string(TargetCaption(aSettings)) + ", " +
                                   EngagementText(LoadsEngagement(aDesign, aSettings))});
    rows.push_back({"Activation:", ActivationText(aDesign, aFormat)});
    rows.push_back({"Units:", LoadUnitsText});
    rows.push_back({"Date:", aDate});
    return rows;
}

int TitleBlockHeight(std::size_t aRows, int aLineHeight) {
    return static_cast<int>(aRows) * aLineHeight + 2 * (aLineHeight / 2);
}

TRect DrawTitleBlock(TCanvas& aCanvas, const std::vector<TTitleRow>& aRows, int x, int y, int aLineHeight,
                     int aMaxWidth) {
    const int pad = aLineHeight / 2;
    int labelWidth = 0;
    for (const TTitleRow& row : aRows) labelWidth = std::max(labelWidth, aCanvas.TextExtent(row.label).cx);
    if (std::int64_t{x} + pad + labelWidth + aLineHeight > INT32_MAX)
        throw std::range_error("The title block lies beyond the drawing's coordinates.");
    const int valueX = x + pad + labelWidth + aLineHeight;

    std::vector<std::string> values;
    int valueWidth = 0;
    for (const TTitleRow& row : aRows) {
        values.push_back(Shown(aCanvas, row, aMaxWidth - (valueX - x) - pad));
        valueWidth = std::max(valueWidth, aCanvas.TextExtent(values.back()).cx);
    }
    const std::int64_t right = std::int64_t{valueX} + valueWidth + pad;
    const std::int64_t bottom = std::int64_t{y} + TitleBlockHeight(aRows.size(), aLineHeight);
    if (right > INT32_MAX || bottom > INT32_MAX)
        throw std::range_error("The title block lies beyond the drawing's coordinates.");
    const TRect frame{x, y, static_cast<int>(right), static_cast<int>(bottom)};

    aCanvas.pen = TPen{colors::Black, 0, TPenStyle::Solid, TPenMode::Copy};
    aCanvas.brush.style = TBrushStyle::Clear;
    aCanvas.transparentBackground = true;
    aCanvas.Rectangle(frame.Left, frame.Top, frame.Right, frame.Bottom);
    for (std::size_t i = 0; i < aRows.size(); ++i) {
        const int rowY = y + pad + static_cast<int>(i) * aLineHeight;
        if (!aRows[i].label.empty()) aCanvas.TextOut(x + pad, rowY, aRows[i].label);
        aCanvas.TextOut(valueX, rowY, values[i]);
    }
    return frame;
}

int PictureHeight(std::size_t aRows) {
    if (aRows == 0) return WorldExtent;
    // A gap below the block as above it, so that the frame's edge is not on
    // the picture's.
    const int height = WorldExtent + 2 * PictureTitleGap + TitleBlockHeight(aRows, PictureTitleLineHeight);
    return (height + 99) / 100 * 100;
}

TRect DrawPictureTitle(TCanvas& aCanvas, const std::vector<TTitleRow>& aRows) {
    return DrawTitleBlock(aCanvas, aRows, 0, WorldExtent + PictureTitleGap, PictureTitleLineHeight, WorldExtent);
}

}  // namespace torvik
