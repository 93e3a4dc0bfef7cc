// Every shortcut of every window does exactly one thing, wherever the focus
// is: two actions answering the same keys in one window make Qt trigger
// neither ("Ambiguous shortcut overload"), and the key then does nothing. A
// key that works window-wide must work with the focus anywhere in the
// window, unless the focused widget keeps it (a text field's Ctrl+C). The
// test knows no action by name: it takes whatever actions and shortcuts
// each window has.
#include <QAction>
#include <QDialog>
#include <QShortcut>
#include <algorithm>
#include <utility>

#include "WindowTestBase.h"

namespace {

enum class Scene { GenericPage, StockPage, Comparison, Questions };

QString Describe(const QWidget& widget) {
    if (!widget.objectName().isEmpty()) {
        return widget.objectName();
    }
    if (!widget.accessibleName().isEmpty()) {
        return QStringLiteral("\"%1\"").arg(widget.accessibleName());
    }
    return QString::fromLatin1(widget.metaObject()->className());
}

// The widgets of `window` itself, not of the windows it owns.
QList<QWidget*> WidgetsOf(QWidget& window) {
    QList<QWidget*> widgets{&window};
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() == &window) {
            widgets << widget;
        }
    }
    return widgets;
}

QList<QAction*> ActionsOf(QWidget& window) {
    QList<QAction*> actions;
    for (QWidget* widget : WidgetsOf(window)) {
        for (QAction* action : widget->actions()) {
            if (!actions.contains(action)) {
                actions << action;
            }
        }
    }
    return actions;
}

QList<QShortcut*> ShortcutObjectsOf(QWidget& window) {
    QList<QShortcut*> shortcuts;
    for (QShortcut* shortcut : window.findChildren<QShortcut*>()) {
        if (auto* owner = qobject_cast<QWidget*>(shortcut->parent());
            owner != nullptr && owner->window() == &window) {
            shortcuts << shortcut;
        }
    }
    return shortcuts;
}

// Whether a shortcut of `owner` in `context` answers while `focused` has the
// keyboard focus, as Qt decides it: the owner shown and enabled, and the
// focus inside the owner for the narrower contexts.
bool Answers(const QWidget& owner, Qt::ShortcutContext context, const QWidget& focused) {
    if (!owner.isVisible() || !owner.isEnabled()) {
        return false;
    }
    switch (context) {
        case Qt::WidgetShortcut:
            return &owner == &focused;
        case Qt::WidgetWithChildrenShortcut:
            return &owner == &focused || owner.isAncestorOf(&focused);
        case Qt::WindowShortcut:
        case Qt::ApplicationShortcut:
            return true;
    }
    return false;
}

// Whether the focused widget keeps `key` for itself, as a text field keeps
// Ctrl+C to copy its own text; Qt then triggers no shortcut.
bool KeptByWidget(QWidget& focused, const QKeySequence& key) {
    QKeyEvent override(QEvent::ShortcutOverride, key[0].key(), key[0].keyboardModifiers());
    override.ignore();
    QApplication::sendEvent(&focused, &override);
    return override.isAccepted();
}

// How many things `key` should trigger with `focused` focused: none if
// the widget keeps the key; one if the key works window-wide (wherever the
// focus, some action must take it), or if an enabled action or shortcut
// of the window answers it here; else none.
int Wanted(QWidget& window, QWidget& focused, const QKeySequence& key,
           const QList<QKeySequence>& windowWide) {
    if (KeptByWidget(focused, key)) {
        return 0;
    }
    if (windowWide.contains(key)) {
        return 1;
    }
    for (QAction* action : ActionsOf(window)) {
        if (!action->isEnabled() || !action->shortcuts().contains(key)) {
            continue;
        }
        for (QObject* object : action->associatedObjects()) {
            auto* owner = qobject_cast<QWidget*>(object);
            if (owner != nullptr && owner->window() == &window &&
                Answers(*owner, action->shortcutContext(), focused)) {
                return 1;
            }
        }
    }
    for (QShortcut* shortcut : ShortcutObjectsOf(window)) {
        if (shortcut->isEnabled() && shortcut->keys().contains(key) &&
            Answers(*qobject_cast<QWidget*>(shortcut->parent()), shortcut->context(), focused)) {
            return 1;
        }
    }
    return 0;
}

void Add(QList<QKeySequence>& keys, const QList<QKeySequence>& more) {
    for (const QKeySequence& key : more) {
        if (!key.isEmpty() && !keys.contains(key)) {
            keys << key;
        }
    }
}

bool WindowWide(Qt::ShortcutContext context) {
    return context == Qt::WindowShortcut || context == Qt::ApplicationShortcut;
}

// Whether `action` works window-wide now: enabled, and on a widget of
// `window` that is shown (a hidden page's list answers nothing).
bool WorksWindowWide(const QAction& action, const QWidget& window) {
    if (!action.isEnabled() || !WindowWide(action.shortcutContext())) {
        return false;
    }
    const QList<QObject*> owners = action.associatedObjects();
    return std::any_of(owners.begin(), owners.end(), [&window](QObject* object) {
        auto* owner = qobject_cast<QWidget*>(object);
        return owner != nullptr && owner->window() == &window && owner->isVisible() &&
               owner->isEnabled();
    });
}

