// tabulon: the report viewer. The whole argument part of the command line
// names the report, so a path with spaces works without quotes.
#include <QApplication>
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

int main(int argc, char** argv) {
    // A TERM, INT or HUP while a file is written leaves no part file behind.
    RemovePartFilesOnTermination();
    // Taken before Qt reads its own options out of argv.
    const std::string commandLine = JoinArguments(argc, argv);
    const PrivateRuntimeFolder runtime;
    QApplication app(argc, argv);
    UseNeutralNumbersInTheCLibrary();
    app.setApplicationName(QStringLiteral("Tabulon"));
    app.setOrganizationName(QStringLiteral("Vornak Software"));

    // The interface is Turkish throughout, Qt's own buttons and dialogs too.
    InstallTurkishTranslations();

    QtPrinterCatalog printers;
    QtSettingsBackend settings;
    FrmTabul window(printers, settings, SystemViewerEnvironment());
    if (!window.Start(commandLine)) return window.ExitStatus();
    window.show();
    return app.exec();
}
