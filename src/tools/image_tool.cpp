#include "tools/image_tool.h"

namespace torvik {

void TImageTool::MouseDown(TMouseButton, TShiftState, int, int) {
    if (!FContext.ImageShown()) return;
    FDragging = true;
}

void TImageTool::MouseUp(TMouseButton, TShiftState, int, int) {
    if (!FContext.ImageShown() || !FDragging) return;
    FDragging = false;
}

bool TImageTool::Escape() {
    if (!FDragging) return false;
    FDragging = false;
    FContext.DrawDisplay();
    return true;
}

void TImageTool::Cancel() { FDragging = false; }

}  // namespace torvik
