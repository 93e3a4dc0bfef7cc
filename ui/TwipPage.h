#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <utility>
#include <vector>

namespace tachoria {

// A tab page whose controls are placed in twips measured from the top-left
// corner of the tab control, not of the page: where the page itself lies
// depends on the style's tab strip and frame, so the controls are placed
// again whenever the page is laid out.
class TwipPage final : public QWidget {
public:
    static constexpr int kTwipsPerPixel = 15;

    // `tabs` is the tab control the coordinates are measured from.
    TwipPage(QWidget& tabs, QWidget* parent = nullptr);

    // Makes `control` a child of this page at `twips` (left, top, width, height).
    void Place(QWidget& control, QRect twips);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PlaceAll();

    QWidget& tabs_;
    // Guarded: while the window is torn down, a page can be laid out again
    // after some of its controls are gone.
    std::vector<std::pair<QPointer<QWidget>, QRect>> placed_;
};

}  // namespace tachoria
