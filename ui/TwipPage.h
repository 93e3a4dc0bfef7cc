#pragma once

#include <QRect>
#include <QWidget>
#include <utility>
#include <vector>

namespace tachoria {

// Window positions and sizes are given in twips (1/1440 inch); at the
// usual 96 pixels per inch a device-independent pixel is 15 of them.
inline constexpr int kTwipsPerPixel = 15;

// A tab page whose controls are placed in twips measured from the top-left
// corner of the tab control, not of the page: where the page itself lies
// depends on the style's tab strip and frame, so the controls are placed
// again whenever the page is laid out.
//
// Controls placed here become the page's children, and Qt deletes them
// with the page, after this class's part of it is gone; so the page never
// lays out a control that no longer exists.
class TwipPage : public QWidget {
public:
    // `tabs` is the tab control the coordinates are measured from.
    explicit TwipPage(QWidget& tabs, QWidget* parent = nullptr);

protected:
    // Makes `control` a child of this page at `twips` (left, top, width,
    // height) and returns it.
    template <typename Control>
    Control& Place(Control* control, QRect twips) {
        PlaceWidget(*control, twips);
        return *control;
    }

    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PlaceWidget(QWidget& control, QRect twips);
    void PlaceAll();

    QWidget& tabs_;
    std::vector<std::pair<QWidget*, QRect>> placed_;
};

}  // namespace tachoria
