#pragma once
// File > Recent Designs: the last eight designs opened or saved, most
// recent first. Choosing one opens it as Open does; one that is no longer
// there is taken off the list with a message. The list itself is the
// settings' (support/recent_files.h), read at start and written on closing.

#include <QObject>

#include "support/file_name.h"

class QMenu;

namespace torvik {

class TMainForm;

class TRecentDesigns : public QObject {
public:
    // Adds the submenu to aForm's File menu, after Open, and follows the
    // designs the window opens and saves.
    explicit TRecentDesigns(TMainForm& aForm);

private:
    void Remember(const TFileName& aFileName);
    // Shows the list as it is in the settings.
    void Rebuild();
    void RecentDesignClick(const TFileName& aFileName);

    TMainForm& FForm;
    QMenu* FMenu;
};

}  // namespace torvik
