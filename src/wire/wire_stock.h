#pragma once
// The stock of a wire: the material and cross-section its segments carry,
// grouped into runs of consecutive segments; the captions that name it on
// screen, on paper and on the command line; and giving a whole wire one
// stock, or one material or cross-section.

#include <optional>
#include <string>
#include <vector>

#include "wire/materials.h"

namespace torvik {

class TWire;

// Consecutive segments of the same stock.
struct TStockRun {
    int First = 0;  // index of the run's first segment
    int Count = 0;  // its number of segments, at least 1
    TWireStock Stock;
    friend bool operator==(const TStockRun&, const TStockRun&) = default;
};

// The wire's segments from the first, as runs of equal stock: one run for a
// wire of one stock.
std::vector<TStockRun> StockRuns(const TWire& aWire);
// The stock that every segment carries; none for a mixed wire.
std::optional<TWireStock> UniformStock(const TWire& aWire);

// "Stainless Steel 0.016 x 0.022": the material's name, then the
// cross-section's (an empty name is left out).
std::string StockCaption(const TWireStock& aStock);
// The caption of the stock of a wire of one stock; "mixed" for a mixed one.
std::string StockCaption(const TWire& aWire);
// The caption of a wire of one stock; for a mixed wire "mixed" and a line
// per run: "segments 0–39: Stainless Steel 0.016" (segment i ends at node i).
std::string StockRunsText(const TWire& aWire);

// Gives every segment aStock, and the segments added from now on too;
// marks the wire changed when a segment's stock changed.
void ApplyStock(TWire& aWire, const TWireStock& aStock);
// The same for the material alone, each segment keeping its cross-section.
void ApplyMaterial(TWire& aWire, const TWireMaterial& aMaterial);
// The same for the cross-section alone, each segment keeping its material.
void ApplyCrossSection(TWire& aWire, const TWireSize& aSize);

}  // namespace torvik
