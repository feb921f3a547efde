#include "editor/ui/selection_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/selection.h"
#include "ui/named_controls.h"

namespace daved {
namespace {

constexpr char kSelectAllMessage[] =
    "Seleziona tutto.  E' stato variato lo stato dell'oggetto selezionato....";
constexpr char kDeselectAllClickMessage[] = "Annulla la selezione (ESC)";
constexpr char kDeleteMessage[] = "Cancella oggetti selezionati!";
constexpr char kDeleteKeyMessage[] = "(E) Cancella";

}  // namespace

SelectionControls::SelectionControls(EditorDocument& document, QWidget* window)
    : QObject(window), document_(document) {
  BuildPanel();
}

void SelectionControls::BuildPanel() {
  panel_ = new QWidget(qobject_cast<QWidget*>(parent()));
  auto* column = new QVBoxLayout(panel_);
  column->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const char* name, const char* caption) {
    QPushButton* button = NamedButton(name, QString::fromUtf8(caption), panel_);
    column->addWidget(button);
    return button;
  };
  const auto tool = [this](Tool chosen) { return [this, chosen] { emit toolChosen(chosen); }; };
  connect(add("suiButton21", "Selezione Punto"), &QPushButton::clicked, this,
          tool(Tool::SelectPoint));
  connect(add("suiButton22", "Seleziona oggetto"), &QPushButton::clicked, this,
          tool(Tool::SelectObject));
  connect(add("suiButton28", "Seleziona tutto"), &QPushButton::clicked, this,
          &SelectionControls::SelectAllClick);
  connect(add("suiButton24", "Deseleziona tutto"), &QPushButton::clicked, this,
          &SelectionControls::DeselectAllClick);
  connect(add("BitBtn14", "Cancella"), &QPushButton::clicked, this,
          &SelectionControls::DeleteClick);
  connect(add("BitBtn7", "Muovi"), &QPushButton::clicked, this, tool(Tool::MoveSelection));
  connect(add("BitBtn8", "Scala"), &QPushButton::clicked, this, tool(Tool::ScaleSelection));
  BitBtn9 = add("BitBtn9", "Ruota");
  BitBtn9->setEnabled(false);  // until the rotation dialog is there
  connect(BitBtn9, &QPushButton::clicked, this, &SelectionControls::RotateClick);
  connect(add("BitBtn17", "Specchio Orizzontale"), &QPushButton::clicked, this,
          &SelectionControls::MirrorTopToBottomClick);
  connect(add("BitBtn18", "Specchio Verticale"), &QPushButton::clicked, this,
          &SelectionControls::MirrorLeftToRightClick);
  suiCheckBox1 = Named<QCheckBox>("suiCheckBox1", "Copia oggetto", panel_);
  suiCheckBox1->setChecked(document_.copyMode);
  column->addWidget(suiCheckBox1);
  connect(suiCheckBox1, &QCheckBox::toggled, this, &SelectionControls::SetCopyMode);
}

void SelectionControls::FillMenu(QMenu* menu) {
  const auto tool = [this](Tool chosen) { return [this, chosen] { emit toolChosen(chosen); }; };
  menu->addSeparator();
  connect(NamedItem(menu, "Selezionapunto1", "Seleziona punto(&S)"), &QAction::triggered, this,
          tool(Tool::SelectPoint));
  connect(NamedItem(menu, "Selezionaoggetto1", "Seleziona oggetto(&O)"), &QAction::triggered,
          this, tool(Tool::SelectObject));
  connect(NamedItem(menu, "Selezionatutto1", "Seleziona tutto(&A)"), &QAction::triggered, this,
          &SelectionControls::SelectAllClick);
  connect(NamedItem(menu, "Cancellaselezione1", "Cancella selezione(&Q)"), &QAction::triggered,
          this, &SelectionControls::DeselectAllClick);
  connect(NamedItem(menu, "Eliminacancellaselezione1", "Elimina (cancella selezione)(&D)"),
          &QAction::triggered, this, &SelectionControls::DeleteClick);
  menu->addSeparator();
  connect(NamedItem(menu, "Muovi1", "Muovi(&M)"), &QAction::triggered, this,
          tool(Tool::MoveSelection));
  connect(NamedItem(menu, "Scala1", "Scala(&X)"), &QAction::triggered, this,
          tool(Tool::ScaleSelection));
  rotateItem_ = NamedItem(menu, "Ruota1", "Ruota(&R)");
  rotateItem_->setEnabled(rotationDialog_ != nullptr);
  connect(rotateItem_, &QAction::triggered, this, &SelectionControls::RotateClick);
  connect(NamedItem(menu, "Specchioorizzontale1", "Specchio orizzontale (&H)"),
          &QAction::triggered, this, &SelectionControls::MirrorTopToBottomClick);
  connect(NamedItem(menu, "Specchioverticale1", "Specchio verticale (&V)"), &QAction::triggered,
          this, &SelectionControls::MirrorLeftToRightClick);
  copyItem_ = NamedItem(menu, "Copiaoggetto1", "Copia oggetto(&C)");
  copyItem_->setCheckable(true);
  copyItem_->setChecked(document_.copyMode);
  connect(copyItem_, &QAction::toggled, this, &SelectionControls::SetCopyMode);
}

void SelectionControls::SetRotationDialog(QWidget* dialog) {
  rotationDialog_ = dialog;
  BitBtn9->setEnabled(dialog != nullptr);
  if (rotateItem_ != nullptr) rotateItem_->setEnabled(dialog != nullptr);
}

void SelectionControls::SelectAllClick() {
  SelectAll(document_);
  emit redrawNeeded();
  emit messageShown(kSelectAllMessage);
}

void SelectionControls::DeselectAllClick() {
  document_.DeselectAll();
  emit redrawNeeded();
  emit messageShown(kDeselectAllClickMessage);
}

void SelectionControls::DeleteClick() { Delete(kDeleteMessage); }

void SelectionControls::DeleteByKey() { Delete(kDeleteKeyMessage); }

void SelectionControls::Delete(const char* message) {
  DeleteSelection(document_);
  emit redrawNeeded();
  emit messageShown(message);
}

void SelectionControls::RotateClick() {
  if (rotationDialog_ == nullptr) return;
  rotationDialog_->show();
  rotationDialog_->raise();
  rotationDialog_->activateWindow();
}

void SelectionControls::MirrorTopToBottomClick() {
  if (MirrorSelection(document_, Mirror::TopToBottom)) emit redrawNeeded();
}

void SelectionControls::MirrorLeftToRightClick() {
  if (MirrorSelection(document_, Mirror::LeftToRight)) emit redrawNeeded();
}

void SelectionControls::SetCopyMode(bool on) {
  document_.copyMode = on;
  // The box and the item show the same flag; a control that does not change emits nothing.
  suiCheckBox1->setChecked(on);
  if (copyItem_ != nullptr) copyItem_->setChecked(on);
}

}  // namespace daved
