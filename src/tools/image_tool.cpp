#include "tools/image_tool.h"

namespace torvik {

void TImageTool::MouseDown(TMouseButton, TShiftState, int, int) {
    if (!FContext.ImageShown()) return;
    FDragging = true;
}

void TImageTool::MouseMove(TShiftState, int, int) {
    if (!FContext.ImageShown()) return;
}

void TImageTool::MouseUp(TMouseButton, TShiftState, int, int) {
    if (!FContext.ImageShown() || !FDragging) return;
    FDragging = false;
}

void TImageTool::Escape() {
    if (!FDragging) return;
    FDragging = false;
    FContext.DrawDisplay();
}

void TImageTool::Cancel() { FDragging = false; }

}  // namespace torvik
