#pragma once
#include <QFileIconProvider>

namespace Tabulon {

// Icons as Qt draws them, with the save dialog's "Tür" column in Turkish:
// "CSV dosyası", "Klasör". Qt names these in English whatever translation is
// loaded, and the system's file-type names are not Turkish everywhere.
class TurkishFileIconProvider : public QFileIconProvider {
  public:
    QString type(const QFileInfo& info) const override;
};

}  // namespace Tabulon
