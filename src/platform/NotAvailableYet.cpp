#include "platform/NotAvailableYet.h"

#include <QMessageBox>

void ShowNotAvailableYet(QWidget* parent) {
    QMessageBox::information(parent, QString::fromUtf8("Vornak Yazılım"),
                             QString::fromUtf8("Bu komut henüz kullanılamıyor."));
}
