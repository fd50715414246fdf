// Protects the background picture in the window: Open Image (JPEG, BMP), its place under the grid, Show/Hide Image,
// unreadable files keeping the previous picture, Image Resolution, and the image tool's mouse gestures and handles, placed even out of view.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QTest>

#include "gui_fixture.h"
#include "mainwindow/display_widget.h"
#include "mainwindow/image_commands.h"
#include "support/numbers.h"

namespace torvik::test {
namespace {

class TImageCommandsTest : public TGuiTest {
protected:
    TImageCommands& Images() { return *FForm->findChild<TImageCommands*>(); }

    // A picture of one colour, written by Qt in aFormat.
    QString WritePicture(const QString& aName, QSize aSize, QColor aColour, const char* aFormat) {
        QImage image(aSize, QImage::Format_RGB32);
        image.fill(aColour);
        const QString file = Path(aName);
        EXPECT_TRUE(image.save(file, aFormat, 95));
        return file;
    }

    // The display's pixel at a logical point (0.01 mm).
    QRgb DisplayAt(int X, int Y) {
        const TPoint p = FForm->Mapping().LogicalToDevice(TPoint{X, Y});
        return FForm->DisplayImage().pixel(p.X, p.Y);
    }

    void Open(const QString& aFile) {
        FDialogs->openNames.push_back(aFile);
        Trigger("ActionFileOpenImage");
    }

