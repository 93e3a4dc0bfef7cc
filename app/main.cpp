#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QStyleFactory>

#include "ui/LocaleNumbers.h"
#include "ui/MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tachoria"));
    QApplication::setApplicationVersion(QStringLiteral(TACHORIA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tabulates engine speed against road speed for a car's gearing."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption compare(QStringLiteral("compare"),
                                     QStringLiteral("Open the Compare Gearing window as well."));
    parser.addOption(compare);
    parser.process(app);

    // The layout is fixed in size; Fusion's metrics are the same on every
    // desktop, so nothing is clipped under a style with larger margins.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Menus and message boxes in the window's own font.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 12));
    tachoria::MainForm window;
    window.show();
    if (parser.isSet(compare)) {
        window.OpenCompare(tachoria::DefaultSetupTexts(tachoria::LocaleNumbers()));
    }
    return QApplication::exec();
}
