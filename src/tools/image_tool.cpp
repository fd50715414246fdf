#include "tools/image_tool.h"

#include "render/image_placement.h"

namespace torvik {

namespace {

TCursorId CursorOf(int aImageCursor) {
    switch (aImageCursor) {
        case SizeCursorNWSE: return TCursorId::SizeNWSE;
        case SizeCursorNS: return TCursorId::SizeNS;
        case SizeCursorNESW: return TCursorId::SizeNESW;
        case SizeCursorWE: return TCursorId::SizeWE;
        default: return TCursorId::ImageTrans;
    }
}

}  // namespace

TImagePlacement* TImageTool::ShownImage() const {
    TImagePlacement* image = FContext.BackgroundImage();
    return image && image->Active() ? image : nullptr;
}

bool TImageTool::Dragging() const {
    const TImagePlacement* image = FContext.BackgroundImage();
    return image && image->Dragging();
}

void TImageTool::MouseDown(TMouseButton, TShiftState aShift, int X, int Y) {
    TImagePlacement* image = ShownImage();
    if (!image) return;
    image->Press(X, Y, aShift.Double);
    // A double click has moved the image to the origin.
    if (aShift.Double) FContext.DrawDisplay();
}

void TImageTool::MouseMove(TShiftState aShift, int X, int Y) {
    TImagePlacement* image = ShownImage();
    if (!image) return;
    if (!image->Dragging()) {
        FContext.SetCursor(CursorOf(image->Hover(X, Y)));
        return;
    }
    image->Drag(X, Y, aShift.Ctrl);
    FContext.DrawDisplay();
    FContext.SetStatus(ImageDragText(image->PressPoint(), TPoint{X, Y},
                                     [this](double v) { return FContext.FormatNumber(v, "0.#"); }));
}

void TImageTool::MouseUp(TMouseButton, TShiftState, int, int) {
    if (TImagePlacement* image = ShownImage()) image->Release();
}

bool TImageTool::Escape() {
    TImagePlacement* image = FContext.BackgroundImage();
    if (!image || !image->Cancel()) return false;
    FContext.DrawDisplay();
    return true;
}

void TImageTool::Cancel() {
    // Leaving the tool mid-drag puts the image back as it was.
    if (TImagePlacement* image = FContext.BackgroundImage()) image->Cancel();
}

}  // namespace torvik
