#pragma once
// The Export Picture dialog: the picture's format (a true-size SVG or PDF,
// or a PNG image), the PNG's resolution, and whether the title block goes
// below the picture. It lives for the whole run and keeps its fields.

#include <optional>

#include "dialogs/torvik_dialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace torvik {

enum class TPictureFormat { Svg, Pdf, Png };

class TExportPictureDlg : public TTorvikDialog {
    Q_OBJECT
public:
    // Resolutions the PNG image may have, in pixels per inch.
    static constexpr int MinDpi = 25;
    static constexpr int MaxDpi = 1200;

    explicit TExportPictureDlg(QWidget* aParent = nullptr);

    TPictureFormat Format() const;
    // The typed resolution in the user's locale; empty when it does not read
    // as a whole number.
    std::optional<int> Resolution() const;
    // Whether the title block goes below the design area (ticked at first).
    bool TitleBlock() const;

private:
    void FormatClick();

    QRadioButton* FFormatSvg = nullptr;
    QRadioButton* FFormatPdf = nullptr;
    QRadioButton* FFormatPng = nullptr;
    QLineEdit* FResolutionEd = nullptr;
    QCheckBox* FTitleCB = nullptr;
};

}  // namespace torvik
