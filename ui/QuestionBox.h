#pragma once

#include <QGroupBox>
#include <memory>
#include <string>
#include <vector>

#include "questions/QuestionModel.h"
#include "tables/Controls.h"

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace tachoria {

class CheckedField;
class ReasonLine;
class TableResultList;

// Text for reading: the user's decimal point, and "2-3 %" never broken
// before its "%".
QString ForReading(std::string_view text, const std::string& decimalPoint);

// A wrapped line that asks for no more width than its longest word: it
// wraps to the width of the fields and the list around it, rather than
// widening them.
QLabel* NewNote(const QString& text, const char* objectName, QWidget* parent);

// One gearing question in its group: a field for each of its model's
// fields, and its answer under them (why there is none, the sentence and
// the list). An edit of one of its fields answers this question again, and
// no other. It answers first when filled.
class QuestionBox : public QGroupBox {
    Q_OBJECT

public:
    // Where a field goes and what it is called: its object name, and its
    // name for screen readers ("Axle question: engine RPM"). A caption from
    // the model goes before it, unless `captioned` by a control of its own.
    struct FieldPlace {
        std::size_t field = 0;
        int row = 0;
        int column = 0;
        const char* objectName = "";
        QString accessibleName;
        // A number's width, a tire's ("P215/65 R15"), or the grid's (from
        // its column on).
        enum class Width { Number, Tire, Full } width = Width::Number;
        bool captioned = true;
    };

    // A question of fields only; `what` names its controls ("axle":
    // "axleQuestion", "axleList").
    QuestionBox(std::unique_ptr<QuestionModel> model, const char* what,
                const std::vector<FieldPlace>& fields, FailureSink& failures,
                QWidget* parent = nullptr);

    // Takes the page's gearing into the fields it applies to (see
    // QuestionModel::Fill), and answers again.
    void Fill(const QuestionsStart& start);
    // Writes the speeds in `unit`, and answers again.
    void SetUnit(SpeedUnit unit);

protected:
    // The group, its column and its grid, for a question that adds its own
    // controls to the grid, then calls AddAnswer.
    QuestionBox(std::unique_ptr<QuestionModel> model, const char* what, FailureSink& failures,
                QWidget* parent);
    CheckedField& AddField(const FieldPlace& place);
    // The answer's lines and list, under the fields.
    void AddAnswer();
    [[nodiscard]] QGridLayout& Grid() const { return *grid_; }
    [[nodiscard]] QVBoxLayout& Column() const { return *column_; }
    [[nodiscard]] QuestionModel& Model() const { return *model_; }
    [[nodiscard]] const std::string& DecimalPoint() const { return decimalPoint_; }

    // Writes the model's texts into the fields, as after filling or
    // converting; no field's edit follows from it.
    void ShowTexts();
    // Shows the model's answer: each field marked by its state, the lines,
    // the sentence and the list.
    void Update();
    // What a question shows of its answer besides its fields and list.
    virtual void ShowChoices(const QuestionAnswer& answer);
    // What a question fills besides its fields: its own choices.
    virtual void FillChoices();

private:
    struct Bound {
        std::size_t field;
        CheckedField* edit;
        QLabel* caption;
    };

    std::unique_ptr<QuestionModel> model_;
    QString what_;
    FailureSink& failures_;
    std::string decimalPoint_;
    QVBoxLayout* column_ = nullptr;
    QGridLayout* grid_ = nullptr;
    std::vector<Bound> bound_;
    ReasonLine* problems_ = nullptr;
    QLabel* summary_ = nullptr;
    TableResultList* list_ = nullptr;
};

}  // namespace tachoria
