// tabulon: the report viewer. The whole argument part of the command line
// names the report, so a path with spaces works without quotes.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "core/ReportModel.h"
#include "platform/QtPrinterCatalog.h"
#include "platform/QtSettingsBackend.h"
#include "viewer/FrmTabul.h"
#include "viewer/ViewerEnvironment.h"

namespace {
// The arguments joined by single spaces, as the system hands a program its
// command line; nothing is removed, so a quoted path stays quoted.
// Taken before Qt reads its own options out of argv.
std::string ArgumentPart(int argc, char** argv) {
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) joined += ' ';
        joined += argv[i];
    }
    return joined;
}
}  // namespace

int main(int argc, char** argv) {
    const std::string commandLine = ArgumentPart(argc, argv);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tabulon"));
    app.setOrganizationName(QStringLiteral("Vornak Software"));

    // The interface is Turkish throughout, Qt's own buttons and dialogs too.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslations);

    ReportModel model;
    model.CommandLine = commandLine;
    QtPrinterCatalog printers;
    QtSettingsBackend settings;
    FrmTabul window(model, printers, settings, SystemViewerEnvironment());
    if (!window.Form_Load()) return window.ExitStatus();
    window.show();
    return app.exec();
}
