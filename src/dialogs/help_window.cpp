#include "dialogs/help_window.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "support/help_topics.h"

namespace torvik {

namespace {

const QString Title = QStringLiteral("Torvik Help");

QString Escaped(const QString& aText) { return aText.toHtmlEscaped(); }

QString MessagePage(const QString& aHeading, const QString& aBody) {
    return QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2>%2</body></html>")
        .arg(Escaped(aHeading), aBody);
}

QString FolderMissingMessage(const QString& aFolder) {
    const QString where = aFolder.isEmpty()
                              ? QStringLiteral("<p>The program does not know where its help pages are.</p>")
                              : QStringLiteral("<p>The help folder <b>%1</b> does not exist.</p>").arg(Escaped(aFolder));
    return MessagePage(QStringLiteral("Help is not available"),
                       where + QStringLiteral("<p>The help pages are installed with the program, in the folder "
                                              "share/torvik/help of its installation. Installing the program again "
                                              "restores them.</p>"));
}

QString PageMissingMessage(const QString& aFolder, const QString& aPage) {
    QString body = QStringLiteral("<p>The help page <b>%1</b> was not found in the help folder <b>%2</b>.</p>")
                       .arg(Escaped(aPage), Escaped(aFolder));
    const QString contents = QDir(aFolder).filePath(QString::fromStdString(HelpPage(HelpContents)));
    if (aPage != QFileInfo(contents).fileName() && QFileInfo(contents).isFile())
        body += QStringLiteral("<p><a href=\"%1\">Go to the contents</a></p>")
                    .arg(QUrl::fromLocalFile(contents).toString(QUrl::FullyEncoded));
    return MessagePage(QStringLiteral("Help page not found"), body);
}

// A browser that answers a link or a topic whose page is missing with a
// message instead of an empty page.
class THelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int aType, const QUrl& aName) override {
        if (aType == QTextDocument::HtmlResource) {
            const QUrl url = aName.isRelative() ? source().resolved(aName) : aName;
            if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
                const QFileInfo file(url.toLocalFile());
                return file.absoluteDir().exists() ? PageMissingMessage(file.absolutePath(), file.fileName())
                                                   : FolderMissingMessage(file.absolutePath());
            }
        }
        return QTextBrowser::loadResource(aType, aName);
    }
};

QToolButton* NewButton(QWidget* aParent, const char* aName, const QString& aText, QStyle::StandardPixmap aIcon) {
    auto* button = new QToolButton(aParent);
    button->setObjectName(QString::fromLatin1(aName));
    button->setText(aText);
    button->setIcon(aParent->style()->standardIcon(aIcon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

THelpWindow::THelpWindow(const QString& aFolder, QWidget* aOwner)
    : QWidget(aOwner, Qt::Window), FFolder(aFolder), FOwner(aOwner) {
    setObjectName("HelpWindow");
    setWindowTitle(Title);

    FBack = NewButton(this, "HelpBack", tr("&Back"), QStyle::SP_ArrowBack);
    FForward = NewButton(this, "HelpForward", tr("&Forward"), QStyle::SP_ArrowForward);
    QToolButton* contents = NewButton(this, "HelpContents", tr("&Contents"), QStyle::SP_DirHomeIcon);
    FBack->setEnabled(false);
    FForward->setEnabled(false);

    FBrowser = new THelpBrowser(this);
    FBrowser->setObjectName("HelpBrowser");
    FBrowser->setOpenExternalLinks(true);

    connect(FBack, &QToolButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(FForward, &QToolButton::clicked, FBrowser, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { ShowPage(QString::fromStdString(HelpPage(HelpContents))); });
    connect(FBrowser, &QTextBrowser::backwardAvailable, FBack, &QToolButton::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, FForward, &QToolButton::setEnabled);
    connect(FBrowser, &QTextBrowser::sourceChanged, this, [this] {
        FMessageShown = false;
        UpdateTitle();
    });
    new QShortcut(QKeySequence::Back, this, [this] { FBrowser->backward(); });
    new QShortcut(QKeySequence::Forward, this, [this] { FBrowser->forward(); });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { close(); });

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 4, 4, 0);
    buttons->addWidget(FBack);
    buttons->addWidget(FForward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addLayout(buttons);
    column->addWidget(FBrowser);
    resize(720, 640);

    if (FOwner) FOwner->installEventFilter(this);
}

void THelpWindow::ShowContents() { ShowTopic(HelpContents); }

void THelpWindow::ShowTopic(int aTopic) {
    const QString page = QString::fromStdString(HelpPage(aTopic));
    if (page.isEmpty())
        ShowMessage(MessagePage(QStringLiteral("No help for this topic"),
                                QStringLiteral("<p>The program has no help page for topic %1.</p>").arg(aTopic)));
    else
        ShowPage(page);
    Present();
}

QString THelpWindow::CurrentPage() const {
    if (FMessageShown) return {};
    return QFileInfo(FBrowser->source().toLocalFile()).fileName();
}

void THelpWindow::ShowPage(const QString& aPage) {
    if (FFolder.isEmpty() || !QFileInfo(FFolder).isDir()) {
        ShowMessage(FolderMissingMessage(FFolder));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(QDir(FFolder).absoluteFilePath(aPage));
    // The same page again is read anew: it replaces a message shown since,
    // and a page installed meanwhile replaces the message about it.
    if (url == FBrowser->source())
        FBrowser->reload();
    else
        FBrowser->setSource(url);
    FMessageShown = false;
    UpdateTitle();
}

void THelpWindow::ShowMessage(const QString& aHtml) {
    FBrowser->setHtml(aHtml);
    FMessageShown = true;
    UpdateTitle();
}

void THelpWindow::UpdateTitle() {
    const QString page = FBrowser->documentTitle();
    setWindowTitle(page.isEmpty() || page == Title ? Title : Title + QStringLiteral(" - ") + page);
}

void THelpWindow::Present() {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* parent = modal && modal != this ? modal : FOwner.data();
    if (parent && parentWidget() != parent) Adopt(parent);
    show();
    raise();
    activateWindow();
    FPlaced = true;
}

void THelpWindow::Adopt(QWidget* aParent) {
    const bool visible = isVisible();
    const QRect place = geometry();
    QWidget* former = parentWidget();
    if (former && former != FOwner) former->removeEventFilter(this);
    setParent(aParent, windowFlags());
    // A dialog the window stands above hands it back to the owner when it
    // closes.
    if (aParent != FOwner) aParent->installEventFilter(this);
    if (FPlaced) setGeometry(place);
    if (visible) show();
}

bool THelpWindow::eventFilter(QObject* aWatched, QEvent* aEvent) {
    if (aWatched == FOwner && aEvent->type() == QEvent::Close) {
        close();
    } else if (aWatched == parentWidget() && aWatched != FOwner && aEvent->type() == QEvent::Hide && FOwner) {
        Adopt(FOwner);
    }
    return QWidget::eventFilter(aWatched, aEvent);
}

}  // namespace torvik
