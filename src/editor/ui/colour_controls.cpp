#include "editor/ui/colour_controls.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "editor/colour_tools.h"
#include "model/palette.h"
#include "ui/dialogs.h"

namespace daved {
namespace {

constexpr int kCellWidth = 30;
constexpr int kCellHeight = 18;
constexpr int kVisibleRows = 16;

QColor ScreenColour(uint8_t index) {
  const Rgb c = PaletteColour(index);
  return QColor(c.r, c.g, c.b);
}

// Each cell is its palette colour; the selected one keeps it and gets a dotted frame.
class PaletteCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->fillRect(option.rect, ScreenColour(ColourOfCell({index.column(), index.row()})));
    if (option.state.testFlag(QStyle::State_Selected)) {
      painter->setPen(QPen(Qt::white, 1, Qt::DotLine));
      painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
  }
};

}  // namespace

ColourControls::ColourControls(EditorDocument& document, Dialogs& dialogs, QWidget* window)
    : QObject(window), document_(document), dialogs_(dialogs), window_(window) {
  BuildPanel();
}

void ColourControls::BuildPanel() {
  panel_ = new QWidget(window_);
  panel_->setObjectName("ColourPanel");
  auto* column = new QVBoxLayout(panel_);
  column->setContentsMargins(0, 0, 0, 0);

  auto* title = new QGroupBox("Colori ILDA", panel_);
  auto* titleLayout = new QVBoxLayout(title);
  suiDrawGrid1 = new QTableWidget(kGridRows, kGridColumns, title);
  suiDrawGrid1->setObjectName("suiDrawGrid1");
  suiDrawGrid1->horizontalHeader()->hide();
  suiDrawGrid1->verticalHeader()->hide();
  suiDrawGrid1->horizontalHeader()->setMinimumSectionSize(1);
  suiDrawGrid1->verticalHeader()->setMinimumSectionSize(1);
  suiDrawGrid1->horizontalHeader()->setDefaultSectionSize(kCellWidth);
  suiDrawGrid1->verticalHeader()->setDefaultSectionSize(kCellHeight);
  suiDrawGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  suiDrawGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  suiDrawGrid1->setShowGrid(true);
  suiDrawGrid1->setItemDelegate(new PaletteCellDelegate(suiDrawGrid1));
  suiDrawGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  suiDrawGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  suiDrawGrid1->setFixedSize(
      kGridColumns * kCellWidth + suiDrawGrid1->verticalScrollBar()->sizeHint().width() +
          2 * suiDrawGrid1->frameWidth(),
      kVisibleRows * kCellHeight + 2 * suiDrawGrid1->frameWidth());
  titleLayout->addWidget(suiDrawGrid1);
  column->addWidget(title);

  auto* levels = new QGridLayout;
  const auto add = [&](const char* caption, const char* name, int row) {
    levels->addWidget(new QLabel(caption, panel_), row, 0);
    auto* label = new QLabel(panel_);
    label->setObjectName(name);
    levels->addWidget(label, row, 1);
    return label;
  };
  Label34 = add("Colori", "Label34", 0);
  Label13 = add("R :", "Label13", 1);
  Label22 = add("G:", "Label22", 2);
  Label24 = add("B:", "Label24", 3);
  Panel1 = new QFrame(panel_);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameShape(QFrame::Box);
  Panel1->setFixedSize(40, 40);
  Panel1->setAutoFillBackground(true);
  levels->addWidget(Panel1, 0, 2, 4, 1);
  column->addLayout(levels);

  auto* buttons = new QVBoxLayout;
  for (const ColourCommand& command : Commands()) {
    auto* button = new QPushButton(command.caption, panel_);
    button->setObjectName(command.button);
    connect(button, &QPushButton::clicked, this, [this, command] { Run(command); });
    buttons->addWidget(button);
  }
  auto* picture = new QPushButton("Importa foto", panel_);
  picture->setObjectName("BitBtn21");
  connect(picture, &QPushButton::clicked, this, &ColourControls::ImportPicture);
  buttons->addWidget(picture);
  column->addLayout(buttons);
  column->addStretch();

  connect(suiDrawGrid1, &QTableWidget::currentCellChanged, this,
          [this](int row, int col) { ChooseCell(row, col); });
  // A click on the selected cell takes its colour back after the eyedropper moved away.
  connect(suiDrawGrid1, &QTableWidget::cellClicked, this, &ColourControls::ChooseCell);
  const GridCell cell = CellOfColour(document_.colour);
  suiDrawGrid1->setCurrentCell(cell.row, cell.column);
  ShowCurrentColour();
}

