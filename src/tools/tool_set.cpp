#include "tools/tool_set.h"

#include <stdexcept>

#include "tools/bracket_tools.h"
#include "tools/image_tool.h"
#include "tools/wire_tools.h"
#include "tools/zoom_tool.h"

namespace torvik {

TToolSet::TToolSet(TToolContext& aContext) {
    FTools[ToolBracket] = std::make_unique<TBracketMoveTool>(aContext);
    FTools[ToolRotate] = std::make_unique<TBracketRotateTool>(aContext);
    FTools[ToolSpool] = std::make_unique<TSpoolTool>(aContext);
    FTools[ToolCutter] = std::make_unique<TCutterTool>(aContext);
    FTools[ToolPlier] = std::make_unique<TPlierTool>(aContext);
    FTools[ToolZoom] = std::make_unique<TZoomTool>(aContext);
    FTools[ToolPencil] = std::make_unique<TPencilTool>(aContext);
    FTools[ToolImage] = std::make_unique<TImageTool>(aContext);
}

TTool& TToolSet::Tool(int aNumber) {
    if (aNumber < 0 || aNumber >= ToolCount) throw std::out_of_range("No tool " + std::to_string(aNumber));
    return *FTools[static_cast<std::size_t>(aNumber)];
}

bool TToolSet::Select(int aNumber) {
    if (aNumber < 0 || aNumber >= ToolCount) return false;
    CancelAll();
    FCurrent = aNumber;
    return true;
}

void TToolSet::CancelAll() {
    for (auto& tool : FTools) tool->Cancel();
}

}  // namespace torvik
