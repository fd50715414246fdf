#pragma once
// The help window: the program's HTML help pages in a browser with Back,
// Forward and Contents. One window serves the whole run; it is not modal, so
// the user can keep it open beside the design. Opened from a modal dialog it
// stands above that dialog (which would otherwise block it) and returns to
// the main window when the dialog closes. It closes with the main window.
// A missing page or help folder shows a message in the window.

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace torvik {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // aFolder holds the pages; aOwner is the main window.
    THelpWindow(const QString& aFolder, QWidget* aOwner);

    // Shows the table of contents, or the page of a topic number
    // (support/help_topics.h), and brings the window up.
    void ShowContents();
    void ShowTopic(int aTopic);

    const QString& Folder() const { return FFolder; }
    // The file name of the page shown or asked for (its message shows when
    // it is missing); empty while the window shows a message about a
    // missing help folder or an unknown topic.
    QString CurrentPage() const;
    QTextBrowser* Browser() const { return FBrowser; }

protected:
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    void ShowPage(const QString& aPage);
    void ShowMessage(const QString& aHtml);
    // Shows the window above the open modal dialog, if any, or above the
    // owner, raised and active.
    void Present();
    // Makes aParent the window's parent, keeping its place and visibility.
    void Adopt(QWidget* aParent);
    void UpdateTitle();

    QString FFolder;
    QPointer<QWidget> FOwner;
    QTextBrowser* FBrowser = nullptr;
    QToolButton* FBack = nullptr;
    QToolButton* FForward = nullptr;
    bool FMessageShown = false;
    bool FPlaced = false;
};

}  // namespace torvik
