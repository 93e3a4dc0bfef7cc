#include "ui/ControlLook.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeWidget>

#include "ui/LegibleColours.h"

namespace tachoria {

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
}

void ShowInProblemColour(QWidget& label) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ProblemText(palette));
    label.setPalette(palette);
}

void ShowTireReading(QLineEdit& box, const std::string& reading) {
    const QString text = QString::fromStdString(reading);
    box.setToolTip(text);
    box.setAccessibleDescription(text);
}

}  // namespace tachoria