const std::vector<ColourControls::ColourCommand>& ColourControls::Commands() {
  static const std::vector<ColourCommand> commands = {
      {"suiButton29", "Contagocce", "Contagocce1", "Contagocce(&D))", Tool::Eyedropper, nullptr},
      {"BitBtn15", "Ch  L", "Cambiacolorelinea1", "Cambia colore (per linea)(&L)",
       Tool::SegmentColour, nullptr},
      {"BitBtn29", "Cambia colore oggetto", "Cambiacoloreselezione1",
       "Cambia colore (per selezione) (&O)", Tool::None, &ColourControls::ColourSelectionClick},
      {"suiButton34", "Colori casuali", "Colorecasuale1", "Colore casuale(&R)", Tool::None,
       &ColourControls::SixColoursClick},
      {"suiButton23", "Blank L", "Spazialinea1", "Spazia (linea)(&B)", Tool::SegmentBlank,
       nullptr},
      {"suiButton25", "Blank O", "Spaziaselezione1", "Spazia (selezione)(&V)", Tool::None,
       &ColourControls::BlankSelectionClick},
      {"suiButton26", "Settaggio Sfondo", "Settaggiosfondo1", "Settaggio sfondo(&K)", Tool::None,
       &ColourControls::BackgroundColourClick},
      {"suiButton27", "Setta colore neutro", "Settasucoloreneutro1", "Setta su colore neutro(&J)",
       Tool::None, &ColourControls::NeutralColourClick},
      {"BitBtn11", "Ridisegna", "Ridisegna1", "Ridisegna (&N)", Tool::None,
       &ColourControls::RedrawWithoutPicture},
  };
  return commands;
}

void ColourControls::Run(const ColourCommand& command) {
  if (command.command != nullptr) {
    (this->*command.command)();
  } else {
    emit toolChosen(command.tool);
  }
}

void ColourControls::FillMenu(QMenu* menu) {
  for (const ColourCommand& command : Commands()) {
    QAction* item = menu->addAction(QString::fromUtf8(command.itemText));
    item->setObjectName(command.item);
    connect(item, &QAction::triggered, this, [this, command] { Run(command); });
  }
}

// --- The current colour --------------------------------------------------------------------

void ColourControls::ChooseCell(int row, int column) {
  if (row < 0 || column < 0) return;
  document_.colour = ColourOfCell({column, row});
  ShowCurrentColour();
}

void ColourControls::ShowCurrentColour() {
  const Rgb levels = PaletteColour(document_.colour);
  Label34->setText(QString::number(document_.colour));
  Label13->setText(QString::number(levels.r));
  Label22->setText(QString::number(levels.g));
  Label24->setText(QString::number(levels.b));
  QPalette swatch = Panel1->palette();
  swatch.setColor(QPalette::Window, ScreenColour(document_.colour));
  Panel1->setPalette(swatch);
}

// --- Commands ------------------------------------------------------------------------------

void ColourControls::ColourSelectionClick() {
  ColourSelection(document_);
  emit redrawNeeded();
}

void ColourControls::SixColoursClick() {
  SpreadSixColours(document_);
  emit redrawNeeded();
}

void ColourControls::BlankSelectionClick() {
  BlankSelection(document_);
  emit redrawNeeded();
  emit messageShown(kSelectionBlankMessage);
}

void ColourControls::BackgroundColourClick() {
  document_.config.background = document_.colour;
  emit redrawNeeded();
  emit messageShown(kBackgroundColourMessage + QString::number(document_.colour));
}

void ColourControls::NeutralColourClick() {
  document_.config.neutral = document_.colour;
  emit redrawNeeded();
  emit messageShown(kNeutralColourMessage + QString::number(document_.colour));
}

void ColourControls::ImportPicture() {
  emit messageShown(kPictureMessage);
  // The dialog needs the pointer that a tool collecting clicks may hold on the canvas.
  QWidget* grabber = QWidget::mouseGrabber();
  if (grabber != nullptr && window_->isAncestorOf(grabber)) grabber->releaseMouse();
  const QString folder =
      QString::fromStdString(document_.picturePath.parent_path().string());
  const std::optional<QString> name = dialogs_.OpenFile(window_, folder, PictureFilter());
  if (!name) return;
  const std::filesystem::path path = name->toStdString();
  switch (ShowPicture(document_, path)) {
    case PictureChoice::Shown:
      emit redrawNeeded();
      break;
    case PictureChoice::Unreadable:
      dialogs_.Message(window_, UnreadablePictureMessage(path));
      break;
    case PictureChoice::Missing:
      break;
  }
}

void ColourControls::RedrawWithoutPicture() {
  HidePicture(document_);
  emit redrawNeeded();
}

}  // namespace daved
