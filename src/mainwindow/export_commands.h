#pragma once
// Export Picture: the design's 100 mm design area written to a file as a
// true-size SVG or PDF, or as a PNG image at a chosen resolution, drawn as
// the clipboard picture is, with the title block below it when asked.

#include <QObject>
#include <QString>

namespace torvik {

class TMainForm;
class TExportPictureDlg;

class TExportCommands : public QObject {
    Q_OBJECT
public:
    // Binds MenuFileExportPicture of aForm.
    explicit TExportCommands(TMainForm& aForm);

private:
    void MenuFileExportPictureClick();

    TMainForm& FForm;
    TExportPictureDlg* FDialog = nullptr;
    // The file written last; the next export starts in its folder.
    QString FLastFile;
};

}  // namespace torvik
