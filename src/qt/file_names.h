#pragma once
// File names between Qt and the system. Qt holds a name as text and puts
// U+FFFD in place of bytes that are not UTF-8, so a name that came from the
// system (the command line, a drop) is kept as its bytes (TFileName) and
// converted only to be shown or to start a dialog in its folder.

#include <QString>

#include "support/file_name.h"

class QUrl;

namespace torvik {

// The file a name from Qt (a file dialog) stands for.
TFileName FileNameFromQt(const QString& aName);
// The name as Qt's own classes and dialogs take it; bytes that are not
// UTF-8 become U+FFFD, so it serves only where that loses nothing that
// matters (the folder a dialog starts in).
QString QtFileName(const TFileName& aName);
// The local file of a "file:" URL, its bytes as the URL encodes them;
// empty for any other URL.
TFileName FileNameFromUrl(const QUrl& aUrl);

// The name as messages, captions and menus show it (ShownFileName).
QString ShownName(const TFileName& aName);
QString ShownName(const QString& aName);
// The name without its folder, shown so.
QString ShownBaseName(const TFileName& aName);

// Whether a name from a Qt dialog may stand for a file whose name Qt could
// not show: it holds U+FFFD, and nothing is there by that name. Such a name
// is never written to, since it would not be the file the user saw.
bool NameLostBytes(const TFileName& aName);

}  // namespace torvik
