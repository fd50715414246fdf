// Protects the wire information box: its six figures in the user's locale, its buttons and its help request.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "dialogs/edit_wire.h"

namespace torvik {
namespace {

QString Text(const QDialog& aDialog, const char* aName) {
    auto* label = aDialog.findChild<QLabel*>(aName);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(aName);
}

// Sets the default locale for one test.
class TLocaleScope {
public:
    explicit TLocaleScope(const QLocale& aLocale) { QLocale::setDefault(aLocale); }
    ~TLocaleScope() { QLocale::setDefault(FSaved); }

private:
    QLocale FSaved;
};

TEST(EditWireTest, FiguresInTheUsersLocale) {
    TEditWire dialog;
    EXPECT_EQ(dialog.objectName(), "EditWire");
    EXPECT_EQ(dialog.windowTitle(), "Wire");
    EXPECT_EQ(dialog.HelpTopic(), 40);

    TWireInfo info;
    info.TotalLength = 12.345;
    info.DistanceToBracket = 0.004;
    info.AngulationToBracket = -170;
    info.MaxStrain = 9.87654;
    info.MinStrain = 0;
    info.SegmentCount = 1234;
    {
        TLocaleScope comma(QLocale(QLocale::German, QLocale::Germany));
        dialog.Fill(info);
        EXPECT_EQ(Text(dialog, "WLength"), "12,35 mm");  // 12.345 is just below the half
        EXPECT_EQ(Text(dialog, "WDistance"), "0,00 mm");
        EXPECT_EQ(Text(dialog, "WAngulation"), QLocale().negativeSign() + QString::fromUtf8("170,00\u00b0"));
        EXPECT_EQ(Text(dialog, "WMaxStrain"), QString::fromUtf8("9,88\u00b0"));
        EXPECT_EQ(Text(dialog, "WMinStrain"), QString::fromUtf8("0,00\u00b0"));
        // A plain decimal integer, without grouping.
        EXPECT_EQ(Text(dialog, "NumSegsLbl"), "1234");
    }
    TLocaleScope point(QLocale::c());
    dialog.Fill(info);
    EXPECT_EQ(Text(dialog, "WAngulation"), QString::fromUtf8("-170.00\u00b0"));
    EXPECT_EQ(Text(dialog, "WLength"), "12.35 mm");
}

TEST(EditWireTest, CloseAndHelpButtons) {
    TEditWire dialog;
    auto* close = dialog.findChild<QPushButton*>("OKBtn");
    auto* help = dialog.findChild<QPushButton*>("HelpBut");
    ASSERT_NE(close, nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(close->text(), "&Close");
    EXPECT_EQ(help->text(), "&Help");

    QSignalSpy helpRequests(&dialog, &TTorvikDialog::helpRequested);
    help->click();
    ASSERT_EQ(helpRequests.size(), 1);
    EXPECT_EQ(helpRequests.front().front().toInt(), 40);

    dialog.show();
    close->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace torvik
