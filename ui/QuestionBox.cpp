#include "ui/QuestionBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "tables/DecimalPoint.h"
#include "ui/CheckedField.h"
#include "ui/ControlLook.h"
#include "ui/ResultListMenu.h"
#include "ui/TableResultList.h"

namespace tachoria {
namespace {

constexpr int kNumberWidth = 64;  // px: a ratio, a speed or an engine speed
constexpr int kTireWidth = 96;    // px: "P215/65 R15"

class WrappedLine final : public QLabel {
public:
    WrappedLine(const QString& text, QWidget* parent) : QLabel(text, parent) { setWordWrap(true); }
    [[nodiscard]] QSize sizeHint() const override {
        return {minimumSizeHint().width(), QLabel::sizeHint().height()};
    }
};

QStringList ToQStrings(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << ToQString(text);
    }
    return list;
}

}  // namespace

QString ForReading(std::string_view text, const std::string& decimalPoint) {
    return ToQString(WithDecimalPoint(text, decimalPoint))
        .replace(QStringLiteral(" %"), QStringLiteral("\u00A0%"));
}

QLabel* NewNote(const QString& text, const char* objectName, QWidget* parent) {
    auto* note = new WrappedLine(text, parent);
    note->setObjectName(QString::fromLatin1(objectName));
    note->setTextFormat(Qt::PlainText);
    return note;
}

QuestionBox::QuestionBox(std::unique_ptr<QuestionModel> model, const char* what,
                         FailureSink& failures, QWidget* parent)
    : QGroupBox(ToQString(model->Title()), parent),
      model_(std::move(model)),
      what_(QString::fromLatin1(what)),
      failures_(failures),
      decimalPoint_(QLocale().decimalPoint().toStdString()),
      column_(new QVBoxLayout(this)),
      grid_(new QGridLayout) {
    setObjectName(what_ + QStringLiteral("Question"));
    // Rows a little closer than Qt's default, so that all four questions
    // fit on a laptop's screen; the fields keep to the left.
    constexpr int kMargin = 6;
    constexpr int kSpacing = 4;
    column_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column_->setSpacing(kSpacing);
    grid_->setVerticalSpacing(kSpacing);
    grid_->setColumnStretch(4, 1);
    column_->addLayout(grid_);
}

QuestionBox::QuestionBox(std::unique_ptr<QuestionModel> model, const char* what,
                         const std::vector<FieldPlace>& fields, FailureSink& failures,
                         QWidget* parent)
    : QuestionBox(std::move(model), what, failures, parent) {
    for (const FieldPlace& place : fields) {
        AddField(place);
    }
    AddAnswer();
    column_->addStretch(1);
}

CheckedField& QuestionBox::AddField(const FieldPlace& place) {
    auto* edit = new CheckedField(this);
    edit->setObjectName(QString::fromLatin1(place.objectName));
    Describe(*edit, place.accessibleName);
    using Width = FieldPlace::Width;
    if (place.width != Width::Full) {
        edit->setMaximumWidth(place.width == Width::Tire ? kTireWidth : kNumberWidth);
    }
    edit->setText(ToQString(model_->Text(place.field)));
    QLabel* caption = nullptr;
    if (place.captioned) {
        caption = new QLabel(ToQString(model_->Caption(place.field)), this);
        caption->setBuddy(edit);
        grid_->addWidget(caption, place.row, place.column);
    }
    grid_->addWidget(edit, place.row, place.column + 1, 1, place.width == Width::Full ? 4 : 1);
    bound_.push_back({place.field, edit, caption});
    connect(edit, &QLineEdit::textChanged, this, [this, field = place.field](const QString& text) {
        model_->SetText(field, text.toStdString());
        Update();
    });
    return *edit;
}

void QuestionBox::AddAnswer() {
    const QString question = title();
    problems_ = new ReasonLine(this, true);
    problems_->setObjectName(what_ + QStringLiteral("Problems"));
    Describe(*problems_, question + QStringLiteral(": problems"));
    summary_ = NewNote({}, qPrintable(what_ + QStringLiteral("Summary")), this);
    Describe(*summary_, question + QStringLiteral(": answer"));
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    list_ = new TableResultList(
        what_ + QStringLiteral("List"), question + QStringLiteral(": results"),
        {.shown = {},
         .failures = &failures_,
         .compare = {},
         .questions = {},
         .title = [this](const Table&) { return ToQString(model_->PrintedTitle()); },
         .fileName = [this](const Table&) { return ToQString(model_->FileName()); },
         .decimalPoint = decimalPoint_,
         // Four lists in one window: Save's and Print's keys act on the
         // focused one.
         .windowShortcuts = false,
         .extra = {}},
        this);
    column_->addWidget(problems_);
    column_->addWidget(summary_);
    column_->addWidget(list_, 0, Qt::AlignLeft);
}

void QuestionBox::Fill(const QuestionsStart& start) {
    model_->Fill(start);
    FillChoices();
    ShowTexts();
    Update();
}

void QuestionBox::SetUnit(SpeedUnit unit) {
    if (model_->Unit() == unit) {
        return;
    }
    model_->SetUnit(unit);
    for (const Bound& bound : bound_) {
        if (bound.caption != nullptr) {
            bound.caption->setText(ToQString(model_->Caption(bound.field)));
        }
    }
    ShowTexts();
    Update();
}

void QuestionBox::ShowTexts() {
    for (const Bound& bound : bound_) {
        const QString text = ToQString(model_->Text(bound.field));
        if (bound.edit->text() != text) {
            const QSignalBlocker quiet(bound.edit);
            bound.edit->setText(text);
        }
    }
}

void QuestionBox::Update() {
    const QuestionAnswer& answer = model_->Answer();
    for (const Bound& bound : bound_) {
        const FieldState& state = answer.fields.at(bound.field);
        bound.edit->setEnabled(state.enabled);
        if (state.enabled) {
            bound.edit->Show(ToQString(state.reason.value_or(std::string())),
                             ToQString(state.readsAs));
        } else {
            bound.edit->Clear();
        }
    }
    ShowChoices(answer);
    problems_->Show(ToQStrings(answer.ProblemLines()));
    const QString sentence = ForReading(answer.summary, decimalPoint_);
    summary_->setText(sentence);
    Redescribe(*summary_, sentence);  // its name says which answer
    // Read with the list, so that a screen reader on the list hears it too.
    Redescribe(*list_, sentence);
    list_->Show(answer.table, decimalPoint_, true);
}

void QuestionBox::ShowChoices(const QuestionAnswer& /*answer*/) {}

void QuestionBox::FillChoices() {}

}  // namespace tachoria
