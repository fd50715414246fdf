#pragma once
// The image tool: drags and sizes the background image. Its presses, moves
// and releases reach it only while an image is loaded and shown; with none
// they do nothing. Esc cancels a drag. The image's placement, its handles
// and their sizing cursors come with the background image itself, which
// extends MouseDown and MouseUp below and adds MouseMove.

#include "tools/tool.h"

namespace torvik {

class TImageTool : public TTool {
public:
    using TTool::TTool;

    TCursorId Cursor() const override { return TCursorId::ImageTrans; }
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseUp(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    bool Escape() override;
    void Cancel() override;

    bool Dragging() const { return FDragging; }

private:
    bool FDragging = false;
};

}  // namespace torvik
