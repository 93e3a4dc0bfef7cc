#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "ui/MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tachoria"));
    // The layout is fixed in size; Fusion's metrics are the same on every
    // desktop, so nothing is clipped under a style with larger margins.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Menus and message boxes in the window's own font.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 12));
    tachoria::MainForm window;
    window.show();
    return QApplication::exec();
}
