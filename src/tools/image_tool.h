#pragma once
// The image tool: drags and sizes the background image. Hovering chooses
// what a drag acts on (a handle, shown by its sizing cursor, or the whole
// image); a drag moves the image or resizes it, corner handles keeping its
// aspect ratio unless Ctrl is held, and the status panel reads the distance
// from the press; a double click moves the image's corner to the origin;
// Esc puts it back as it was at the press. Its presses, moves and releases
// do nothing while no image is loaded and shown.

#include "tools/tool.h"

namespace torvik {

class TImagePlacement;

class TImageTool : public TTool {
public:
    using TTool::TTool;

    TCursorId Cursor() const override { return TCursorId::ImageTrans; }
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;
    void MouseUp(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    bool Escape() override;
    void Cancel() override;

    bool Dragging() const;

private:
    // The image when it is loaded and shown, else null.
    TImagePlacement* ShownImage() const;
};

}  // namespace torvik
