#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "outcome/Outcome.h"

namespace tachoria {

// Sets what screen readers hear of `widget` beyond its name, only when
// that changes (and says whether it did): each change is announced, and one
// a keystroke for every field would be read out over and over.
bool Redescribe(QWidget& widget, const QString& description);

// A field whose text is read and checked at each edit. One that cannot be
// used is marked (ControlLook's problem look) with the reason as its
// tooltip and description for screen readers; one that can shows `fine`
// there instead (what a tire reads as), or nothing.
class CheckedField final : public QLineEdit {
    Q_OBJECT

public:
    explicit CheckedField(QWidget* parent = nullptr);

    // Marks the field by `reason` (empty when its text can be used).
    void Show(const QString& reason, const QString& fine = {});
    // Marks it by `reading`, and returns the reading.
    template <typename Value>
    const Outcome<Value>& Show(const Outcome<Value>& reading, const QString& fine = {}) {
        Show(reading ? QString() : QString::fromStdString(reading.message()), fine);
        return reading;
    }
    // Unmarked and silent: a field its question does not use now.
    void Clear() { Show(QString(), QString()); }
    [[nodiscard]] bool HasProblem() const { return problem_; }

signals:
    // Its description changed, which screen readers are told of.
    void Redescribed();

private:
    bool problem_ = false;
};

// The line under a group of fields that says why fields are marked, one
// "Caption: reason" a line, in the problem colour; hidden while there is
// nothing to say, so that it only ever adds lines. Screen readers hear the
// lines as its description.
class ReasonLine final : public QLabel {
    Q_OBJECT

public:
    // `narrow`: it asks for no more width than its longest word, and wraps
    // to the width of the fields around it rather than widening them.
    explicit ReasonLine(QWidget* parent = nullptr, bool narrow = false);
    void Show(const QStringList& reasons);
    [[nodiscard]] QSize sizeHint() const override;
    // The reasons of a group's fields, gathered as they are checked.
    class Gathered {
    public:
        // Marks `field` by `reading` and, if it cannot be used, adds
        // "`caption`: reason".
        template <typename Value>
        const Outcome<Value>& Check(CheckedField& field, const QString& caption,
                                    const Outcome<Value>& reading, const QString& fine = {}) {
            field.Show(reading, fine);
            if (!reading) {
                reasons_ << caption + QStringLiteral(": ") + field.toolTip();
            }
            return reading;
        }
        void Add(const QString& reason) { reasons_ << reason; }
        [[nodiscard]] const QStringList& Reasons() const { return reasons_; }

    private:
        QStringList reasons_;
    };

signals:
    void Redescribed();

private:
    bool narrow_ = false;
};

}  // namespace tachoria
