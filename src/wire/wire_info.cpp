#include "wire/wire_info.h"

#include "wire/wire_stock.h"

namespace torvik {

TWireInfo WireInfo(const TDesign& aDesign) {
    const TWire& wire = *aDesign.CurrentWire;
    const TBracket& bracket = aDesign.RightBracket;
    TWireInfo info;
    info.TotalLength = wire.TotalLength();
    info.DistanceToBracket = Distance(wire.Corner(), *bracket.Origin());
    info.AngulationToBracket = ToDegrees(AngleDiff(bracket.Direction(), wire.EndDirection()));
    info.MaxStrain = ToDegrees(wire.MaxStrain());
    info.MinStrain = ToDegrees(wire.MinStrain());
    info.SegmentCount = wire.Count();
    info.Stock = StockRunsText(wire);
    return info;
}

}  // namespace torvik
