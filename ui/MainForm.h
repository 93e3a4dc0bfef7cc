#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWidget>
#include <functional>

#include "tables/GenericPage.h"
#include "tables/StockPage.h"
#include "ui/ControlAdapters.h"
#include "ui/LocaleNumbers.h"
#include "ui/TwipPage.h"

namespace tachoria {

// The program's one window: a fixed-size tab control with the "Generic
// Vehicle" and "Stock Corvair Gearing" pages. The handlers only pass the
// user's actions on to the page logic.
class MainForm final : public QWidget, private FailureSink {
public:
    // Client area in twips.
    static constexpr int kWidthTwips = 8640;
    static constexpr int kHeightTwips = 8910;
    static constexpr int kTabHeightTwips = 8895;
    static constexpr int kGenericPage = 0;
    static constexpr int kStockPage = 1;

    explicit MainForm(QWidget* parent = nullptr);

    // How a failure is shown; a warning box by default. Tests put a recorder
    // here so that no modal dialog blocks them.
    using WarningPresenter = std::function<void(QWidget& parent, const QString& message)>;
    void SetWarningPresenter(WarningPresenter presenter);

    // The handlers, named after their control and event.
    void Form_Load();
    void StockModel_Click();
    void StockYear_Click();
    void StockDiff_Click();
    void Gen_GetMPHButton_Click();
    void Gen_GetRPMButton_Click();
    void StockGetRPMButton_Click();
    void StockGetMPHButton_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Report(const std::string& message) override;
    void BuildGenericPage(TwipPage& page);
    void BuildStockPage(TwipPage& page);
    void SetTabOrder();
    void DescribeForAssistiveTechnology();
    void Connect();

    QTabWidget StockTab_;
    TwipPage genericPage_;
    TwipPage stockPage_;

    QLabel Label1_;
    QLineEdit TireBox_;
    QPushButton Gen_GetRPMButton_;
    QLabel Label2_;
    QLineEdit DiffBox_;
    QPushButton Gen_GetMPHButton_;
    QLabel Label3_;
    QLineEdit TransBox_;
    QTreeWidget ListView1_;

    QLabel Label6_;
    QLineEdit StockTire_;
    QLabel Label5_;
    QComboBox StockModel_;
    QComboBox StockYear_;
    QComboBox StockDiff_;
    QPushButton StockGetRPMButton_;
    QPushButton StockGetMPHButton_;
    QLabel Label7_;
    QTreeWidget ListView_;
    // Captions for assistive technology only: the drop-down lists have none
    // on screen, and Linux screen readers name a list by its label.
    QLabel modelCaption_;
    QLabel yearCaption_;
    QLabel diffCaption_;

    LineEditTextBox tireBox_{TireBox_};
    LineEditTextBox diffBox_{DiffBox_};
    LineEditTextBox transBox_{TransBox_};
    TreeResultList genericList_{ListView1_};
    LineEditTextBox stockTire_{StockTire_};
    ComboBoxList stockModel_{StockModel_};
    ComboBoxList stockYear_{StockYear_};
    ComboBoxList stockDiff_{StockDiff_};
    TreeResultList stockList_{ListView_};
    LocaleNumbers numbers_;

    GenericPage generic_{tireBox_, diffBox_, transBox_, genericList_, numbers_, *this};
    StockControls stockControls_{stockTire_, stockModel_, stockYear_, stockDiff_};
    StockPage stock_{stockControls_, stockList_, *this};

    WarningPresenter presentWarning_;
};

}  // namespace tachoria
