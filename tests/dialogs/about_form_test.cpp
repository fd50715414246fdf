// Protects the about box: its caption, name, icon, version line from the build, the help link and OK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

#include "dialogs/about_form.h"
#include "support/help_topics.h"
#include "support/version.h"

namespace torvik {
namespace {

TEST(AboutFormTest, NameIconVersionLinkAndOk) {
    // The program's icon, as the program sets it at start.
    const QIcon savedIcon = QApplication::windowIcon();
    QPixmap icon(32, 32);
    icon.fill(Qt::darkCyan);
    QApplication::setWindowIcon(QIcon(icon));

    TAboutForm about;
    EXPECT_EQ(about.objectName(), "AboutForm");
    EXPECT_EQ(about.windowTitle(), "About Torvik");
    EXPECT_EQ(about.findChild<QPushButton*>("HelpBut"), nullptr);

    auto* name = about.findChild<QLabel*>("ProgramName");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Torvik");
    EXPECT_TRUE(name->font().bold());
    EXPECT_GT(name->font().pointSizeF(), about.font().pointSizeF());

    auto* version = about.findChild<QLabel*>("Version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version " + QString::fromStdString(GetProgramVersion()));
    EXPECT_TRUE(version->text().contains(QRegularExpression(R"(^Version \d+\.\d+\.\d+\.\d+$)")));

    about.show();
    auto* programIcon = about.findChild<QLabel*>("ProgramIcon");
    ASSERT_NE(programIcon, nullptr);
    EXPECT_FALSE(programIcon->pixmap().isNull());
    EXPECT_EQ(programIcon->pixmap().toImage().pixelColor(16, 16), QColor(Qt::darkCyan));

    // The link leads to the help contents.
    QSignalSpy helpRequests(&about, &TTorvikDialog::helpRequested);
    auto* link = about.findChild<QLabel*>("LinkLabel1");
    ASSERT_NE(link, nullptr);
    emit link->linkActivated("help:contents");
    ASSERT_EQ(helpRequests.size(), 1);
    EXPECT_EQ(helpRequests.front().front().toInt(), HelpContents);

    about.findChild<QPushButton*>("OKBut")->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
    QApplication::setWindowIcon(savedIcon);
}

}  // namespace
}  // namespace torvik
