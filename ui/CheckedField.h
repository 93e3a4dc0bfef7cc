#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

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

signals:
    void Redescribed();

private:
    bool narrow_ = false;
};

}  // namespace tachoria
