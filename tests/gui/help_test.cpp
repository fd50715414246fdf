// Protects the help: Help > Contents and topics opening in one reused help window, the messages for missing pages and folders, help above a modal dialog, closing with the main window, the links between the pages, and the movement bands the pages give.
#include <QDialog>
#include <QDirIterator>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "dialogs/help_window.h"
#include "gui_fixture.h"
#include "mainwindow/paths.h"
#include "support/help_topics.h"
#include "wire/centre_of_resistance.h"

namespace torvik::test {
namespace {

class THelpTest : public TGuiTest {
protected:
    // A help folder of the given pages, each titled with its own name and
    // linking to the next one.
    QString WriteHelp(const QStringList& aPages) {
        const QString folder = Path("help");
        EXPECT_TRUE(QDir().mkpath(folder));
        for (const QString& page : aPages)
            WriteText(folder + "/" + page, "<html><head><title>" + page + "</title></head><body><p>Page " + page +
                                               "</p><a href=\"" + aPages.last() + "\">last</a> <a "
                                               "href=\"gone.html\">gone</a></body></html>");
        return folder;
    }

    TMainForm& StartWithHelp(const QString& aFolder) {
        FPaths.HelpFolder = aFolder.toStdString();
        return Start();
    }

    THelpWindow* Help() { return FForm->findChild<THelpWindow*>("HelpWindow"); }
    QString Shown() { return Help()->Browser()->toPlainText(); }
};

TEST_F(THelpTest, ContentsAndTopicsInOneWindow) {
    TMainForm& form = StartWithHelp(TORVIK_HELP_DIR);
    EXPECT_EQ(Help(), nullptr);
    ASSERT_TRUE(form.Action("MenuHelpContents")->isEnabled());
    Trigger("MenuHelpContents");
    ASSERT_NE(Help(), nullptr);
    EXPECT_TRUE(Help()->isVisible());
    EXPECT_EQ(Help()->CurrentPage(), "index.html");
    EXPECT_TRUE(Help()->windowTitle().startsWith("Torvik Help")) << Help()->windowTitle().toStdString();
    EXPECT_TRUE(Shown().contains("Wire information")) << Shown().toStdString();

    form.ShowHelp(HelpWireInfo);
    EXPECT_EQ(Help()->CurrentPage(), "wire-info.html");
    EXPECT_TRUE(Shown().contains("Angulation to Bracket")) << Shown().toStdString();
    form.ShowHelp(HelpUserLoop);
    EXPECT_EQ(Help()->CurrentPage(), "user-loop.html");
    // One window, reused, with its history.
    EXPECT_EQ(form.findChildren<THelpWindow*>().size(), 1);
    auto* back = Help()->findChild<QToolButton*>("HelpBack");
    auto* forward = Help()->findChild<QToolButton*>("HelpForward");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(Help()->CurrentPage(), "wire-info.html");
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(Help()->CurrentPage(), "user-loop.html");
    Help()->findChild<QToolButton*>("HelpContents")->click();
    EXPECT_EQ(Help()->CurrentPage(), "index.html");

    // A closed window opens again at the topic asked for.
    Help()->close();
    form.ShowHelpContents();
    EXPECT_TRUE(Help()->isVisible());
    EXPECT_EQ(form.findChildren<THelpWindow*>().size(), 1);
}

TEST_F(THelpTest, MissingPagesAndFoldersGiveAMessage) {
    const QString folder = WriteHelp({"index.html", "wire-info.html"});
    TMainForm& form = StartWithHelp(folder);
    form.ShowHelp(HelpWireInfo);
    EXPECT_TRUE(Shown().contains("Page wire-info.html"));
    EXPECT_EQ(Help()->windowTitle(), "Torvik Help - wire-info.html");

    // A topic whose page is missing.
    form.ShowHelp(HelpUserLoop);
    EXPECT_EQ(Help()->CurrentPage(), "user-loop.html");
    EXPECT_TRUE(Shown().contains("The help page user-loop.html was not found in the help folder"))
        << Shown().toStdString();
    EXPECT_TRUE(Shown().contains("Go to the contents"));
    // A link to a missing page.
    form.ShowHelpContents();
    Help()->Browser()->setSource(QUrl("gone.html"));
    EXPECT_TRUE(Shown().contains("The help page gone.html was not found")) << Shown().toStdString();
    // The page appears meanwhile: asking again shows it.
    WriteText(folder + "/user-loop.html", "<html><body>Loop page</body></html>");
    form.ShowHelp(HelpUserLoop);
    EXPECT_TRUE(Shown().contains("Loop page")) << Shown().toStdString();

    // A number that is no topic.
    form.ShowHelp(77);
    EXPECT_TRUE(Shown().contains("no help page for topic 77"));
    EXPECT_EQ(Help()->CurrentPage(), "");
    // The same page as before the message is shown again, not the message.
    form.ShowHelp(HelpUserLoop);
    EXPECT_TRUE(Shown().contains("Loop page")) << Shown().toStdString();
}

TEST_F(THelpTest, MissingHelpFolder) {
    TMainForm& form = StartWithHelp(Path("nowhere"));
    form.ShowHelpContents();
    ASSERT_NE(Help(), nullptr);
    EXPECT_TRUE(Help()->isVisible());
    EXPECT_TRUE(Shown().contains("Help is not available"));
    EXPECT_TRUE(Shown().contains("The help folder " + Path("nowhere") + " does not exist.")) << Shown().toStdString();
    form.ShowHelp(HelpWireInfo);
    EXPECT_TRUE(Shown().contains("does not exist"));
    EXPECT_EQ(Help()->CurrentPage(), "");
    EXPECT_TRUE(FDialogs->Of("error").empty());
}

TEST_F(THelpTest, NoHelpFolderKnown) {
    TMainForm& form = StartWithHelp("");
    form.ShowHelp(HelpWireInfo);
    EXPECT_TRUE(Shown().contains("does not know where its help pages are"));
}

// A window shown while a modal dialog is open is blocked, unless it stands
// above that dialog.
class TBlockWatch : public QObject {
public:
    bool blocked = false;
    bool eventFilter(QObject*, QEvent* aEvent) override {
        if (aEvent->type() == QEvent::WindowBlocked) blocked = true;
        if (aEvent->type() == QEvent::WindowUnblocked) blocked = false;
        return false;
    }
};

TEST_F(THelpTest, HelpFromAModalDialogIsNotBlockedByIt) {
    TMainForm& form = StartWithHelp(TORVIK_HELP_DIR);
    form.ShowHelpContents();
    TBlockWatch watch;
    Help()->installEventFilter(&watch);

    QDialog dialog(&form);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    // The open help window is blocked by the dialog, until the dialog asks
    // for help.
    EXPECT_TRUE(watch.blocked);
    form.ShowHelp(HelpWireInfo);
    QApplication::processEvents();
    EXPECT_EQ(Help()->parentWidget(), &dialog);
    EXPECT_FALSE(watch.blocked);
    EXPECT_TRUE(Help()->isVisible());
    EXPECT_EQ(Help()->CurrentPage(), "wire-info.html");

    // Closing the dialog hands the window back to the main window, open.
    dialog.hide();
    QApplication::processEvents();
    EXPECT_EQ(Help()->parentWidget(), &form);
    EXPECT_TRUE(Help()->isVisible());
    EXPECT_FALSE(watch.blocked);
    EXPECT_EQ(Help()->CurrentPage(), "wire-info.html");
}

// The same through the real dialog seam: Help in the wire information box
// while it runs modally, then Close.
TEST_F(THelpTest, HelpButtonOfARunningDialog) {
    FPaths.HelpFolder = TORVIK_HELP_DIR;
    TMainForm form(FPaths);  // the real message boxes and dialogs
    form.show();
    QApplication::processEvents();
    QPointer<THelpWindow> help;
    QWidget* parentWhileOpen = nullptr;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "EditWire");
        dialog->findChild<QPushButton*>("HelpBut")->click();
        help = form.findChild<THelpWindow*>("HelpWindow");
        parentWhileOpen = help ? help->parentWidget() : nullptr;
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    form.Action("MenuEditWire")->trigger();
    ASSERT_FALSE(help.isNull());
    EXPECT_EQ(parentWhileOpen->objectName(), "EditWire");
    EXPECT_EQ(help->parentWidget(), &form);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentPage(), "wire-info.html");
    form.close();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(THelpTest, ClosesWithTheMainWindow) {
    TMainForm& form = StartWithHelp(TORVIK_HELP_DIR);
    form.ShowHelpContents();
    QPointer<THelpWindow> help = Help();
    ASSERT_TRUE(help->isVisible());
    form.close();
    EXPECT_FALSE(help->isVisible());
    FForm.reset();
    EXPECT_TRUE(help.isNull());
}

// A program run from the build folder finds the build's copy of the pages
// (an installed one finds share/torvik/help beside its bin folder).
TEST(HelpPagesTest, FoundFromTheBuildFolder) {
    const QString folder = QString::fromStdString(DefaultPaths().HelpFolder);
    EXPECT_TRUE(folder.endsWith("/resources/help/")) << folder.toStdString();
    EXPECT_TRUE(QFile::exists(folder + "index.html")) << folder.toStdString();
    EXPECT_TRUE(QFile::exists(folder + "wire-info.html")) << folder.toStdString();
}

// Every topic has its page, every link between the help pages leads to a
// page, and every page has a title.
TEST(HelpPagesTest, LinksLeadToPages) {
    const QDir folder(TORVIK_HELP_DIR);
    const QStringList pages = folder.entryList({"*.html"}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    for (int topic : HelpTopics()) EXPECT_TRUE(pages.contains(QString::fromStdString(HelpPage(topic)))) << topic;

    const QRegularExpression link(R"re((?:href|src)\s*=\s*"([^"]*)")re");
    const QRegularExpression title("<title>[^<]+</title>");
    for (const QString& page : pages) {
        QFile file(folder.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(title.match(html).hasMatch()) << page.toStdString();
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.startsWith('#')) continue;
            EXPECT_FALSE(target.contains(':')) << page.toStdString() << ": " << target.toStdString();
            const QString name = target.section('#', 0, 0);
            EXPECT_TRUE(folder.exists(name))
                << page.toStdString() << " links to " << target.toStdString();
            // An anchor names a place in its page.
            const QString anchor = target.section('#', 1);
            if (!anchor.isEmpty() && folder.exists(name)) {
                QFile linked(folder.filePath(name));
                ASSERT_TRUE(linked.open(QIODevice::ReadOnly));
                EXPECT_TRUE(QString::fromUtf8(linked.readAll()).contains("id=\"" + anchor + "\""))
                    << page.toStdString() << " links to " << target.toStdString();
            }
        }
    }
}

TEST(HelpPagesTest, EveryPageIsReachedFromTheContents) {
    // The help window has no index or search: a page no link leads to is
    // never read.
    const QDir folder(TORVIK_HELP_DIR);
    const QRegularExpression link(R"re(href\s*=\s*"([^"#]+\.html)(?:#[^"]*)?")re");
    std::set<QString> reached{"index.html"};
    std::vector<QString> queue{"index.html"};
    while (!queue.empty()) {
        QFile file(folder.filePath(queue.back()));
        queue.pop_back();
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (reached.insert(target).second) queue.push_back(target);
        }
    }
    for (const QString& page : folder.entryList({"*.html"}, QDir::Files))
        EXPECT_TRUE(reached.count(page)) << page.toStdString() << " is linked from no page of the contents";
}

// The help names the movements by the same bands of r as the program.
TEST(HelpPagesTest, MovementBandsAsTheProgramNamesThem) {
    QFile file(QDir(TORVIK_HELP_DIR).filePath("activation-curve.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const auto n = [](double v) { return QString::number(v); };
    for (const TMovementBand& b : MovementBands) {
        QString range;
        if (std::isinf(b.from))
            range = "r " + QString(b.toIncluded ? "&le; " : "&lt; ") + n(b.to);
        else if (std::isinf(b.to))
            range = "r " + QString(b.fromIncluded ? "&ge; " : "&gt; ") + n(b.from);
        else
            range = n(b.from) + (b.fromIncluded ? " &le; r " : " &lt; r ") + (b.toIncluded ? "&le; " : "&lt; ") + n(b.to);
        EXPECT_TRUE(html.contains("<tr><td>" + range + "</td><td>" + MovementName(b.movement) + ":"))
            << range.toStdString();
    }
}

}  // namespace
}  // namespace torvik::test
