#include "viewer/ViewerStatusBar.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

#include "platform/Messages.h"

namespace Tabulon {

ViewerStatusBar::ViewerStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("StatusNote"));
    // A long path is cut rather than widening the window.
    note_->setMinimumWidth(1);
    note_->setIndent(4);
    page_ = new QLabel(this);
    page_->setObjectName(QStringLiteral("StatusPage"));
    zoom_ = new QLabel(this);
    zoom_->setObjectName(QStringLiteral("StatusZoom"));
    // Wide enough for "%100", so the page text does not shift between zooms.
    zoom_->setMinimumWidth(zoom_->fontMetrics().horizontalAdvance(QStringLiteral("%100")) + 8);
    zoom_->setAlignment(Qt::AlignCenter);
    readAgain_ = new QPushButton(QString::fromStdString(ReadAgainText), this);
    readAgain_->setObjectName(QStringLiteral("ReadAgain"));
    readAgain_->setFocusPolicy(Qt::NoFocus);
    readAgain_->hide();
    connect(readAgain_, &QPushButton::clicked, this, &ViewerStatusBar::ReadAgainPressed);
    addWidget(note_, 1);
    addWidget(readAgain_);
    loading_ = new QProgressBar(this);
    loading_->setObjectName(QStringLiteral("StatusLoading"));
    loading_->setRange(0, 1000);
    loading_->setMaximumWidth(160);
    loading_->setFormat(QString::fromUtf8("Okunuyor %p%"));
    loading_->hide();
    addPermanentWidget(loading_);
    filter_ = new QLabel(this);
    filter_->setObjectName(QStringLiteral("StatusFilter"));
    filter_->hide();
    addPermanentWidget(filter_);
    addPermanentWidget(page_);
    addPermanentWidget(zoom_);
    // The window may still be made as narrow as it could be without the bar.
    setMinimumWidth(1);
}

void ViewerStatusBar::ShowPage(int32_t current, int32_t count, float zoomFactor) {
    const QString of = count > 0 ? QString::number(count) : QStringLiteral("...");
    page_->setText(QString::fromUtf8("Sayfa %1 / %2").arg(current).arg(of));
    zoom_->setText(QStringLiteral("%") + QString::number(std::lround(zoomFactor * 100.0f)));
}

void ViewerStatusBar::ShowNote(const QString& text) {
    readAgain_->hide();
    note_->setText(text);
    note_->setToolTip(text);
}

void ViewerStatusBar::ShowReadAgain(bool changed) {
    if (changed) {
        ShowNote(QString::fromStdString(ReportChangedNote));
        readAgain_->show();
    } else if (!readAgain_->isHidden()) {
        ShowNote({});
    }
}

bool ViewerStatusBar::ReadAgainShown() const {
    return !readAgain_->isHidden();
}

QString ViewerStatusBar::PageText() const {
    return page_->text();
}
QString ViewerStatusBar::ZoomText() const {
    return zoom_->text();
}
QString ViewerStatusBar::NoteText() const {
    return note_->text();
}
QString ViewerStatusBar::FilterText() const {
    return filter_->text();
}

void ViewerStatusBar::ShowFilter(const QString& text) {
    filter_->setText(text);
    filter_->setVisible(!text.isEmpty());
}

void ViewerStatusBar::ShowLoading(int thousandths) {
    loading_->setVisible(thousandths >= 0);
    if (thousandths >= 0) loading_->setValue(thousandths);
}

bool ViewerStatusBar::LoadingShown() const {
    return !loading_->isHidden();
}

}  // namespace Tabulon
