#include "ui/ControlLook.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>

#include "ui/LegibleColours.h"

namespace tachoria {
namespace {

class PaletteFollower final : public QObject {
public:
    PaletteFollower(QWidget& widget, std::function<void()> reapply)
        : QObject(&widget), reapply_(std::move(reapply)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        // A window hears that the application's palette changed, the
        // widgets in it that their own did. Queued, and once for a burst,
        // so that the parents' palettes are new first; and not for the
        // change that reapplying makes.
        const bool changed = event->type() == QEvent::ApplicationPaletteChange ||
                             event->type() == QEvent::PaletteChange;
        if (changed && !queued_ && !applying_) {
            queued_ = true;
            QTimer::singleShot(0, this, [this] {
                queued_ = false;
                applying_ = true;
                reapply_();
                applying_ = false;
            });
        }
        return false;
    }

private:
    std::function<void()> reapply_;
    bool queued_ = false;
    bool applying_ = false;
};

void PaintInProblemColour(QWidget& label) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ProblemText(palette));
    label.setPalette(palette);
}

}  // namespace

QFont ApplicationFont() { return {QString(kFontFamily), kFontPoints}; }

QFont ArialFont(bool bold) {
    QFont font = ApplicationFont();
    font.setBold(bold);
    return font;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Describe(QWidget& control, const QString& name, const QString& description) {
    control.setAccessibleName(name);
    if (!description.isEmpty()) {
        control.setAccessibleDescription(description);
    }
}

void SetUpResultList(QTreeWidget& list, bool alternatingRows) {
    list.setColumnCount(0);
    list.setRootIsDecorated(false);
    list.setItemsExpandable(false);
    list.setSortingEnabled(false);
    list.setUniformRowHeights(true);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setAlternatingRowColors(alternatingRows);
    list.header()->setStretchLastSection(false);
    list.header()->setSectionsMovable(false);
    list.header()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void ShowWarning(QWidget& parent, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tachoria"), message,
                                QMessageBox::Ok, &parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QColor ProblemColour(const QWidget& widget) { return ProblemText(widget.palette()); }

void MarkProblem(QLineEdit& field, bool problem) {
    QPalette palette = field.parentWidget()->palette();
    if (problem) {
        palette.setColor(QPalette::Base, ProblemBackground(palette));
    }
    field.setPalette(palette);
    field.setProperty("problem", problem);
    if (!field.property("followsPalette").toBool()) {
        field.setProperty("followsPalette", true);
        // Unmarked, the field's palette is all inherited and follows by
        // itself; reapplying it then would undo a look set on top, such as
        // a read-only field's.
        FollowPaletteChanges(field, [&field] {
            if (field.property("problem").toBool()) {
                MarkProblem(field, true);
            }
        });
    }
}

void ShowInProblemColour(QWidget& label) {
    PaintInProblemColour(label);
    FollowPaletteChanges(label, [&label] { PaintInProblemColour(label); });
}

void FollowPaletteChanges(QWidget& widget, std::function<void()> reapply) {
    new PaletteFollower(widget, std::move(reapply));
}

void ShowTireReading(QLineEdit& box, const std::string& reading) {
    const QString text = QString::fromStdString(reading);
    box.setToolTip(text);
    box.setAccessibleDescription(text);
}

}  // namespace tachoria
