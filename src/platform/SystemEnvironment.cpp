#include "platform/SystemEnvironment.h"

#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace Tabulon {

NumberLocale SystemNumberLocale() {
    const QLocale locale = QLocale::system();
    NumberLocale result;
    result.decimalSeparator = locale.decimalPoint().toStdString();
    result.groupSeparator = locale.groupSeparator().toStdString();
    // The time separator is the first non-letter between the hour and minute fields.
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype hour = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    for (qsizetype i = hour + 1; hour >= 0 && i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c.toLower() == QLatin1Char('h')) continue;
        if (!c.isLetter()) result.timeSeparator = QString(c).toStdString();
        break;
    }
    return result;
}

int16_t DefaultPrinterOrientation() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return 1;
    QPrinter printer(info);
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

}  // namespace Tabulon
