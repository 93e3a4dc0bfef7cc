#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFont>
#include <QStyleFactory>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ui/ControlLook.h"
#include "ui/LocaleNumbers.h"
#include "ui/MainForm.h"
#include "ui/QuestionsWindow.h"

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

// Writes `text` to standard output; a write that fails (a full disk, a
// closed output) ends with status 1 and says so.
int PrintText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "tachoria: cannot write the text: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

// Whether a window can be opened: on Linux Qt stops the program (SIGABRT)
// when it finds no display, so that is told in words first. A platform
// chosen by hand (-platform, QT_QPA_PLATFORM) is left to Qt.
bool HasDisplay(int argc, char* argv[]) {
#ifdef Q_OS_LINUX
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return true;
        }
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
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
    const QCommandLineOption questions(
        QStringLiteral("questions"), QStringLiteral("Open the Gearing Questions window as well."));
    parser.addOption(questions);
    if (AsksForText(argc, argv)) {
        // Prints the text and ends the program. Options of Qt's own that
        // only a QApplication takes (-platform) are left to it.
        const QCoreApplication textOnly(argc, argv);
        if (parser.parse(QCoreApplication::arguments())) {
            const bool version = parser.isSet(QStringLiteral("version")) &&
                                 !parser.isSet(QStringLiteral("help")) &&
                                 !parser.isSet(QStringLiteral("help-all"));
            return PrintText(
                version ? QStringLiteral("Tachoria %1\n").arg(TACHORIA_VERSION)
                        : parser.helpText().replace(QCoreApplication::arguments().constFirst(),
                                                    QStringLiteral("tachoria")));
        }
    }
    if (!HasDisplay(argc, argv)) {
        std::fputs(
            "tachoria: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
            "set); tachoria-cli gives the same tables without one.\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    parser.process(app);

    // The layout is fixed in size; Fusion's metrics are the same on every
    // desktop, so nothing is clipped under a style with larger margins.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Menus and message boxes in the window's own font.
    QApplication::setFont(tachoria::ApplicationFont());
    tachoria::MainForm window;
    window.show();
    if (parser.isSet(compare)) {
        window.OpenCompare(tachoria::DefaultSetupTexts(tachoria::LocaleNumbers()));
    }
    if (parser.isSet(questions)) {
        // From the stock page, as the window opens on it: the early car.
        window.OpenQuestions(window.Stock().QuestionsTexts());
    }
    return QApplication::exec();
}
