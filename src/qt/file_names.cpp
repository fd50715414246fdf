#include "qt/file_names.h"

#include <QByteArray>
#include <QFile>
#include <QUrl>

#include "support/text_utils.h"

namespace torvik {

namespace {

QString FromUtf8(const std::string& aText) { return QString::fromUtf8(aText.data(), qsizetype(aText.size())); }

}  // namespace

TFileName FileNameFromQt(const QString& aName) { return TFileName(QFile::encodeName(aName).toStdString()); }

QString QtFileName(const TFileName& aName) { return QFile::decodeName(QByteArray::fromStdString(aName.Native())); }

TFileName FileNameFromUrl(const QUrl& aUrl) {
    if (!aUrl.isLocalFile()) return {};
    // The path as the URL spells it, percent escapes and all: decoded here
    // to bytes, not to text.
    const QByteArray path = QByteArray::fromPercentEncoding(aUrl.path(QUrl::FullyEncoded).toLatin1());
    return TFileName(path.toStdString());
}

QString ShownName(const TFileName& aName) { return FromUtf8(aName.Shown()); }

QString ShownName(const QString& aName) { return ShownName(FileNameFromQt(aName)); }

QString ShownBaseName(const TFileName& aName) { return FromUtf8(aName.ShownBaseName()); }

bool NameLostBytes(const TFileName& aName) {
    static const std::string replacement = "\xEF\xBF\xBD";
    return aName.Native().find(replacement) != std::string::npos && !aName.Exists();
}

}  // namespace torvik
