#include "output/ui/device_selection_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace daved {
namespace {

constexpr int kBoxColumns = 16;

QPushButton* AddButton(QWidget* parent, QLayout* layout, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  layout->addWidget(button);
  return button;
}

}  // namespace

TForm19::TForm19(WindowServices& services, DeviceSelection& selection, QWidget* parent)
    : QDialog(parent), services_(services), selection_(selection) {
  setObjectName("TForm19");
  setWindowTitle("Select device");

  auto* layout = new QVBoxLayout(this);
  auto* mainRow = new QHBoxLayout;
  mainRow->addWidget(new QLabel("Apparecchio principale", this));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setMinimumWidth(120);
  mainRow->addWidget(ComboBox1);
  mainRow->addStretch();
  layout->addLayout(mainRow);

  CheckBox131 = new QCheckBox("Abilita piu' apparecchi", this);
  CheckBox131->setObjectName("CheckBox131");
  layout->addWidget(CheckBox131);

  auto* boxes = new QGridLayout;
  for (int n = 0; n < DeviceSelection::kDeviceCount; ++n) {
    auto* box = new QCheckBox(QString("Usb-%1").arg(n), this);
    box->setObjectName(QString("CheckBox%1").arg(n));
    boxes->addWidget(box, n / kBoxColumns, n % kBoxColumns);
    connect(box, &QCheckBox::clicked, this, [this, n](bool checked) { ClickController(n, checked); });
    controllerBoxes_[std::size_t(n)] = box;
  }
  layout->addLayout(boxes);

  auto* buttons = new QHBoxLayout;
  suiButton2 = AddButton(this, buttons, "suiButton2", "tutto");
  suiButton3 = AddButton(this, buttons, "suiButton3", "None");
  buttons->addStretch();
  BitBtn2 = AddButton(this, buttons, "BitBtn2", "Resetta");
  suiButton1 = AddButton(this, buttons, "suiButton1", "&OK");
  layout->addLayout(buttons);

  // `activated` and `clicked` come from the user only, not from ShowSelection.
  connect(ComboBox1, &QComboBox::activated, this, &TForm19::ChooseMainController);
  connect(CheckBox131, &QCheckBox::clicked, this, &TForm19::SwitchSeveralControllers);
  connect(suiButton2, &QPushButton::clicked, this, &TForm19::SelectAllControllers);
  connect(suiButton3, &QPushButton::clicked, this, &TForm19::SelectNoController);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm19::ResetControllers);
  // The drawing editor redraws its canvas on activation by itself.
  connect(suiButton1, &QPushButton::clicked, this, &QDialog::accept);

  selection_.Activate();
  ShowSelection();
}

void TForm19::RefreshDeviceSelection() { ShowSelection(); }

void TForm19::ShowMainController() { ShowSelection(); }

void TForm19::showEvent(QShowEvent* event) {
  selection_.Activate();
  ShowSelection();
  QDialog::showEvent(event);
}

void TForm19::ChooseMainController(int position) {
  selection_.ChooseMain(position);
  ShowSelection();
  emit mainControllerChosen();
}

void TForm19::SwitchSeveralControllers(bool on) {
  selection_.SetMultiController(on);
  ShowSelection();
}

void TForm19::ClickController(int number, bool checked) {
  selection_.ClickController(number, checked);
  ShowSelection();
}

void TForm19::SelectAllControllers() {
  selection_.SelectAll();
  ShowSelection();
}

void TForm19::SelectNoController() {
  selection_.SelectNone();
  ShowSelection();
}

void TForm19::ResetControllers() {
  for (const std::string& failure : selection_.ResetControllers()) {
    services_.dialogs.Message(this, QString::fromStdString(failure));
  }
}

void TForm19::ShowSelection() {
  QStringList names;
  for (const std::string& name : selection_.listNames()) names << QString::fromStdString(name);
  ComboBox1->clear();
  ComboBox1->addItems(names);
  ComboBox1->setCurrentIndex(selection_.position());

  CheckBox131->setEnabled(selection_.canUseSeveral());
  CheckBox131->setChecked(selection_.multiController());
  for (int n = 0; n < DeviceSelection::kDeviceCount; ++n) {
    QCheckBox* box = controllerBoxes_[std::size_t(n)];
    box->setChecked(selection_.isChecked(n));
    box->setVisible(selection_.isShown(n));
  }
  const bool showButtons = selection_.multiController() && !selection_.found().empty();
  suiButton2->setVisible(showButtons);
  suiButton3->setVisible(showButtons);
}

}  // namespace daved
