#include "viewer/MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace Tabulon {

namespace {
QString Spaces(int count) {
    return QString(count, QLatin1Char(' '));
}

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* Item(QMenu* menu, const char* name, const QString& caption,
              const QList<QKeySequence>& keys) {
    QAction* action = Item(menu, name, caption);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QMenu* Submenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}
}  // namespace

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    DOS_00 = bar->addMenu(QString::fromUtf8("&Dosya"));
    DOS_00->setObjectName(QStringLiteral("DOS_00"));
    OpenReport = Item(DOS_00, "OpenReport", QString::fromUtf8("&Aç..."), {QKeySequence::Open});
    Refresh = Item(DOS_00, "Refresh", QString::fromUtf8("Yeni&le"), {QKeySequence(Qt::Key_F5)});
    RecentReports = Submenu(DOS_00, "RecentReports", QString::fromUtf8("&Son Açılanlar"));
    DOS_00->addSeparator();
    DOS_01 = Submenu(DOS_00, "DOS_01", QString::fromUtf8("&Farklı Kaydet") + Spaces(25));
    DOS_01_01 = Submenu(DOS_01, "DOS_01_01", QString::fromUtf8("&Excel Çalışma Sayfası"));
    DOS_01_01_01 =
        Item(DOS_01_01, "DOS_01_01_01", QString::fromUtf8("&XLS Formatı"), {QKeySequence::Save});
    DOS_01_01_02 = Item(DOS_01_01, "DOS_01_01_02", QString::fromUtf8("&CSV Formatı"));
    DOS_01_02 = Item(DOS_01, "DOS_01_02", QString::fromUtf8("&Metin Dosyası (Virgülle Ayrılmış)"));
    DOS_01_03 = Item(DOS_01, "DOS_01_03", QString::fromUtf8("Metin Dosyası (&Sekmeyle Ayrılmış)"));
    DOS_00->addSeparator()->setObjectName(QStringLiteral("DOS_77"));
    DOS_02 = Item(DOS_00, "DOS_02", QString::fromUtf8("&Rapor Başlıkları"));
    DOS_00->addSeparator()->setObjectName(QStringLiteral("DOS_88"));
    DOS_04 = Item(DOS_00, "DOS_04", QString::fromUtf8("Ya&zdırmat Tercihleri"));
    DOS_05 = Item(DOS_00, "DOS_05", QString::fromUtf8("&Yazdır"), {QKeySequence::Print});
    DOS_00->addSeparator()->setObjectName(QStringLiteral("DOS_99"));
    DOS_XX = Item(DOS_00, "DOS_XX", QString::fromUtf8("Kapa&t"),
                  {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)});

    DUZ_00 = bar->addMenu(QString::fromUtf8("Dü&zen"));
    DUZ_00->setObjectName(QStringLiteral("DUZ_00"));
    Copy = Item(DUZ_00, "Copy", QString::fromUtf8("&Kopyala"), {QKeySequence::Copy});
    DUZ_00->addSeparator();
    SelectAll =
        Item(DUZ_00, "SelectAll", QString::fromUtf8("&Tümünü Seç"), {QKeySequence::SelectAll});
    SelectColumn = Item(DUZ_00, "SelectColumn", QString::fromUtf8("&Sütunu Seç"));
    ClearSelection = Item(DUZ_00, "ClearSelection", QString::fromUtf8("Seçimi Ka&ldır"),
                          {QKeySequence(Qt::Key_Escape)});

    GOR_00 = bar->addMenu(QString::fromUtf8("&Görünüm"));
    GOR_00->setObjectName(QStringLiteral("GOR_00"));
    GOR_01 = Submenu(GOR_00, "GOR_01", QString::fromUtf8("&Boyut") + Spaces(20));
    GOR_01_01 =
        Item(GOR_01, "GOR_01_01", QStringLiteral("%&100"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    GOR_01_02 = Item(GOR_01, "GOR_01_02", QStringLiteral("%&75"));
    GOR_01_03 = Item(GOR_01, "GOR_01_03", QStringLiteral("%&50"));
    GOR_01->addSeparator();
    FitWidth = Item(GOR_01, "FitWidth", QString::fromUtf8("&Sayfa Genişliği"));
    FitPage = Item(GOR_01, "FitPage", QString::fromUtf8("&Tam Sayfa"));
    for (QAction* zoom : {GOR_01_01, GOR_01_02, GOR_01_03, FitWidth, FitPage})
        zoom->setCheckable(true);
    GOR_01->addSeparator();
    // Ctrl+= too, as Ctrl and the plus key give on keyboards without a keypad.
    ZoomIn = Item(GOR_01, "ZoomIn", QString::fromUtf8("B&üyüt"),
                  {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut = Item(GOR_01, "ZoomOut", QString::fromUtf8("&Küçült"), {QKeySequence::ZoomOut});
    GOR_00->addSeparator()->setObjectName(QStringLiteral("GOR_88"));
    // After a tab the key name stands in the menu's shortcut column, lined up
    // whatever the font; it is text only, the window's key handler acts on it.
    GOR_02 = Item(GOR_00, "GOR_02", QString::fromUtf8("&Önceki Sayfa\tPage Up"));
    GOR_03 = Item(GOR_00, "GOR_03", QString::fromUtf8("&Sonraki Sayfa\tPage Down"));
    GOR_04 = Item(GOR_00, "GOR_04", QString::fromUtf8("&İlk Sayfa\tHome"));
    GOR_05 = Item(GOR_00, "GOR_05", QString::fromUtf8("So&n Sayfa\tEnd"));
    GoToPage = Item(GOR_00, "GoToPage", QString::fromUtf8("Sayfaya &Git..."),
                    {QKeySequence(Qt::CTRL | Qt::Key_G)});
    GOR_00->addSeparator();
    Find = Item(GOR_00, "Find", QString::fromUtf8("B&ul..."), {QKeySequence::Find});
    FindNext =
        Item(GOR_00, "FindNext", QString::fromUtf8("Sonra&kini Bul"), {QKeySequence(Qt::Key_F3)});
    FindPrevious = Item(GOR_00, "FindPrevious", QString::fromUtf8("Ön&cekini Bul"),
                        {QKeySequence(Qt::SHIFT | Qt::Key_F3)});
    FoundList = Item(GOR_00, "FoundList", QString::fromUtf8("Bu&lunanlar"));
    GOR_00->addSeparator();
    Filter = Item(GOR_00, "Filter", QString::fromUtf8("Sü&z"));
    RemoveFilter = Item(GOR_00, "RemoveFilter", QString::fromUtf8("Süzgeci Kaldı&r"));
    RemoveFilter->setEnabled(false);
    GOR_00->addSeparator();
    ResetColumnWidths =
        Item(GOR_00, "ResetColumnWidths", QString::fromUtf8("Sü&tun Genişliklerini Sıfırla"));
}

}  // namespace Tabulon
