#pragma once

// Drives the window as a user would, for the window's tests.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <span>

#include "tests/golden/EarlyCarTables.h"
#include "ui/CheckedField.h"
#include "ui/MainForm.h"

using tachoria::MainForm;

// Where Tab takes the focus in `first`'s window, from `first` round to it
// again (or to where it stops going round).
inline QWidgetList TabStops(QWidget& first) {
    QWidget& window = *first.window();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return {};
    }
    first.setFocus(Qt::TabFocusReason);
    QWidgetList stops;
    for (QWidget* focus = QApplication::focusWidget(); focus != nullptr && !stops.contains(focus);
         focus = QApplication::focusWidget()) {
        stops << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return stops;
}

// Counts the description changes of `window`'s checked fields and reason
// lines while it lives: each one screen readers are told of. (The offscreen
// platform has no accessibility bridge to count them at.)
class DescriptionChanges {
public:
    explicit DescriptionChanges(QWidget& window) {
        const auto count = [this] { ++count_; };
        for (auto* field : window.findChildren<tachoria::CheckedField*>()) {
            QObject::connect(field, &tachoria::CheckedField::Redescribed, &context_, count);
        }
        for (auto* line : window.findChildren<tachoria::ReasonLine*>()) {
            QObject::connect(line, &tachoria::ReasonLine::Redescribed, &context_, count);
        }
    }
    [[nodiscard]] int Count() const { return count_; }

private:
    QObject context_;
    int count_ = 0;
};

// Whether `list` shows each of its rows and columns whole, unscrolled: it
// is read whole.
inline bool ShowsWhole(const QTreeWidget& list) {
    const int rows = list.topLevelItemCount();
    const QRect last = rows > 0 ? list.visualItemRect(list.topLevelItem(rows - 1)) : QRect();
    return list.viewport()->rect().contains(last) &&
           list.header()->length() <= list.viewport()->width();
}

inline QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items << combo.itemText(i);
    }
    return items;
}

inline QStringList Row(const QTreeWidget& list, int row) {
    QStringList cells;
    const QTreeWidgetItem* item = list.topLevelItem(row);
    for (int column = 0; item != nullptr && column < list.columnCount(); ++column) {
        cells << item->text(column);
    }
    return cells;
}

inline QStringList Headers(const QTreeWidget& list) {
    QStringList headers;
    for (int column = 0; column < list.columnCount(); ++column) {
        headers << list.headerItem()->text(column);
    }
    return headers;
}

template <typename Texts>
QStringList Strings(const Texts& texts) {
    QStringList strings;
    for (const std::string_view text : texts) {
        strings << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return strings;
}

// Compares a list's rows with golden rows; a failure names the row.
inline void CompareRows(const QTreeWidget& list,
                        std::span<const tachoria::golden::GoldenRow> expected) {
    QCOMPARE(list.topLevelItemCount(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QStringList want =
            QStringList{Strings(std::array{expected[i].label})} + Strings(expected[i].cells);
        const QStringList got = Row(list, static_cast<int>(i));
        QVERIFY2(got == want, qPrintable(QStringLiteral("row %1: got \"%2\", want \"%3\"")
                                             .arg(i)
                                             .arg(got.join("|"), want.join("|"))));
    }
}

// Opens a fresh window for each test, with failures recorded, not shown.
class WindowTestBase : public QObject {
protected:
    std::unique_ptr<MainForm> form_;
    QStringList warnings_;

    template <typename T>
    T& Get(const char* name) {
        T* control = form_->findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) {
            qFatal("no control named %s", name);
        }
        return *control;
    }

    // A user's choice by keyboard: the list takes the focus and the arrow
    // keys walk to the item, each step a choice as on any desktop.
    void Choose(const char* comboName, const QString& text) {
        auto& combo = Get<QComboBox>(comboName);
        const int target = combo.findText(text);
        QVERIFY2(target >= 0, qPrintable(text));
        QVERIFY(combo.isEnabled());
        if (combo.currentIndex() == target) {
            emit combo.activated(target);  // choosing the shown item again
            return;
        }
        const Qt::Key key = target > combo.currentIndex() ? Qt::Key_Down : Qt::Key_Up;
        while (combo.currentIndex() != target) {
            QTest::keyClick(&combo, key);
        }
    }

    void SelectEarlyCar() {
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kStockPage);
        Choose("StockModel", QStringLiteral("Early Car (1961-1964)"));
        Choose("StockYear", QStringLiteral("1961-1963"));
        Choose("StockDiff", QStringLiteral("3.27"));
    }

    void Click(const char* buttonName) {
        auto& button = Get<QPushButton>(buttonName);
        QVERIFY(button.isVisible());
        QTest::mouseClick(&button, Qt::LeftButton);
    }

    void Type(const char* boxName, const QString& text) {
        auto& box = Get<QLineEdit>(boxName);
        box.clear();
        QTest::keyClicks(&box, text);
    }

    void OpenWindow() {
        form_ = std::make_unique<MainForm>();
        warnings_.clear();
        form_->SetWarningPresenter([this](QWidget& parent, const QString& message) {
            QCOMPARE(&parent, form_.get());
            warnings_ << message;
        });
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
};
