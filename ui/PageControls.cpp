#include "ui/PageControls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/ControlLook.h"
#include "ui/ResultListMenu.h"

namespace tachoria {
namespace {

constexpr QLatin1String kGetRPMCaption("Get RPM");
constexpr QLatin1String kGetMPHCaption("Get MPH");

}  // namespace

void SetUpPageControls(const PageControls& controls, const PageCommands& commands) {
    controls.getRPM.setText(kGetRPMCaption);
    controls.getMPH.setText(kGetMPHCaption);
    SetUpResultList(controls.list, controls.alternatingRows);
    AddResultListMenu(controls.list, {.shown = commands.shown,
                                      .failures = &commands.failures,
                                      .compare = commands.compare,
                                      .questions = commands.questions,
                                      .title = {},
                                      .fileName = {}});

    const QString page = ToQString(controls.pageName);
    Describe(controls.getRPM, QString(kGetRPMCaption) + QStringLiteral(", ") + page);
    Describe(controls.getMPH, QString(kGetMPHCaption) + QStringLiteral(", ") + page);
    Describe(controls.list, page + QStringLiteral(" results"));

    QLineEdit& tire = controls.tire;
    const auto showReading = [&tire, reading = commands.tireReading] {
        ShowTireReading(tire, reading(tire.text().toStdString()));
    };
    showReading();
    QObject::connect(&tire, &QLineEdit::textChanged, &controls.page, showReading);
}

}  // namespace tachoria
