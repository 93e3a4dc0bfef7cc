#include "ui/StockPageWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "tables/Captions.h"
#include "tables/StockSelection.h"
#include "tables/TireReading.h"
#include "ui/CommandButton.h"
#include "ui/ControlLook.h"
#include "ui/LocaleNumbers.h"
#include "ui/PageControls.h"
#include "ui/QuestionsWindow.h"

namespace tachoria {

StockPageWidget::StockPageWidget(QWidget& tabs, FailureSink& failures, const CompareOpener& compare,
                                 const QuestionsOpener& questions)
    : TwipPage(tabs),
      Label6_(Place(Named(new QLabel, "Label6"), {1800, 840, 1575, 375})),
      StockTire_(Place(Named(new QLineEdit, "StockTire"), {3480, 840, 1815, 390})),
      Label5_(Place(Named(new QLabel, "Label5"), {5520, 840, 735, 375})),
      StockModel_(Place(Named(new QComboBox, "StockModel"), {240, 1560, 2895, 390})),
      StockYear_(Place(Named(new QComboBox, "StockYear"), {3240, 1560, 2535, 390})),
      StockDiff_(Place(Named(new QComboBox, "StockDiff"), {5880, 1560, 2535, 390})),
      StockGetRPMButton_(
          Place(Named(new CommandButton, "StockGetRPMButton"), {2160, 2160, 1575, 615})),
      StockGetMPHButton_(
          Place(Named(new CommandButton, "StockGetMPHButton"), {5160, 2160, 1575, 615})),
      Label7_(Place(Named(new QLabel, "Label7"), {2760, 2880, 3135, 375})),
      ListView_(Place(Named(new QTreeWidget, "ListView"), {120, 3360, 8415, 5415})),
      adapters_{LineEditTextBox(StockTire_), ComboBoxList(StockModel_), ComboBoxList(StockYear_),
                ComboBoxList(StockDiff_), TreeResultList(ListView_)},
      logic_{{adapters_.tire, adapters_.model, adapters_.year, adapters_.diff},
             adapters_.list,
             failures} {
    Label6_.setText(ToQString(kTireDiameterCaption));
    Label5_.setText(QStringLiteral("inches"));
    Label7_.setText(QStringLiteral("Engine RPM versus MPH"));
    Label7_.setFont(ArialFont(true));
    StockYear_.setEnabled(false);
    StockDiff_.setEnabled(false);
    SetUpPageControls(
        {.page = *this,
         .pageName = kStockPageName,
         .tire = StockTire_,
         .getRPM = StockGetRPMButton_,
         .getMPH = StockGetMPHButton_,
         .list = ListView_,
         .alternatingRows = true},
        {.shown = [this] { return ShownTable(); },
         .failures = failures,
         .compare =
             [this, compare] {
                 compare(CompareTexts(), PageGearbox(StockModel_.currentText().toStdString(),
                                                     StockYear_.currentText().toStdString(), true));
             },
         .questions = [this, questions] { questions(QuestionsTexts()); },
         .tireReading = [](std::string_view text) { return StockTireReading(text); }});

    // Screen readers announce a control by these.
    Label6_.setBuddy(&StockTire_);
    Describe(StockTire_, ToQString(kTireDiameterCaption));
    const std::pair<QComboBox*, std::string_view> lists[] = {
        {&StockModel_, kModelCaption},
        {&StockYear_, kYearRangeCaption},
        {&StockDiff_, kAxleRatioCaption},
    };
    for (const auto& [list, name] : lists) {
        Describe(*list, ToQString(name));
        // The lists have no caption on screen, and Linux screen readers name
        // a list by its label: a hidden one carries the name.
        auto* caption = new QLabel(ToQString(name), this);
        caption->setBuddy(list);
        caption->hide();
    }

    connect(&StockModel_, &QComboBox::activated, this, &StockPageWidget::StockModel_Click);
    connect(&StockYear_, &QComboBox::activated, this, &StockPageWidget::StockYear_Click);
    connect(&StockDiff_, &QComboBox::activated, this, &StockPageWidget::StockDiff_Click);
    connect(&StockGetRPMButton_, &QPushButton::clicked, this,
            &StockPageWidget::StockGetRPMButton_Click);
    connect(&StockGetMPHButton_, &QPushButton::clicked, this,
            &StockPageWidget::StockGetMPHButton_Click);
}

SetupTexts StockPageWidget::CompareTexts() const {
    return StockSetupTexts(
        StockModel_.currentText().toStdString(), StockYear_.currentText().toStdString(),
        StockDiff_.currentText().toStdString(), StockTire_.text().toStdString(), LocaleNumbers());
}

QuestionsStart StockPageWidget::QuestionsTexts() const {
    return {.setup = CompareTexts(),
            .model = StockModel_.currentText().toStdString(),
            .yearRange = StockYear_.currentText().toStdString(),
            .stockPage = true};
}

std::vector<QWidget*> StockPageWidget::FocusOrder() const {
    return {&StockTire_, &StockModel_,        &StockYear_,
            &StockDiff_, &StockGetRPMButton_, &StockGetMPHButton_};
}

void StockPageWidget::Form_Load() { PrepareStockLists(logic_.inputs); }

void StockPageWidget::StockModel_Click() { RefillYearRanges(logic_.inputs); }

void StockPageWidget::StockYear_Click() { RefillAxleRatios(logic_.inputs); }

void StockPageWidget::StockDiff_Click() {
    // The chosen ratio is read when a stock button is pressed.
}

void StockPageWidget::StockGetRPMButton_Click() { Run(TableMode::GetRPM); }

void StockPageWidget::StockGetMPHButton_Click() { Run(TableMode::GetMPH); }

void StockPageWidget::Run(TableMode mode) {
    // An incomplete selection leaves the list, and so the shown table, as
    // they were.
    if (std::optional<Table> table = RunStockTable(logic_, mode)) {
        shown_ = std::move(table);
    }
}

}  // namespace tachoria
