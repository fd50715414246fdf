#pragma once
// The title block of a printout or an exported picture: which design, wire
// and activation its numbers belong to. Its rows come from the design; the
// block is laid out and drawn on any canvas, in the canvas's own units.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "support/file_name.h"

namespace torvik {

struct TDesign;
struct TActivationSettings;

struct TTitleRow {
    std::string label;  // "Design:"; empty on a row that goes on with the one above
    std::string value;
    // The value is a file's name as the system gives it: it is shown escaped,
    // and shortened in the middle as far as the block's width asks.
    bool fileName = false;
};

// A mixed wire's runs of stock get a row each up to this many; more are
// counted instead.
constexpr std::size_t MaxTitleStockRuns = 3;

// The rows: "Design:" the file (or "Untitled"), "Wire:" the wire's stock
// (for a mixed wire "mixed" and its runs), "Target:" the target with how far
// the loads meet it, "Activation:" the distance from the end of the wire as
// bent to the right bracket, "Units:", and "Date:" aDate. aFormat writes a
// number of mm (in the user's locale); a distance that is not a number reads
// "undefined".
std::vector<TTitleRow> TitleRows(const TDesign& aDesign, const TFileName& aFile, const TActivationSettings& aSettings,
                                 const std::string& aDate, const std::function<std::string(double)>& aFormat);

// The height of the block of aRows rows: a line height each and half a line
// height above and below.
int TitleBlockHeight(std::size_t aRows, int aLineHeight);

// Draws the block with its frame's top-left corner at (x, y): the labels in
// a column, the values a line height to the right of the widest label, one
// row a line height below the other, in a thin black frame half a line
// height from the text. A file name is shortened so that the frame is at
// most aMaxWidth wide. Returns the frame.
TRect DrawTitleBlock(TCanvas& aCanvas, const std::vector<TTitleRow>& aRows, int x, int y, int aLineHeight,
                     int aMaxWidth);

// The title block of an exported picture of the 100 mm design area, in its
// logical units: below the design area, as wide as it at most.
constexpr int PictureTitleGap = 200;         // 2 mm from the design area
constexpr int PictureTitleLineHeight = 300;  // 3 mm a row
constexpr int PictureTitleTextHeight = 220;  // the text's pixel size

// The height of a picture of the design area with aRows title rows below
// it (none: the design area alone), in whole millimetres.
int PictureHeight(std::size_t aRows);
// Draws the title block below the design area.
TRect DrawPictureTitle(TCanvas& aCanvas, const std::vector<TTitleRow>& aRows);

}  // namespace torvik
