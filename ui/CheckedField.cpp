#include "ui/CheckedField.h"

#include "ui/ControlLook.h"

namespace tachoria {

bool Redescribe(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() == description) {
        return false;
    }
    widget.setAccessibleDescription(description);
    return true;
}

CheckedField::CheckedField(QWidget* parent) : QLineEdit(parent) {}

void CheckedField::Show(const QString& reason, const QString& fine) {
    const bool problem = !reason.isEmpty();
    const QString shown = problem ? reason : fine;
    if (problem != problem_ || !property("problem").isValid()) {
        problem_ = problem;
        MarkProblem(*this, problem);
    }
    if (toolTip() != shown) {
        setToolTip(shown);
    }
    if (Redescribe(*this, shown)) {
        emit Redescribed();
    }
}

ReasonLine::ReasonLine(QWidget* parent, bool narrow) : QLabel(parent), narrow_(narrow) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    ShowInProblemColour(*this);
    hide();  // until there is a reason
}

QSize ReasonLine::sizeHint() const {
    const QSize hinted = QLabel::sizeHint();
    return narrow_ ? QSize(minimumSizeHint().width(), hinted.height()) : hinted;
}

void ReasonLine::Show(const QStringList& reasons) {
    setText(reasons.join(QLatin1Char('\n')));
    if (Redescribe(*this, reasons.join(QLatin1Char(' ')))) {
        emit Redescribed();
    }
    setVisible(!reasons.isEmpty());
}

}  // namespace tachoria
