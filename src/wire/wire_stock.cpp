#include "wire/wire_stock.h"

#include "wire/wire.h"

namespace torvik {

namespace {

TWireStock StockOf(const TWireSeg& aSeg) { return {aSeg.material, aSeg.size}; }

bool HasStock(const TWireSeg& aSeg, const TWireStock& aStock) {
    return aSeg.material == aStock.Material && aSeg.size == aStock.Size;
}

}  // namespace

std::vector<TStockRun> StockRuns(const TWire& aWire) {
    std::vector<TStockRun> runs;
    const std::vector<TWireSeg>& segments = aWire.Segments();
    for (int i = 0; i < static_cast<int>(segments.size()); ++i) {
        const TWireSeg& seg = segments[static_cast<std::size_t>(i)];
        if (!runs.empty() && HasStock(seg, runs.back().Stock))
            ++runs.back().Count;
        else
            runs.push_back({i, 1, StockOf(seg)});
    }
    return runs;
}

std::optional<TWireStock> UniformStock(const TWire& aWire) {
    const std::vector<TWireSeg>& segments = aWire.Segments();
    const TWireStock first = StockOf(segments.front());
    for (const TWireSeg& seg : segments)
        if (!HasStock(seg, first)) return std::nullopt;
    return first;
}

std::string StockCaption(const TWireStock& aStock) {
    const std::string& material = aStock.Material.Name;
    const std::string& size = aStock.Size.Name;
    if (material.empty() || size.empty()) return material + size;
    return material + " " + size;
}

std::string StockCaption(const TWire& aWire) {
    const std::optional<TWireStock> stock = UniformStock(aWire);
    return stock ? StockCaption(*stock) : "mixed";
}

std::string StockRunsText(const TWire& aWire) {
    const std::vector<TStockRun> runs = StockRuns(aWire);
    if (runs.size() == 1) return StockCaption(runs.front().Stock);
    std::string text = "mixed";
    for (const TStockRun& run : runs) {
        text += "\n";
        const int last = run.First + run.Count - 1;
        text += run.Count == 1 ? "segment " + std::to_string(run.First)
                               : "segments " + std::to_string(run.First) + "\u2013" + std::to_string(last);
        text += ": " + StockCaption(run.Stock);
    }
    return text;
}

void ApplyStock(TWire& aWire, const TWireStock& aStock) {
    ApplyMaterial(aWire, aStock.Material);
    ApplyCrossSection(aWire, aStock.Size);
}

void ApplyMaterial(TWire& aWire, const TWireMaterial& aMaterial) {
    for (int i = 0; i < aWire.Count(); ++i) {
        TWireSeg& seg = aWire.Segment(i);
        if (seg.material == aMaterial) continue;
        seg.material = aMaterial;
        aWire.dirty = true;
    }
    aWire.Stock.Material = aMaterial;
}

void ApplyCrossSection(TWire& aWire, const TWireSize& aSize) {
    for (int i = 0; i < aWire.Count(); ++i) {
        TWireSeg& seg = aWire.Segment(i);
        if (seg.size == aSize) continue;
        seg.size = aSize;
        aWire.dirty = true;
    }
    aWire.Stock.Size = aSize;
}

}  // namespace torvik
