#include "ui/MainForm.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QTimer>

#include "arith/TireSize.h"
#include "tables/StockSelection.h"
#include "tables/ToolsGenericMPH.h"
#include "tables/ToolsGenericRPM.h"
#include "ui/ResultListCopy.h"

namespace tachoria {
namespace {

constexpr int kFontPoints = 12;

QFont ArialFont(bool bold) {
    QFont font("Arial", kFontPoints);
    font.setBold(bold);
    return font;
}

void ShowWarningBox(QWidget& parent, const QString& message) {
    QMessageBox::warning(&parent, QStringLiteral("Tachoria"), message);
}

template <typename Control>
Control& Named(Control& control, const char* name) {
    control.setObjectName(QString::fromLatin1(name));
    return control;
}

const QString kTireHint = QStringLiteral("Diameter in inches, or a size code such as 185/80R13");

// The tooltip says which diameter a size code stands for.
void ShowTireSizeNote(QLineEdit& box) {
    const std::string note = TireSizeNote(box.text().toStdString());
    box.setToolTip(note.empty() ? kTireHint : QString::fromStdString(note));
}

// Screen readers announce a control by these; captions repeat across the
// pages, so buttons and lists also say which page they are on.
void Describe(QWidget& control, const QString& name, const QString& description = {}) {
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
    AddCopyActions(list);
}

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      StockTab_(this),
      genericPage_(StockTab_),
      stockPage_(StockTab_),
      presentWarning_(ShowWarningBox) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tachoria"));
    setFont(ArialFont(false));
    const int k = TwipPage::kTwipsPerPixel;
    setFixedSize(kWidthTwips / k, kHeightTwips / k);

    Named(StockTab_, "StockTab").setGeometry(0, 0, kWidthTwips / k, kTabHeightTwips / k);
    StockTab_.addTab(&genericPage_, QStringLiteral("Generic Vehicle"));
    StockTab_.addTab(&stockPage_, QStringLiteral("Stock Corvair Gearing"));
    BuildGenericPage(genericPage_);
    BuildStockPage(stockPage_);
    StockTab_.setCurrentIndex(kStockPage);

