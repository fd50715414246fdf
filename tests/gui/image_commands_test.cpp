// Protects the background picture in the window: Open Image (JPEG, BMP), its place under the grid, Show/Hide Image, and unreadable files keeping the previous picture.
#include <QAction>
#include <QImage>

#include "gui_fixture.h"
#include "mainwindow/image_commands.h"

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

}  // namespace
}  // namespace torvik::test
