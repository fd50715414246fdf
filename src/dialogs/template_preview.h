#pragma once
// The preview of a loop template's design: the generated wire and both
// brackets drawn by the program's own drawing code, fitted into the widget
// with a margin, on the grid. With no design it says why in its middle.

#include <memory>

#include <QString>
#include <QWidget>

#include "render/view_settings.h"

namespace torvik {

struct TDesign;

class TTemplatePreview : public QWidget {
    Q_OBJECT
public:
    TTemplatePreview(const TViewSettings& aView, int aGridDensity, QWidget* aParent = nullptr);
    ~TTemplatePreview() override;

    // Shows aDesign, or aMessage when there is none.
    void SetDesign(std::unique_ptr<TDesign> aDesign, const QString& aMessage = QString());
    const TDesign* Design() const { return FDesign.get(); }

    QSize sizeHint() const override { return QSize(420, 320); }

protected:
    void paintEvent(QPaintEvent* aEvent) override;

private:
    std::unique_ptr<TDesign> FDesign;
    QString FMessage;
    TViewSettings FView;
    int FGridDensity;
};

}  // namespace torvik