// The keys of the window's enabled actions and shortcuts, or of those
// that work window-wide, as they are with the focus where it is now.
QList<QKeySequence> KeysOf(QWidget& window, bool onlyWindowWide) {
    QList<QKeySequence> keys;
    for (QAction* action : ActionsOf(window)) {
        if (onlyWindowWide ? WorksWindowWide(*action, window) : action->isEnabled()) {
            Add(keys, action->shortcuts());
        }
    }
    for (QShortcut* shortcut : ShortcutObjectsOf(window)) {
        auto* owner = qobject_cast<QWidget*>(shortcut->parent());
        if (shortcut->isEnabled() &&
            (!onlyWindowWide || (WindowWide(shortcut->context()) && owner->isVisible()))) {
            Add(keys, shortcut->keys());
        }
    }
    return keys;
}

// The dialogs a shortcut opened (saving, printing, a warning): closed, so
// that each press starts from the window alone.
void CloseDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog*>(widget) != nullptr && widget->isVisible()) {
            widget->close();
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

Q_DECLARE_METATYPE(Scene)

class ShortcutsTest : public WindowTestBase {
    Q_OBJECT

    QStringList triggered_;

    // Records every action triggered and shortcut activated in `window`.
    void Listen(QWidget& window) {
        for (QAction* action : ActionsOf(window)) {
            connect(action, &QAction::triggered, this, [this, action] {
                triggered_ << (action->objectName().isEmpty() ? action->text()
                                                              : action->objectName());
            });
        }
        for (QShortcut* shortcut : ShortcutObjectsOf(window)) {
            connect(shortcut, &QShortcut::activated, this, [this, shortcut] {
                triggered_ << QStringLiteral("shortcut ") + shortcut->key().toString();
            });
        }
    }

    QWidget& Show(Scene scene) {
        if (scene == Scene::GenericPage) {
            Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
            Click("Gen_GetMPHButton");
            return *form_;
        }
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("24"));
        Click("StockGetRPMButton");
        if (scene == Scene::StockPage) {
            return *form_;
        }
        if (scene == Scene::Questions) {
            form_->Stock()
                .List()
                .findChild<QAction*>(QStringLiteral("gearingQuestions"))
                ->trigger();
            return *form_->Questions();
        }
        form_->Stock().List().findChild<QAction*>(QStringLiteral("compareGearing"))->trigger();
        return *form_->Compare();
    }

    // Brings `window` to the front and gives `target` the focus; gives the
    // widget that has it then (a spin box passes it to its text field).
    static QWidget* Focus(QWidget& window, QWidget& target) {
        window.activateWindow();
        // Not qWaitForWindowActive: Qt counts a window active while a window
        // it owns, such as the comparison, has the focus.
        if (!QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; })) {
            return nullptr;
        }
        target.setFocus(Qt::TabFocusReason);
        return QApplication::focusWidget();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void init() { OpenWindow(); }
    void cleanup() {
        CloseDialogs();
        form_.reset();
    }

    void eachShortcutTriggersOneAction_data() {
        QTest::addColumn<Scene>("scene");
        QTest::newRow("main window, generic page") << Scene::GenericPage;
        QTest::newRow("main window, stock page") << Scene::StockPage;
        QTest::newRow("comparison window") << Scene::Comparison;
        QTest::newRow("questions window") << Scene::Questions;
    }

    void eachShortcutTriggersOneAction() {
        QFETCH(Scene, scene);
        QWidget& window = Show(scene);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Listen(window);

        // Every widget that takes the focus, with the widget that then has
        // it (a spin box passes it to its text field); and the keys, which a
        // window may give its actions as the focus moves.
        QList<std::pair<QWidget*, QWidget*>> targets;
        QList<QKeySequence> keys;
        QList<QKeySequence> windowWide;
        for (QWidget* target : WidgetsOf(window)) {
            if (!(target->focusPolicy() & Qt::TabFocus) || !target->isVisible() ||
                !target->isEnabled()) {
                continue;
            }
            QWidget* focused = Focus(window, *target);
            QVERIFY2(focused != nullptr && focused->window() == &window,
                     qPrintable(QStringLiteral("the focus did not reach ") + Describe(*target)));
            if (std::none_of(targets.begin(), targets.end(),
                             [focused](const auto& seen) { return seen.second == focused; })) {
                targets.push_back({target, focused});
                Add(keys, KeysOf(window, false));
                Add(windowWide, KeysOf(window, true));
            }
        }
        QVERIFY2(targets.size() > 1, "fewer than two widgets take the focus");
        QVERIFY2(!keys.isEmpty(), "the window has no shortcuts");

        QStringList faults;
        for (const auto& [target, focused] : targets) {
            for (const QKeySequence& key : keys) {
                // Each press from the same start: the last one may have
                // opened another window or moved the focus.
                QCOMPARE(Focus(window, *target), focused);
                const int wanted = Wanted(window, *focused, key, windowWide);
                triggered_.clear();
                QTest::keySequence(focused, key);
                QApplication::processEvents();
                CloseDialogs();
                if (triggered_.size() != wanted) {
                    faults << QStringLiteral("%1 with the focus on %2: %3 triggered [%4], want %5")
                                  .arg(key.toString(), Describe(*focused))
                                  .arg(triggered_.size())
                                  .arg(triggered_.join(QStringLiteral(", ")))
                                  .arg(wanted);
                }
            }
        }
        for (const QString& fault : faults) {
            qWarning("%s", qPrintable(fault));
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("%1 of %2 presses triggered the wrong number of actions")
                                .arg(faults.size())
                                .arg(targets.size() * keys.size())));
    }
};

QTEST_MAIN(ShortcutsTest)
#include "ShortcutsTest.moc"
