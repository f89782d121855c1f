#include "viewer/FindBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace Tabulon {

FindBar::FindBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("FindBar"));
    setWindowTitle(QString::fromUtf8("Bul"));
    setMovable(false);
    setFloatable(false);
    addWidget(new QLabel(QString::fromUtf8("Bul: "), this));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setMinimumWidth(220);
    text_->setClearButtonEnabled(true);
    addWidget(text_);
    previous_ = addAction(QString::fromUtf8("Önceki"), this, [this] { emit FindRequested(false); });
    previous_->setObjectName(QStringLiteral("Previous"));
    previous_->setToolTip(QString::fromUtf8("Öncekini Bul (Shift+F3)"));
    next_ = addAction(QString::fromUtf8("Sonraki"), this, [this] { emit FindRequested(true); });
    next_->setObjectName(QStringLiteral("Next"));
    next_->setToolTip(QString::fromUtf8("Sonrakini Bul (F3)"));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("Count"));
    count_->setMinimumWidth(110);
    count_->setAlignment(Qt::AlignCenter);
    addWidget(count_);
    addSeparator();
    column_ = new QComboBox(this);
    column_->setObjectName(QStringLiteral("Column"));
    column_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    addWidget(column_);
    whole_ = new QCheckBox(QString::fromUtf8("Tam alan"), this);
    whole_->setObjectName(QStringLiteral("Whole"));
    addWidget(whole_);
    addSeparator();
    filter_ = addAction(QString::fromUtf8("Süz"), this, [this] { emit FilterRequested(); });
    filter_->setObjectName(QStringLiteral("Filter"));
    filter_->setToolTip(QString::fromUtf8("Yalnız bu metni taşıyan satırları göster"));
    QAction* close = addAction(QString::fromUtf8("Kapat"), this, &QWidget::hide);
    close->setObjectName(QStringLiteral("Close"));
    close->setToolTip(QStringLiteral("Esc"));
    connect(text_, &QLineEdit::returnPressed, this, [this] {
        emit FindRequested(!(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier));
    });
    connect(text_, &QLineEdit::textChanged, this, &FindBar::SearchChanged);
    connect(column_, &QComboBox::currentIndexChanged, this, &FindBar::SearchChanged);
    connect(whole_, &QCheckBox::toggled, this, &FindBar::SearchChanged);
    hide();
}

void FindBar::Open() {
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void FindBar::SetColumns(const ReportLayout& layout) {
    const QSignalBlocker quiet(column_);
    column_->clear();
    column_->addItem(QString::fromUtf8("Tüm sütunlar"), 0);
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c) {
        const std::string& title = layout.Title(c);
        if (title.empty() && layout.ColumnWidths[static_cast<size_t>(c)] == 0) continue;
        column_->addItem(
            title.empty() ? QString::fromUtf8("Sütun %1").arg(c) : QString::fromStdString(title),
            c);
    }
}

QString FindBar::Text() const {
    return text_->text();
}

FindRules FindBar::Rules() const {
    return {column_->currentData().toInt(), whole_->isChecked()};
}

void FindBar::ClearCount() {
    count_->clear();
}

void FindBar::ShowCount(int64_t place, int64_t count, const QString& tail) {
    const QString total = QString::number(count) + tail;
    count_->setText(place > 0 ? QStringLiteral("%1 / %2").arg(place).arg(total)
                              : QString::fromUtf8("– / ") + total);
}

// Esc belongs to the bar while the focus is in it, before the window's own
// shortcut for it (which clears the selection) can take it.
bool FindBar::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QToolBar::event(event);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QToolBar::keyPressEvent(event);
}

}  // namespace Tabulon
