#include "viewer/TurkishFileIconProvider.h"

#include <QDir>
#include <QFileInfo>

namespace Tabulon {

QString TurkishFileIconProvider::type(const QFileInfo& info) const {
    if (info.isRoot()) return QString::fromUtf8("Sürücü");
    if (info.isDir()) return QString::fromUtf8("Klasör");
    const QString suffix = info.suffix();
    if (suffix.isEmpty()) return QString::fromUtf8("Dosya");
    return suffix.toUpper() + QString::fromUtf8(" dosyası");
}

}  // namespace Tabulon
