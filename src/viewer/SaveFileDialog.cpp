#include "viewer/SaveFileDialog.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QSplitter>
#include <QTreeView>

#include "viewer/TurkishFileIconProvider.h"

namespace Tabulon {

namespace {
// One for the whole run: the dialog's file-information thread may still ask
// it for a file's type while a dialog is being destroyed.
QAbstractFileIconProvider* IconProvider() {
    static auto* const provider = new TurkishFileIconProvider;
    return provider;
}

// "Excel Çalışma Sayfası (*.xlsx)" gives "xlsx"; a filter without a pattern
// of the form *.ext gives nothing, and names are then taken as typed.
QString ExtensionOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([^\s;()*]+))"));
    return pattern.match(filter).captured(1);
}
}  // namespace

SaveFileDialog::SaveFileDialog(QWidget* parent, const QString& title, const QString& filter,
                               const QString& proposedName)
    : QFileDialog(parent, title) {
    setOption(QFileDialog::DontUseNativeDialog);
    // The exports replace a file already there; the program asks nothing.
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setIconProvider(IconProvider());
    setNameFilter(filter);
    setDefaultSuffix(ExtensionOf(filter));
    connect(this, &QFileDialog::filterSelected, this,
            [this](const QString& chosen) { setDefaultSuffix(ExtensionOf(chosen)); });
    // Set here as well as in Qt's translation, which names some of them
    // differently ("Arama konumu:") or may not be installed.
    setLabelText(QFileDialog::LookIn, QString::fromUtf8("Konum:"));
    setLabelText(QFileDialog::FileName, QString::fromUtf8("Dosya &adı:"));
    setLabelText(QFileDialog::FileType, QString::fromUtf8("Dosya türü:"));
    setLabelText(QFileDialog::Accept, QString::fromUtf8("&Kaydet"));
    setLabelText(QFileDialog::Reject, QString::fromUtf8("İptal"));
    if (!proposedName.isEmpty()) selectFile(proposedName);
    // Qt's first sizes cut the Turkish titles and type names short.
    resize(sizeHint().expandedTo(QSize(760, 460)));
    if (auto* places = findChild<QSplitter*>()) {
        QList<int> sizes = places->sizes();
        if (sizes.size() == 2 && sizes[0] < 130) {
            sizes[1] -= 130 - sizes[0];
            sizes[0] = 130;
            places->setSizes(sizes);
        }
    }
    if (auto* details = findChild<QTreeView*>()) {
        QHeaderView* header = details->header();
        const QFontMetrics metrics = header->fontMetrics();
        for (int column = 1; column < header->count(); ++column) {
            QString widest = details->model()->headerData(column, Qt::Horizontal).toString();
            if (column == 2) widest = QString::fromUtf8("XLSX dosyası");
            const int width = metrics.horizontalAdvance(widest) + 28;  // and the sort arrow
            if (header->sectionSize(column) < width) header->resizeSection(column, width);
        }
    }
}

QString SaveFileDialog::Ask(QWidget* parent, const QString& title, const QString& filter,
                            const QString& proposedName) {
    SaveFileDialog dialog(parent, title, filter, proposedName);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

}  // namespace Tabulon
