#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFont>
#include <QStyleFactory>
#include <cstring>

#include "ui/LocaleNumbers.h"
#include "ui/MainForm.h"

namespace {

// Whether the arguments ask only for text: help or the version. Those are
// answered before the QApplication is made, which needs a display and
// stops the program without one.
bool AsksForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            break;
        }
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Tachoria"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TACHORIA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tabulates engine speed against road speed for a car's gearing."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption compare(QStringLiteral("compare"),
                                     QStringLiteral("Open the Compare Gearing window as well."));
    parser.addOption(compare);
    if (AsksForText(argc, argv)) {
        // Prints the text and ends the program. Options of Qt's own that
        // only a QApplication takes (-platform) are left to it.
        const QCoreApplication textOnly(argc, argv);
        if (parser.parse(QCoreApplication::arguments())) {
            parser.process(textOnly);
        }
    }

    QApplication app(argc, argv);
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
