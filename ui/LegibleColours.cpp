#include "ui/LegibleColours.h"

#include <algorithm>
#include <cmath>

namespace tachoria {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

bool ReadsOnAll(const QColor& colour, std::initializer_list<QColor> backgrounds, double ratio) {
    return std::all_of(backgrounds.begin(), backgrounds.end(), [&](const QColor& background) {
        return ContrastRatio(colour, background) >= ratio;
    });
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()),
            channel(from.blue(), to.blue())};
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Legible(const QColor& wanted, std::initializer_list<QColor> backgrounds, double ratio) {
    if (ReadsOnAll(wanted, backgrounds, ratio) || backgrounds.size() == 0) {
        return wanted;
    }
    double darkest = 1;
    for (const QColor& background : backgrounds) {
        darkest = std::min(darkest, Luminance(background));
    }
    // On dark backgrounds lighter, on light ones darker, keeping the hue.
    const bool lighter = darkest < 0.18;
    const QColor end = lighter ? QColor(Qt::white) : QColor(Qt::black);
    // Mixing toward white or black changes the luminance one way only, so
    // the first share that reads is the nearest colour that does.
    double low = 0;
    double high = 1;
    for (int step = 0; step < 20; ++step) {
        const double share = (low + high) / 2;
        (ReadsOnAll(Mix(wanted, end, share), backgrounds, ratio) ? high : low) = share;
    }
    return Mix(wanted, end, high);
}

QColor ProblemBackground(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    // A dark Base needs a larger share of red to show at all.
    double share = Luminance(base) < 0.18 ? 0.3 : 34.0 / 255;
    QColor background = Mix(base, QColor(255, 0, 0), share);
    while (share > 0.01 && ContrastRatio(text, background) < kTextContrast) {
        share /= 2;
        background = Mix(base, QColor(255, 0, 0), share);
    }
    return background;
}

QColor ProblemText(const QPalette& palette) {
    return Legible(QColor(0xa0, 0, 0),
                   {palette.color(QPalette::Base), palette.color(QPalette::AlternateBase),
                    palette.color(QPalette::Window)},
                   kTextContrast);
}

QColor RedlineColour(const QPalette& palette) {
    return Legible(QColor(0xcc, 0, 0), {palette.color(QPalette::Base)}, kTextContrast);
}

QPalette ExampleDarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    return dark;
}

}  // namespace tachoria
