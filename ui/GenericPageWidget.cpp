#include "ui/GenericPageWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "tables/Captions.h"
#include "tables/TireReading.h"
#include "tables/ToolsGenericMPH.h"
#include "tables/ToolsGenericRPM.h"
#include "ui/CommandButton.h"
#include "ui/ControlLook.h"
#include "ui/PageControls.h"
#include "ui/QuestionsWindow.h"

namespace tachoria {

GenericPageWidget::GenericPageWidget(QWidget& tabs, FailureSink& failures,
                                     const CompareOpener& compare, const QuestionsOpener& questions)
    : TwipPage(tabs),
      Label1_(Place(Named(new QLabel, "Label1"), {840, 960, 2535, 375})),
      TireBox_(Place(Named(new QLineEdit, "TireBox"), {3480, 960, 1575, 390})),
      Gen_GetRPMButton_(
          Place(Named(new CommandButton, "Gen_GetRPMButton"), {5760, 960, 1575, 495})),
      Label2_(Place(Named(new QLabel, "Label2"), {840, 1560, 2535, 375})),
      DiffBox_(Place(Named(new QLineEdit, "DiffBox"), {3480, 1560, 1575, 390})),
      Gen_GetMPHButton_(
          Place(Named(new CommandButton, "Gen_GetMPHButton"), {5760, 1920, 1575, 495})),
      Label3_(Place(Named(new QLabel, "Label3"), {840, 2160, 2535, 375})),
      TransBox_(Place(Named(new QLineEdit, "TransBox"), {3480, 2160, 1575, 390})),
      ListView1_(Place(Named(new QTreeWidget, "ListView1"), {120, 2760, 8415, 6015})),
      adapters_{LineEditTextBox(TireBox_), LineEditTextBox(DiffBox_), LineEditTextBox(TransBox_),
                TreeResultList(ListView1_)},
      logic_{adapters_.tire, adapters_.diff, adapters_.trans, adapters_.list, numbers_, failures} {
    const QFont bold = ArialFont(true);
    // This page right-justifies its captions and boxes; the stock page
    // keeps the default.
    const std::pair<QLabel*, std::string_view> captions[] = {
        {&Label1_, kTireDiameterCaption},
        {&Label2_, kDifferentialCaption},
        {&Label3_, kTransmissionCaption},
    };
    for (const auto& [label, caption] : captions) {
        label->setText(ToQString(caption));
        label->setFont(bold);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (QLineEdit* box : {&TireBox_, &DiffBox_, &TransBox_}) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Gen_GetRPMButton_.setFont(bold);
    Gen_GetMPHButton_.setFont(bold);
    SetUpPageControls(
        {.page = *this,
         .pageName = kGenericPageName,
         .tire = TireBox_,
         .getRPM = Gen_GetRPMButton_,
         .getMPH = Gen_GetMPHButton_,
         .list = ListView1_,
         .alternatingRows = false},
        {.shown = [this] { return ShownTable(); },
         .failures = failures,
         .compare = [this, compare] { compare(CompareTexts()); },
         .questions = [this, questions] { questions(QuestionsTexts()); },
         .tireReading =
             [this](std::string_view text) { return GenericTireReading(text, numbers_); }});

    // Screen readers announce a control by these.
    Label1_.setBuddy(&TireBox_);
    Label2_.setBuddy(&DiffBox_);
    Label3_.setBuddy(&TransBox_);
    Describe(TireBox_, ToQString(kTireDiameterCaption));
    Describe(DiffBox_, ToQString(kDifferentialCaption));
    Describe(TransBox_, ToQString(kTransmissionCaption));

    connect(&Gen_GetMPHButton_, &QPushButton::clicked, this,
            &GenericPageWidget::Gen_GetMPHButton_Click);
    connect(&Gen_GetRPMButton_, &QPushButton::clicked, this,
            &GenericPageWidget::Gen_GetRPMButton_Click);
}

SetupTexts GenericPageWidget::CompareTexts() const {
    // Empty boxes stand for their defaults, as on a press.
    const auto text = [this](const QLineEdit& box, double fallback) {
        return box.text().isEmpty() ? numbers_.ToText(fallback) : box.text().toStdString();
    };
    return {text(TireBox_, kDefaultTireDiameter),
            text(DiffBox_, kDefaultDiffRatio),
            {text(TransBox_, kDefaultTransRatio)}};
}

QuestionsStart GenericPageWidget::QuestionsTexts() const {
    return {.setup = CompareTexts(), .model = {}, .yearRange = {}, .stockPage = false};
}

std::vector<QWidget*> GenericPageWidget::FocusOrder() const {
    return {&TireBox_, &DiffBox_, &TransBox_, &Gen_GetRPMButton_, &Gen_GetMPHButton_};
}

void GenericPageWidget::Gen_GetMPHButton_Click() { shown_ = ShowGenericMPH(logic_); }

void GenericPageWidget::Gen_GetRPMButton_Click() { shown_ = ShowGenericRPM(logic_); }

}  // namespace tachoria
