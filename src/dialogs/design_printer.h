#pragma once
// Prints the design on a QPrinter at true size (or enlarged by a whole
// factor), through the same drawing code as the screen: grid, wire,
// brackets and force arrows under the page's mapping and clipping (or a
// bending template: the wire as bent with the activated wire over it), then
// the block of force values and the title block below the graphic.

#include <memory>
#include <vector>

#include "render/print_layout.h"
#include "render/title_block.h"
#include "render/view_settings.h"

class QPainter;
class QPrinter;

namespace torvik {

struct TDesign;

class TDesignPrinter {
public:
    // The design and the view settings it is drawn with; both must outlive
    // the printer object. aTitle is the title block below the force values
    // (none when empty).
    TDesignPrinter(const TDesign& aDesign, const TViewSettings& aView, int aGridDensity,
                   std::vector<TTitleRow> aTitle = {});
    virtual ~TDesignPrinter();

    // Prints one page. The printer takes the options' orientation for the
    // job and gets its own back afterwards, also when printing fails. A
    // failure after the job has started aborts the job (a PDF file being
    // written is removed) and is passed on; nothing is printed when the page
    // cannot be laid out.
    void Print(QPrinter& aPrinter, const TPrintOptions& aOptions);

    // The printer's resolution, printing offset, paper size and text line
    // height, in printer pixels, for its current orientation.
    static TPrintMeasures Measures(QPrinter& aPrinter);

protected:
    // Draws the page on the printer's active painter.
    virtual void DrawPage(QPainter& aPainter, const TPrintLayout& aLayout, const TPrintOptions& aOptions,
                          const std::vector<TPrintTextLine>& aLines);

private:
    void PrintJob(QPrinter& aPrinter, const TPrintOptions& aOptions);

    const TDesign& FDesign;
    TViewSettings FView;
    int FGridDensity;
    std::vector<TTitleRow> FTitle;

    // What the page being printed draws besides the layout: the design as
    // bent for a template, and the title block's place and line height.
    struct TPageExtras {
        std::unique_ptr<TDesign> bent;
        int titleTop = 0;
        int lineHeight = 0;
        int titleWidth = 0;
    };
    TPageExtras FPage;
};

}  // namespace torvik