    TDisplayWidget* Display() const { return FForm->findChild<TDisplayWidget*>("Display"); }
    // A mouse event of aType on the display at device pixel aAt.
    void Mouse(QEvent::Type aType, QPoint aAt, Qt::KeyboardModifiers aKeys = {}) {
        const QPointF local(aAt);
        const bool move = aType == QEvent::MouseMove;
        QMouseEvent event(aType, local, Display()->mapToGlobal(local), move ? Qt::NoButton : Qt::LeftButton,
                          aType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, aKeys);
        QApplication::sendEvent(Display(), &event);
    }
    TPoint Logical(QPoint aDevice) const { return FForm->Mapping().DeviceToLogical(TPoint{aDevice.x(), aDevice.y()}); }
    QPoint Device(TPoint aLogical) const {
        const TPoint d = FForm->Mapping().LogicalToDevice(aLogical);
        return QPoint(d.X, d.Y);
    }
    // Pure red or black pixels (a handle) within two pixels of aLogical.
    bool HandleAt(TPoint aLogical) {
        const QPoint c = Device(aLogical);
        for (int y = c.y() - 2; y <= c.y() + 2; ++y)
            for (int x = c.x() - 2; x <= c.x() + 2; ++x) {
                const QRgb p = FForm->DisplayImage().pixel(x, y);
                if (p == qRgb(255, 0, 0) || p == qRgb(0, 0, 0)) return true;
            }
        return false;
    }
    // Answers the resolution question with aText; the proposal it showed.
    QString AnswerResolution(const QString& aText) {
        QString shown;
        FDialogs->dialogScripts.push_back([&shown, aText](QDialog& aDialog) {
            EXPECT_EQ(aDialog.findChild<QLabel*>("InputTextLbl")->text(), "Resolution (dpi): ");
            auto* edit = aDialog.findChild<QLineEdit*>("InputEd");
            shown = edit->text();
            edit->setText(aText);
            return int(QDialog::Accepted);
        });
        Trigger("ActionSetImageRes");
        return shown;
    }
};

bool Reddish(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }

TEST_F(TImageCommandsTest, OpenShowHideAndKeepOnFailure) {
    TMainForm& form = Start();
    ASSERT_TRUE(form.Action("ActionFileOpenImage")->isEnabled());
    ASSERT_TRUE(form.Action("ActionViewImage")->isChecked());
    Trigger("MenuViewFitAll");  // the whole design area in view
    // Between grid lines, 1.5 mm from the corner: white before any picture.
    EXPECT_EQ(DisplayAt(1150, 1150), qRgb(255, 255, 255));

    // A 600 x 400 JPEG lies from the origin to (101.6, 67.73) mm, under the
    // grid and the wire.
    const QString jpeg = WritePicture("photo.jpg", QSize(600, 400), Qt::red, "JPG");
    Open(jpeg);
    ASSERT_TRUE(FDialogs->Of("error").empty());
    ASSERT_EQ(FDialogs->Of("open").size(), 1u);
    EXPECT_EQ(FDialogs->imageOpens, 1);  // the dialog with the preview
    EXPECT_TRUE(FDialogs->Of("open")[0].text.startsWith("All (*.jpg *.jpeg *.bmp *.png)"));
    EXPECT_EQ(Images().Picture().size(), QSize(600, 400));
    EXPECT_EQ(Images().Placement().Offset(), (TPoint{0, 0}));
    EXPECT_TRUE(Reddish(DisplayAt(1150, 1150)));
    EXPECT_TRUE(Reddish(DisplayAt(10100, 6700)));
    EXPECT_EQ(DisplayAt(10250, 6700), qRgb(255, 255, 255));
    EXPECT_EQ(DisplayAt(1150, 6850), qRgb(255, 255, 255));
    // The grid is drawn over it.
    EXPECT_EQ(DisplayAt(1000, 1150), qRgb(128, 128, 128));

    // Show/Hide Image hides and shows it again, with the check mark.
    Trigger("ActionViewImage");
    EXPECT_FALSE(form.Action("ActionViewImage")->isChecked());
    EXPECT_FALSE(Images().Placement().Visible());
    EXPECT_EQ(DisplayAt(1150, 1150), qRgb(255, 255, 255));
    Trigger("ActionViewImage");
    EXPECT_TRUE(form.Action("ActionViewImage")->isChecked());
    EXPECT_TRUE(Reddish(DisplayAt(1150, 1150)));

    // A file the program does not read, or one that is damaged: a message,
    // and the previous picture stays.
    const QString gif = WritePicture("photo.gif", QSize(20, 20), Qt::blue, "PNG");
    Open(gif);
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error")[0].text, "Unable to read the image " + gif + ".");
    const QString broken = Path("broken.jpg");
    WriteText(broken, "no picture");
    Open(broken);
    ASSERT_EQ(FDialogs->Of("error").size(), 2u);
    EXPECT_EQ(FDialogs->Of("error")[1].text, "Unable to read the image " + broken + ".");
    EXPECT_EQ(Images().Picture().size(), QSize(600, 400));
    EXPECT_TRUE(Reddish(DisplayAt(1150, 1150)));

    // A bitmap replaces it at the same place and resolution; the dialog
    // starts in the folder of the picture opened last.
    Images().Placement().SetOffset(TPoint{1000, 2000});
    Images().Placement().SetResolution(300);
    const QString bmp = WritePicture("trace.bmp", QSize(200, 100), Qt::blue, "BMP");
    Open(bmp);
    EXPECT_EQ(FDialogs->folders.back(), Path(""));
    EXPECT_EQ(Images().Picture().size(), QSize(200, 100));
    EXPECT_EQ(Images().Placement().Offset(), (TPoint{1000, 2000}));
    EXPECT_DOUBLE_EQ(Images().Placement().Resolution(), 300);
    EXPECT_EQ(DisplayAt(1850, 2450), qRgb(0, 0, 255));
    EXPECT_EQ(DisplayAt(1000 + 1693 + 20, 2000 + 500), qRgb(255, 255, 255));

    // Cancelling the dialog changes nothing; New keeps the picture.
    Trigger("ActionFileOpenImage");
    EXPECT_EQ(Images().Picture().size(), QSize(200, 100));
    Trigger("ActionFileNew");
    EXPECT_EQ(DisplayAt(1850, 2450), qRgb(0, 0, 255));
}

TEST_F(TImageCommandsTest, ImageResolution) {
    Start();
    // Without a picture the command does nothing.
    Trigger("ActionSetImageRes");
    EXPECT_TRUE(FDialogs->Of("dialog").empty());

    Open(WritePicture("photo.jpg", QSize(600, 400), Qt::red, "JPG"));
    TImagePlacement& image = Images().Placement();
    image.SetOffset(TPoint{500, 700});
    image.SetScale(20, 30);
    // The proposal is the horizontal resolution; the answer gives square
    // pixels and keeps the top-left corner.
    EXPECT_EQ(AnswerResolution("300"), "127");
    EXPECT_DOUBLE_EQ(image.ScaleX(), 2540.0 / 300);
    EXPECT_DOUBLE_EQ(image.ScaleY(), 2540.0 / 300);
    EXPECT_EQ(image.Offset(), (TPoint{500, 700}));
    EXPECT_EQ(AnswerResolution("150"), "300");
    EXPECT_NEAR(image.Rect().Right - 500, 10160, 1e-6);

    // Not a number, not positive, or so small that the picture would reach
    // beyond what can be drawn: an error, nothing changes.
    for (const char* bad : {"abc", "0", "-72", "1e-300"}) {
        AnswerResolution(bad);
        ASSERT_FALSE(FDialogs->Of("error").empty()) << bad;
        EXPECT_EQ(FDialogs->Of("error").back().text, "Incorrect value entered.");
        EXPECT_EQ(FormatMask(image.Resolution(), "#.##"), "150") << bad;
    }
    EXPECT_EQ(FDialogs->Of("error").size(), 4u);

    // Cancelled: nothing changes. In a comma locale the number has a comma.
    Trigger("ActionSetImageRes");
    EXPECT_EQ(FormatMask(image.Resolution(), "#.##"), "150");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    image.SetResolution(254 / 2.0);
    EXPECT_EQ(AnswerResolution("96,5"), "127");
    EXPECT_DOUBLE_EQ(image.Resolution(), 96.5);
    QLocale::setDefault(QLocale::c());
}

TEST_F(TImageCommandsTest, ImageToolOnTheDisplay) {
    TMainForm& form = Start();
    Trigger("MenuViewFitAll");
    Open(WritePicture("trace.bmp", QSize(600, 400), Qt::blue, "BMP"));
    TImagePlacement& image = Images().Placement();
    // At 300 dpi, close up to the middle of the right edge, where a handle
    // is 10 units (16 pixels at 1200 %) wide.
    image.SetResolution(300);
    const TPoint middleRight{5080, 1693};
    Trigger("ActionToolZoom");
    while (form.Mapping().Zoom() < MaxZoom) {
        Mouse(QEvent::MouseButtonPress, Device(middleRight));
        Mouse(QEvent::MouseButtonRelease, Device(middleRight));
    }
    // The handles show with the image tool only: a black square with a red
    // frame.
    EXPECT_FALSE(HandleAt(middleRight));
    Trigger("ActionToolImageMove");
    ASSERT_EQ(form.CurrentTool(), ToolImage);
    EXPECT_EQ(FForm->DisplayImage().pixel(Device(middleRight)), qRgb(0, 0, 0));
    EXPECT_EQ(FForm->DisplayImage().pixel(Device(TPoint{5080 - 5, 1693})), qRgb(255, 0, 0));
    EXPECT_TRUE(HandleAt(middleRight));

    // A drag inside the picture moves it by the mouse's logical way, and the
    // status panel reads the press point minus the current point.
    const QPoint from = Device(TPoint{4900, 1600}), to = from + QPoint(12, 5);
    Mouse(QEvent::MouseMove, from);
    Mouse(QEvent::MouseButtonPress, from);
    Mouse(QEvent::MouseMove, to);
    const TPoint way{Logical(to).X - Logical(from).X, Logical(to).Y - Logical(from).Y};
    EXPECT_EQ(image.Offset(), way);
    EXPECT_EQ(form.findChild<QLabel*>("PanelBottom")->text(),
              QString(" dx: %1 dy: %2").arg(-way.X).arg(-way.Y));
    // Esc puts it back exactly.
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(image.Offset(), (TPoint{0, 0}));
    EXPECT_FALSE(image.Dragging());
    Mouse(QEvent::MouseButtonRelease, to);

    // Moved again and released, then a double click takes it back to the
    // design area's origin.
    Mouse(QEvent::MouseButtonPress, from);
    Mouse(QEvent::MouseMove, to);
    Mouse(QEvent::MouseButtonRelease, to);
    EXPECT_EQ(image.Offset(), way);
    Mouse(QEvent::MouseButtonPress, to);
    Mouse(QEvent::MouseButtonRelease, to);
    Mouse(QEvent::MouseButtonDblClick, to);
    Mouse(QEvent::MouseButtonRelease, to);
    EXPECT_EQ(image.Offset(), (TPoint{0, 0}));
    EXPECT_DOUBLE_EQ(image.ScaleX(), 2540.0 / 300);

    // Hidden, the picture does not move.
    Trigger("ActionViewImage");
    Mouse(QEvent::MouseButtonPress, from);
    Mouse(QEvent::MouseMove, to);
    Mouse(QEvent::MouseButtonRelease, to);
    EXPECT_EQ(image.Offset(), (TPoint{0, 0}));
    EXPECT_FALSE(HandleAt(middleRight));
}

TEST_F(TImageCommandsTest, HandlesFollowThePictureOutOfView) {
    TMainForm& form = Start();
    Trigger("MenuViewFitAll");
    Open(WritePicture("trace.bmp", QSize(300, 200), Qt::blue, "BMP"));
    TImagePlacement& image = Images().Placement();
    // Close up to the picture's bottom-right corner, with the image tool.
    const TPoint corner{5080, 3387};
    Trigger("ActionToolZoom");
    while (form.Mapping().Zoom() < MaxZoom) {
        Mouse(QEvent::MouseButtonPress, Device(corner));
        Mouse(QEvent::MouseButtonRelease, Device(corner));
    }
    Trigger("ActionToolImageMove");
    Mouse(QEvent::MouseMove, Device(corner));
    EXPECT_EQ(image.ActiveHandle(), 8);

    // At 300 dpi the picture shrinks out of view: its handles go with it,
    // and the place of the old corner moves the picture, not resizes it.
    AnswerResolution("300");
    const TRect shown = form.Mapping().VisibleRect();
    ASSERT_LT(image.Rect().Right, shown.Left);
    Mouse(QEvent::MouseMove, Device(corner));
    EXPECT_EQ(image.ActiveHandle(), 0);
    EXPECT_EQ(image.AboveImageMarker(corner.X, corner.Y), nullptr);

    // Back in view, the handle is hit at the new corner.
    Trigger("MenuViewFitAll");
    Mouse(QEvent::MouseMove, Device(TPoint{2540, 1693}));
    EXPECT_EQ(image.ActiveHandle(), 8);
}

}  // namespace
}  // namespace torvik::test