    SetTabOrder();
    DescribeForAssistiveTechnology();
    Connect();
    Form_Load();
}

void MainForm::BuildGenericPage(TwipPage& page) {
    const QFont bold = ArialFont(true);
    // The generic page right-justifies its captions and boxes; the stock
    // page keeps the default.
    for (QLabel* label : {&Label1_, &Label2_, &Label3_}) {
        label->setFont(bold);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (QLineEdit* box : {&TireBox_, &DiffBox_, &TransBox_}) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Label1_.setText(QStringLiteral("Tire Diameter"));
    Label2_.setText(QStringLiteral("Differential Gearing"));
    Label3_.setText(QStringLiteral("Transmission Gearing"));
    Gen_GetRPMButton_.setText(QStringLiteral("Get RPM"));
    Gen_GetMPHButton_.setText(QStringLiteral("Get MPH"));
    Gen_GetRPMButton_.setFont(bold);
    Gen_GetMPHButton_.setFont(bold);
    SetUpResultList(ListView1_, false);

    page.Place(Named(Label1_, "Label1"), {840, 960, 2535, 375});
    page.Place(Named(TireBox_, "TireBox"), {3480, 960, 1575, 390});
    page.Place(Named(Gen_GetRPMButton_, "Gen_GetRPMButton"), {5760, 960, 1575, 495});
    page.Place(Named(Label2_, "Label2"), {840, 1560, 2535, 375});
    page.Place(Named(DiffBox_, "DiffBox"), {3480, 1560, 1575, 390});
    page.Place(Named(Gen_GetMPHButton_, "Gen_GetMPHButton"), {5760, 1920, 1575, 495});
    page.Place(Named(Label3_, "Label3"), {840, 2160, 2535, 375});
    page.Place(Named(TransBox_, "TransBox"), {3480, 2160, 1575, 390});
    page.Place(Named(ListView1_, "ListView1"), {120, 2760, 8415, 6015});
}

void MainForm::BuildStockPage(TwipPage& page) {
    Label6_.setText(QStringLiteral("Tire Diameter"));
    Label5_.setText(QStringLiteral("inches"));
    StockGetRPMButton_.setText(QStringLiteral("Get RPM"));
    StockGetMPHButton_.setText(QStringLiteral("Get MPH"));
    Label7_.setText(QStringLiteral("Engine RPM versus MPH"));
    Label7_.setFont(ArialFont(true));
    StockYear_.setEnabled(false);
    StockDiff_.setEnabled(false);
    SetUpResultList(ListView_, true);

    page.Place(Named(Label6_, "Label6"), {1800, 840, 1575, 375});
    page.Place(Named(StockTire_, "StockTire"), {3480, 840, 1815, 390});
    page.Place(Named(Label5_, "Label5"), {5520, 840, 735, 375});
    page.Place(Named(StockModel_, "StockModel"), {240, 1560, 2895, 390});
    page.Place(Named(StockYear_, "StockYear"), {3240, 1560, 2535, 390});
    page.Place(Named(StockDiff_, "StockDiff"), {5880, 1560, 2535, 390});
    page.Place(Named(StockGetRPMButton_, "StockGetRPMButton"), {2160, 2160, 1575, 615});
    page.Place(Named(StockGetMPHButton_, "StockGetMPHButton"), {5160, 2160, 1575, 615});
    page.Place(Named(Label7_, "Label7"), {2760, 2880, 3135, 375});
    page.Place(Named(ListView_, "ListView"), {120, 3360, 8415, 5415});
}

void MainForm::DescribeForAssistiveTechnology() {
    const QString generic = QStringLiteral("Generic Vehicle");
    const QString stock = QStringLiteral("Stock Corvair Gearing");
    Label1_.setBuddy(&TireBox_);
    Label2_.setBuddy(&DiffBox_);
    Label3_.setBuddy(&TransBox_);
    Label6_.setBuddy(&StockTire_);
    Describe(TireBox_, QStringLiteral("Tire Diameter"), kTireHint);
    Describe(DiffBox_, QStringLiteral("Differential Gearing"));
    Describe(TransBox_, QStringLiteral("Transmission Gearing"));
    Describe(StockTire_, QStringLiteral("Tire Diameter"), kTireHint);
    const std::pair<QComboBox*, QLabel*> lists[] = {
        {&StockModel_, &modelCaption_}, {&StockYear_, &yearCaption_}, {&StockDiff_, &diffCaption_}};
    const char* const names[] = {"Model", "Year range", "Differential ratio"};
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        const auto [list, caption] = lists[i];
        Describe(*list, QString::fromLatin1(names[i]));
        caption->setParent(&stockPage_);
        caption->setText(QString::fromLatin1(names[i]));
        caption->setBuddy(list);
        caption->hide();
    }
    Describe(Gen_GetRPMButton_, QStringLiteral("Get RPM, ") + generic);
    Describe(Gen_GetMPHButton_, QStringLiteral("Get MPH, ") + generic);
    Describe(StockGetRPMButton_, QStringLiteral("Get RPM, ") + stock);
    Describe(StockGetMPHButton_, QStringLiteral("Get MPH, ") + stock);
    Describe(ListView1_, generic + QStringLiteral(" results"));
    Describe(ListView_, stock + QStringLiteral(" results"));
    TireBox_.setToolTip(kTireHint);
    StockTire_.setToolTip(kTireHint);
}

void MainForm::SetTabOrder() {
    // The tab strip first, then the stock page, the generic page, and the
    // two result lists last. Hidden and disabled controls are skipped.
    QWidget* const order[] = {
        StockTab_.tabBar(),  &StockTire_,         &StockModel_, &StockYear_, &StockDiff_,
        &StockGetRPMButton_, &StockGetMPHButton_, &TireBox_,    &DiffBox_,   &TransBox_,
        &Gen_GetRPMButton_,  &Gen_GetMPHButton_,  &ListView_,   &ListView1_,
    };
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void MainForm::Connect() {
    connect(&TireBox_, &QLineEdit::textChanged, this, [this] { ShowTireSizeNote(TireBox_); });
    connect(&StockTire_, &QLineEdit::textChanged, this, [this] { ShowTireSizeNote(StockTire_); });
    connect(&StockModel_, &QComboBox::activated, this, &MainForm::StockModel_Click);
    connect(&StockYear_, &QComboBox::activated, this, &MainForm::StockYear_Click);
    connect(&StockDiff_, &QComboBox::activated, this, &MainForm::StockDiff_Click);
    connect(&Gen_GetMPHButton_, &QPushButton::clicked, this, &MainForm::Gen_GetMPHButton_Click);
    connect(&Gen_GetRPMButton_, &QPushButton::clicked, this, &MainForm::Gen_GetRPMButton_Click);
    connect(&StockGetRPMButton_, &QPushButton::clicked, this, &MainForm::StockGetRPMButton_Click);
    connect(&StockGetMPHButton_, &QPushButton::clicked, this, &MainForm::StockGetMPHButton_Click);
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!testAttribute(Qt::WA_SetWindowIcon)) {
        // Drawing the SVG icon loads the SVG module and renders every icon
        // size: most of what start-up costs beyond any Qt window. The window
        // is shown first and gets its icon a moment later.
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(QIcon(QStringLiteral(":/org.tachoria.Tachoria.svg")));
        });
    }
}

void MainForm::SetWarningPresenter(WarningPresenter presenter) {
    presentWarning_ = std::move(presenter);
}

void MainForm::Report(const std::string& message) {
    presentWarning_(*this, QString::fromStdString(message));
}

void MainForm::Form_Load() { PrepareStockLists(stockControls_); }

void MainForm::StockModel_Click() { RefillYearRanges(stockControls_); }

void MainForm::StockYear_Click() { RefillAxleRatios(stockControls_); }

void MainForm::StockDiff_Click() {
    // The chosen ratio is read when a stock button is pressed.
}

void MainForm::Gen_GetMPHButton_Click() { ShowGenericMPH(generic_); }

void MainForm::Gen_GetRPMButton_Click() { ShowGenericRPM(generic_); }

void MainForm::StockGetRPMButton_Click() { RunStockTable(stock_, TableMode::GetRPM); }

void MainForm::StockGetMPHButton_Click() { RunStockTable(stock_, TableMode::GetMPH); }

}  // namespace tachoria
