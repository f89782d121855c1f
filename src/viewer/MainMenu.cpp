#include "viewer/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
QString Spaces(int count) {
    return QString(count, QLatin1Char(' '));
}

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
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
    DOS_01 = Submenu(DOS_00, "DOS_01", QString::fromUtf8("&Farklı Kaydet") + Spaces(25));
    DOS_01_01 = Submenu(DOS_01, "DOS_01_01", QString::fromUtf8("Excel Çalışma Sayfası"));
    DOS_01_01_01 = Item(DOS_01_01, "DOS_01_01_01", QString::fromUtf8("XLS Formatı"));
    DOS_01_01_02 = Item(DOS_01_01, "DOS_01_01_02", QString::fromUtf8("CSV Formatı"));
    DOS_01_02 = Item(DOS_01, "DOS_01_02", QString::fromUtf8("Metin Dosyası (Virgülle Ayrılmış)"));
    DOS_01_03 = Item(DOS_01, "DOS_01_03", QString::fromUtf8("Metin Dosyası (Sekmeyle Ayrılmış)"));
    DOS_00->addSeparator()->setObjectName(QStringLiteral("DOS_77"));
    DOS_02 = Item(DOS_00, "DOS_02", QString::fromUtf8("Rapor Başlıkları"));
    DOS_00->addSeparator()->setObjectName(QStringLiteral("DOS_88"));
    DOS_04 = Item(DOS_00, "DOS_04", QString::fromUtf8("Ya&zdırmat Tercihleri"));
    DOS_05 = Item(DOS_00, "DOS_05", QString::fromUtf8("&Yazdır"));
    DOS_00->addSeparator()->setObjectName(QStringLiteral("DOS_99"));
    DOS_XX = Item(DOS_00, "DOS_XX", QString::fromUtf8("Kapa&t"));

    GOR_00 = bar->addMenu(QString::fromUtf8("Görünüm"));
    GOR_00->setObjectName(QStringLiteral("GOR_00"));
    GOR_01 = Submenu(GOR_00, "GOR_01", QString::fromUtf8("Boyut") + Spaces(20));
    GOR_01_01 = Item(GOR_01, "GOR_01_01", QStringLiteral("%100"));
    GOR_01_02 = Item(GOR_01, "GOR_01_02", QStringLiteral("%75"));
    GOR_01_03 = Item(GOR_01, "GOR_01_03", QStringLiteral("%50"));
    for (QAction* zoom : {GOR_01_01, GOR_01_02, GOR_01_03}) zoom->setCheckable(true);
    GOR_00->addSeparator()->setObjectName(QStringLiteral("GOR_88"));
    // After a tab the key name stands in the menu's shortcut column, lined up
    // whatever the font; it is text only, the window's key handler acts on it.
    GOR_02 = Item(GOR_00, "GOR_02", QString::fromUtf8("Önceki Sayfa\tPage Up"));
    GOR_03 = Item(GOR_00, "GOR_03", QString::fromUtf8("Sonraki Sayfa\tPage Down"));
    GOR_04 = Item(GOR_00, "GOR_04", QString::fromUtf8("İlk Sayfa\tHome"));
    GOR_05 = Item(GOR_00, "GOR_05", QString::fromUtf8("Son Sayfa\tEnd"));
}
