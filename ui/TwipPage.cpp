#include "ui/TwipPage.h"

namespace tachoria {
namespace {

QRect ToPixels(QRect twips) {
    constexpr int k = kTwipsPerPixel;
    return {twips.x() / k, twips.y() / k, twips.width() / k, twips.height() / k};
}

}  // namespace

TwipPage::TwipPage(QWidget& tabs, QWidget* parent) : QWidget(parent), tabs_(tabs) {}

void TwipPage::PlaceWidget(QWidget& control, QRect twips) {
    control.setParent(this);
    placed_.emplace_back(&control, twips);
    PlaceAll();
}

void TwipPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceAll();
}

void TwipPage::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    PlaceAll();
}

void TwipPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PlaceAll();
}

void TwipPage::PlaceAll() {
    if (!tabs_.isAncestorOf(this)) {
        return;  // not yet inside the tab control; placed once it is
    }
    const QPoint pageOrigin = mapTo(&tabs_, QPoint(0, 0));
    for (const auto& [control, twips] : placed_) {
        control->setGeometry(ToPixels(twips).translated(-pageOrigin));
    }
}

}  // namespace tachoria
