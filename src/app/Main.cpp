// tabulon: the report viewer. The whole argument part of the command line
// names the report, so a path with spaces works without quotes.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <string>

#include "core/PartFileRegistry.h"
#include "platform/NeutralNumbers.h"
#include "platform/PrivateRuntimeFolder.h"
#include "platform/QtPrinterCatalog.h"
#include "platform/QtSettingsBackend.h"
#include "viewer/FrmTabul.h"
#include "viewer/JoinArguments.h"
#include "viewer/TurkishTranslations.h"
#include "viewer/ViewerEnvironment.h"

using namespace Tabulon;

int main(int argc, char** argv) {
    // A TERM, INT or HUP while a file is written leaves no part file behind.
    RemovePartFilesOnTermination();
    // Taken before Qt reads its own options out of argv.
    const StartArguments started = ReadStartArguments(argc, argv);
    const PrivateRuntimeFolder runtime;
    QApplication app(argc, argv);
    UseNeutralNumbersInTheCLibrary();
    app.setApplicationName(QStringLiteral("Tabulon"));
    app.setOrganizationName(QStringLiteral("Vornak Software"));
    // The icon in every size the build drew from its picture.
    QIcon icon;
    for (const QString& size : QDir(QStringLiteral(":/icons")).entryList())
        icon.addFile(QStringLiteral(":/icons/%1/tabulon.png").arg(size));
    app.setWindowIcon(icon);

    // The interface is Turkish throughout, Qt's own buttons and dialogs too.
    InstallTurkishTranslations();

    QtPrinterCatalog printers;
    QtSettingsBackend settings;
    FrmTabul window(printers, settings, SystemViewerEnvironment());
    if (!window.Start(started.reportPath, started.fromDesktop)) return window.ExitStatus();
    window.show();
    // A report that could not be read to its end closes the window with its
    // own status.
    const int status = app.exec();
    return status != 0 ? status : window.ExitStatus();
}
