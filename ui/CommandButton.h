#pragma once

#include <QPushButton>

namespace tachoria {

// A push button that Enter and keypad Enter press when it has the focus, as
// Space does. Outside a dialog a plain QPushButton takes only Space, and a
// keyboard user pressing Enter would think it broken.
class CommandButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tachoria
