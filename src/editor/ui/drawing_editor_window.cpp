#include "editor/ui/drawing_editor_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>

#include "editor/editor_messages.h"
#include "editor/play_list.h"
#include "editor/ui/colour_controls.h"
#include "editor/ui/frame_pages_panel.h"
#include "editor/ui/selection_controls.h"
#include "output/drawing_player.h"
#include "ui/named_controls.h"

namespace daved {
namespace {

const QString kCaption = QStringLiteral("Modifica Immagine");
constexpr int kFieldMax = 100;  // the up-down arrows' upper end
constexpr int kSpeedMin = 20;
constexpr int kSpeedMax = 250;
constexpr int kSpeedInitial = 150;
constexpr int kSpeedRateFactor = 240;  // Label21 shows the position times this

// The tool buttons on the left of the canvas and the items of "Disegno(&D)".
struct ToolControl {
  Tool tool;
  const char* button;
  const char* caption;
  const char* item;
  const char* itemText;
};
constexpr std::array kToolControls = {
    ToolControl{Tool::Line2P, "BitBtn27", "Linea 2P", "Linea2P1", "Linea 2P(&L)"},
    ToolControl{Tool::LineMP, "suiButton12", "Linea MP", "LineaMP1", "Linea MP (&M)"},
    ToolControl{Tool::Arc, "suiButton14", "Arco", "Arc1", "Arc(&A)"},
    ToolControl{Tool::Ellipse, "suiButton15", "Ciclo", "Cerchioellisse1",
                "Cerchio o ellisse  (&C)"},
    ToolControl{Tool::Rectangle4, "suiButton16", "Rettangolo ", "Rettangolo4punti1",
                "Rettangolo (4 punti)(&R)"},
    ToolControl{Tool::RectangleMany, "suiButton17", "Rettangolo 4P", "Rettangolopipunti1",
                "Rettangolo (più punti)(&E)"},
    ToolControl{Tool::Polygon, "suiButton18", "Poligono", "Poligono1", "Poligono(&P)"},
    ToolControl{Tool::PolygonMP, "suiButton19", "Poligono MP", "Poligonopipunti1",
                "Poligono (più punti)(&O)"},
    ToolControl{Tool::Dots, "suiButton13", "Punti", "Disegnapunti1", "Disegna punti (&K)"},
    ToolControl{Tool::MovePoint, "BitBtn12", "Muovi punto", "Muovipunto1", "Muovi punto(&H)"},
    ToolControl{Tool::AddPoint, "BitBtn13", "Aggiungi punto", "Aggiungipunto1",
                "Aggiungi punto (&J)"},
};

// Menu items that show another window.
struct WindowItem {
  const char* name;
  const char* text;
  const char* window;
};
constexpr std::array kWindowItems = {
    WindowItem{"Modificaveloce1", "Modifica veloce(&P)", "TForm4"},
    WindowItem{"Modifcasegmento1", "Modifca segmento(&Y)", "TForm5"},
    WindowItem{"Visualizzamodifica1", "Visualizza modifica(&U)", "TForm8"},
    WindowItem{"Converti1", "Converti (&I)", "TForm9"},
    WindowItem{"Modificatesto1", "Modifica testo", "TForm6"},
    WindowItem{"Finestraprincipale1", "Finestra principale(&K)", "TForm15"},
    WindowItem{"Selezionaapparecchio1", "Seleziona apparecchio(&E)", "TForm19"},
    WindowItem{"About1", "About(&A)...", "TAboutBox"},
};

// An up-down control: only the two arrows of a short vertical scroll bar, the upper one adding.
QScrollBar* UpDown(const char* name, int least, QWidget* parent) {
  auto* upDown = new QScrollBar(Qt::Vertical, parent);
  upDown->setObjectName(name);
  upDown->setRange(least, kFieldMax);
  upDown->setInvertedAppearance(true);
  upDown->setInvertedControls(false);
  upDown->setFixedHeight(32);
  return upDown;
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

TForm1::TForm1(WindowServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName("TForm1");
  setWindowTitle(kCaption);
  BuildControls();
  BuildMenus();
  new FramePagesPanel(*this, services_);  // below the canvas; the window owns it
  ReadConfig();
  ShowMessage(kNewDrawingMessage);
  ShowFileName();
  Redraw();

  // The window sees every key first, also while a field or a button has the focus; open
  // menus keep theirs.
  for (QWidget* child : findChildren<QWidget*>()) {
    if (qobject_cast<QMenu*>(child) == nullptr && qobject_cast<QMenuBar*>(child) == nullptr) {
      child->installEventFilter(this);
    }
  }
}

TForm1::~TForm1() {
  // The player's end is reported to this window from its thread: it must be over first.
  services_.output.players().StopAndWait();
  // Closing the widget below this destructor takes the focus from a number field, whose
  // "editing finished" must not reach a window that is already half gone.
  disconnect(Edit1, nullptr, this, nullptr);
  disconnect(Edit2, nullptr, this, nullptr);
}

void TForm1::BuildControls() {
  auto* toolBar = addToolBar("ToolBar1");
  toolBar->setObjectName("ToolBar1");
  toolBar->setMovable(false);
  auto* play = NamedToolButton("ToolButton1", "Playing", false, toolBar);
  auto* stop = NamedToolButton("ToolButton8", "Stop", false, toolBar);
  ToolButton9 = NamedToolButton("ToolButton9", "Invert X", true, toolBar);
  ToolButton3 = NamedToolButton("ToolButton3", "Invert Y", true, toolBar);
  ToolButton2 = NamedToolButton("ToolButton2", "Setting", false, toolBar);
  ToolButton2->setEnabled(false);  // until SetWindows finds the output settings window
  toolBar->addSeparator();
  toolBar->addWidget(new QLabel(QString::fromUtf8("Velocità di scansione "), toolBar));
  toolBar->addWidget(new QLabel("4800", toolBar));
  TrackBar1 = new QSlider(Qt::Horizontal, toolBar);
  TrackBar1->setObjectName("TrackBar1");
  TrackBar1->setRange(kSpeedMin, kSpeedMax);
  TrackBar1->setValue(kSpeedInitial);
  TrackBar1->setFixedWidth(200);
  toolBar->addWidget(TrackBar1);
  toolBar->addWidget(new QLabel("60000 ", toolBar));
  Label21 = NamedLabel("Label21", QString::number(kSpeedInitial * kSpeedRateFactor), toolBar);
  toolBar->addWidget(Label21);
  connect(play, &QToolButton::clicked, this, &TForm1::ToolButton1Click);
  connect(stop, &QToolButton::clicked, this, &TForm1::ToolButton8Click);
  connect(ToolButton9, &QToolButton::toggled, this, &TForm1::SetInvertX);
  connect(ToolButton3, &QToolButton::toggled, this, &TForm1::SetInvertY);
  connect(ToolButton2, &QToolButton::clicked, this, &TForm1::ShowOutputSettings);
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::ChangeScanSpeed);

  auto* central = new QWidget(this);
  setCentralWidget(central);

  // The tools on the left of the canvas.
  auto* tools = new QVBoxLayout;
  for (const ToolControl& control : kToolControls) {
    auto* button = NamedButton(control.button, control.caption, central);
    const Tool tool = control.tool;
    connect(button, &QPushButton::clicked, this,
            [this, tool] { ChooseTool(tool, InfoOf(tool).message); });
    tools->addWidget(button);
  }
  auto* showPoints = NamedButton("suiButton20", "Punti visibili", central);
  showPoints->setToolTip("Rendi visibile o meno i punti del disegno");
  connect(showPoints, &QPushButton::clicked, this, &TForm1::ToggleShowPoints);
  tools->addWidget(showPoints);
  auto* undo = NamedButton("TornaIndietro", "Torna indietro", central);
  auto* redo = NamedButton("TornaAvanti", "Torna avanti", central);
  auto* toMemory = NamedButton("SalvaInMemoria", "Salva in memoria", central);
  auto* fromMemory = NamedButton("CaricaDaMemoria", "Carica da memoria", central);
  connect(undo, &QPushButton::clicked, this, &TForm1::UndoClick);
  connect(redo, &QPushButton::clicked, this, &TForm1::RedoClick);
  connect(toMemory, &QPushButton::clicked, this, &TForm1::SaveToMemoryClick);
  connect(fromMemory, &QPushButton::clicked, this, &TForm1::LoadFromMemoryClick);
  auto* importPlt = NamedButton("BitBtn5", "Importa PLT", central);  // paired with its item
  for (QPushButton* b : {undo, redo, toMemory, fromMemory, importPlt}) tools->addWidget(b);
  selection_ = new SelectionControls(document_, this);
  tools->addWidget(selection_->panel());
  connect(selection_, &SelectionControls::toolChosen, this,
          [this](Tool tool) { ChooseTool(tool, InfoOf(tool).message); });
  connect(selection_, &SelectionControls::redrawNeeded, this, &TForm1::Redraw);
  connect(selection_, &SelectionControls::messageShown, this, &TForm1::ShowMessage);

  auto* fields = new QGridLayout;
  Edit2 = new QLineEdit(central);
  Edit2->setObjectName("Edit2");
  UpDown2 = UpDown("UpDown2", kMinPointSpacing, central);
  Edit1 = new QLineEdit(central);
  Edit1->setObjectName("Edit1");
  UpDown1 = UpDown("UpDown1", kMinPolygonSides, central);
  fields->addWidget(new QLabel("Spazio punto", central), 0, 0);
  fields->addWidget(Edit2, 0, 1);
  fields->addWidget(UpDown2, 0, 2);
  fields->addWidget(new QLabel("Lato poligono", central), 1, 0);
  fields->addWidget(Edit1, 1, 1);
  fields->addWidget(UpDown1, 1, 2);
  tools->addLayout(fields);
  tools->addStretch();
  connect(Edit2, &QLineEdit::editingFinished, this, &TForm1::CommitPointSpacing);
  connect(Edit1, &QLineEdit::editingFinished, this, &TForm1::CommitPolygonSides);
  connect(UpDown2, &QScrollBar::valueChanged, this, &TForm1::StepPointSpacing);
  connect(UpDown1, &QScrollBar::valueChanged, this, &TForm1::StepPolygonSides);

  Image90 = NamedLabel("Image90", QString(), central);
  Image90->setFixedSize(kCanvasSize, kCanvasSize);
  Image90->setCursor(Qt::CrossCursor);
  Image90->setMouseTracking(true);

  // The status panel on the right.
  auto* status = new QGroupBox(central);
  auto* panel = new QGridLayout(status);
  Label2 = NamedLabel("Label2", "0", status);
  Label3 = NamedLabel("Label3", "0", status);
  Label17 = NamedLabel("Label17", "0", status);
  Label18 = NamedLabel("Label18", "0", status);
  Label6 = NamedLabel("Label6", "0", status);
  Label8 = NamedLabel("Label8", QString(), status);
  Label1 = NamedLabel("Label1", QString(), status);
  Label1->setStyleSheet("color: red");
  Label1->setWordWrap(true);
  Label1->setMinimumWidth(180);
  const std::array<std::pair<const char*, QLabel*>, 7> rows = {{
      {"Lase X:", Label2},
      {"Lase Y:", Label3},
      {"X:", Label17},
      {"Y:", Label18},
      {"N° Punti", Label6},
      {"Nome file:", Label8},
      {"Messaggio:", Label1},
  }};
  for (int row = 0; row < int(rows.size()); ++row) {
    panel->addWidget(new QLabel(QString::fromUtf8(rows[std::size_t(row)].first), status), row, 0,
                     Qt::AlignTop);
    panel->addWidget(rows[std::size_t(row)].second, row, 1, Qt::AlignTop);
  }
  panel->setRowStretch(int(rows.size()), 1);

  auto* columns = new QHBoxLayout(central);
  columns->addLayout(tools);
  columns->addWidget(Image90, 0, Qt::AlignTop);
  columns->addWidget(status);
  colours_ = new ColourControls(document_, services_.dialogs, this);
  columns->addWidget(colours_->panel(), 0, Qt::AlignTop);
  connect(colours_, &ColourControls::toolChosen, this,
          [this](Tool tool) { ChooseTool(tool, InfoOf(tool).message); });
  connect(colours_, &ColourControls::redrawNeeded, this, &TForm1::Redraw);
  connect(colours_, &ColourControls::messageShown, Label1, &QLabel::setText);
}

void TForm1::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* file = bar->addMenu("File(&F)");
  connect(NamedItem(file, "Nuovo1", "Nuovo(&N)"), &QAction::triggered, this,
          &TForm1::NewDrawingClick);
  connect(NamedItem(file, "Apri1", "Apri(&O)"), &QAction::triggered, this,
          &TForm1::OpenDrawingClick);
  connect(NamedItem(file, "Salva1", "Salva(&S)"), &QAction::triggered, this,
          &TForm1::SaveDrawingClick);
  connect(NamedItem(file, "Salvaconnome1", "Salva con nome(&A)"), &QAction::triggered, this,
          &TForm1::SaveDrawingAsClick);
  file->addSeparator();
  connect(NamedItem(file, "Copiainmemoria1", "Copia in memoria(&W)"), &QAction::triggered, this,
          &TForm1::SaveToMemoryClick);
  connect(NamedItem(file, "Caricadamemoria1", "Carica da memoria(&R)"), &QAction::triggered,
          this, &TForm1::LoadFromMemoryClick);
  file->addSeparator();
  // Shows the plotter import dialog once SetWindows finds it.
  windowItems_.emplace_back(NamedItem(file, "ImportaPLT1", "Importa PLT(&P)"), "TForm17");
  windowItems_.back().first->setEnabled(false);
  QAction* importItem = windowItems_.back().first;
  auto* importButton = findChild<QPushButton*>("BitBtn5");
  importButton->setEnabled(false);
  connect(importItem, &QAction::enabledChanged, importButton, &QPushButton::setEnabled);
  connect(importButton, &QPushButton::clicked, importItem, &QAction::trigger);
  // Their dialogs and tools are not part of the program yet.
  NamedItem(file, "Scrivitesto1", "Scrivi testo(&T)")->setEnabled(false);
  connect(NamedItem(file, "Sfondoimmagine1", "Sfondo immagine(&B)"), &QAction::triggered,
          colours_, &ColourControls::ImportPicture);
  file->addSeparator();
  connect(NamedItem(file, "Chiudi1", "Chiudi (&C)"), &QAction::triggered, this, &QWidget::close);

  QMenu* edit = bar->addMenu("Modifica(&M)");
  connect(NamedItem(edit, "Tornaindietro1", "Torna indietro(&U)"), &QAction::triggered, this,
          &TForm1::UndoClick);
  connect(NamedItem(edit, "Tornaavanti1", "Torna avanti(&Z)"), &QAction::triggered, this,
          &TForm1::RedoClick);
  selection_->FillMenu(edit);

  QMenu* draw = bar->addMenu("Disegno(&D)");
  for (const ToolControl& control : kToolControls) {
    const Tool tool = control.tool;
    connect(NamedItem(draw, control.item, QString::fromUtf8(control.itemText)),
            &QAction::triggered, this, [this, tool] { ChooseTool(tool, InfoOf(tool).message); });
  }
  draw->addSeparator();
  connect(NamedItem(draw, "Puntovisibile1", "Punto visibile(&W)"), &QAction::triggered, this,
          &TForm1::ToggleShowPoints);

  colours_->FillMenu(bar->addMenu("Colore(&C)"));

  QMenu* output = bar->addMenu("Uscita(&U)");
  connect(NamedItem(output, "Play1", "Play(&P)"), &QAction::triggered, this,
          &TForm1::ToolButton1Click);
  connect(NamedItem(output, "Stop1", "Stop(&S)"), &QAction::triggered, this,
          &TForm1::ToolButton8Click);
  settingsItem_ = NamedItem(output, "Settaggio1", "Settaggio(&O)...");
  settingsItem_->setEnabled(false);
  connect(settingsItem_, &QAction::triggered, this, &TForm1::ShowOutputSettings);
  output->addSeparator();
  invertXItem_ = NamedItem(output, "Invertiorizzontale1", "Inverti orizzontale (&H)");
  invertYItem_ = NamedItem(output, "Invertiverticale1", "Inverti verticale(&V)");
  invertXItem_->setCheckable(true);
  invertYItem_->setCheckable(true);
  // The buttons and the items follow each other both ways; a button that does not change
  // emits nothing, so the pair settles at once.
  connect(invertXItem_, &QAction::toggled, ToolButton9, &QToolButton::setChecked);
  connect(invertYItem_, &QAction::toggled, ToolButton3, &QToolButton::setChecked);

  QMenu* windows = bar->addMenu("Finestre(&W)");
  for (const WindowItem& item : kWindowItems) {
    QAction* action = NamedItem(windows, item.name, item.text);
    action->setEnabled(false);
    windowItems_.emplace_back(action, item.window);
  }

  QMenu* system = bar->addMenu("Systems(&S)");
  rescanItem_ = NamedItem(system, "Individuaapparecchio1", "Individua apparecchio(&D)");
  exitItem_ = NamedItem(system, "Escidalsistema1", "Esci dal sistema (&X)");
  rescanItem_->setEnabled(false);
  exitItem_->setEnabled(false);
  connect(rescanItem_, &QAction::triggered, this, [this] {
    QMetaObject::invokeMethod(launcher_, "RescanControllers");
  });
  connect(exitItem_, &QAction::triggered, this, [this] { launcher_->close(); });
}

void TForm1::ReadConfig() {
  // A bad line is reported by the launcher, which mends it; the initial values stay.
  configRead_ = ReadEditorConfig(services_.config, document_.config).ok();
  ShowField(Edit2, UpDown2, document_.config.pointSpacing);
  ShowField(Edit1, UpDown1, document_.config.polygonSides);
}

void TForm1::SetWindows(const std::vector<QWidget*>& windows) {
  const auto find = [&](const char* name) -> QWidget* {
    const auto it = std::find_if(windows.begin(), windows.end(),
                                 [&](QWidget* w) { return w->objectName() == name; });
    return it == windows.end() ? nullptr : *it;
  };
  for (const auto& [item, name] : windowItems_) {
    QWidget* window = find(name);
    item->setEnabled(window != nullptr);
    if (window == nullptr) continue;
    connect(item, &QAction::triggered, window, [window] {
      window->show();
      window->raise();
      window->activateWindow();
    });
  }
  settingsWindow_ = find("TForm13");
  selection_->SetRotationDialog(find("TForm3"));
  ToolButton2->setEnabled(settingsWindow_ != nullptr);
  settingsItem_->setEnabled(settingsWindow_ != nullptr);
  launcher_ = find("TForm15");
  rescanItem_->setEnabled(launcher_ != nullptr);
  exitItem_->setEnabled(launcher_ != nullptr);
}

// --- Showing -------------------------------------------------------------------------------

void TForm1::Redraw() {
  Image90->setPixmap(QPixmap::fromImage(daved::Redraw(document_, composer_)));
  std::size_t points = 0;
  for (const Object& object : document_.drawing) points += object.size();
  Label6->setText(QString::number(points));
}

void TForm1::ShowPlayOver() { ShowMessage(kPlayOverMessage); }

void TForm1::ShowMessage(const QString& text) { Label1->setText(text); }

void TForm1::ShowFileName() { Label8->setText(QString::fromStdString(document_.fileName())); }

void TForm1::ShowField(QLineEdit* field, QScrollBar* upDown, int value) {
  field->setText(QString::number(value));
  const QSignalBlocker blocker(upDown);  // the position follows; it must not set the value
  upDown->setValue(value);
}

// --- Tools and the canvas ------------------------------------------------------------------

void TForm1::ChooseTool(Tool tool, const char* message) {
  tools_.Choose(tool);
  ShowMessage(message);
  UpdateConfinement();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image90) {
    // A quick second click arrives as a double click; to the tools it is one more press.
    if (event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::MouseButtonDblClick) {
      CanvasPress(static_cast<QMouseEvent*>(event));
      return true;
    }
    if (event->type() == QEvent::MouseMove) {
      CanvasMove(static_cast<QMouseEvent*>(event));
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (HandleKey(key)) return true;
    // The number fields take digits, Enter and Backspace; other characters are swallowed.
    if (watched == Edit1 || watched == Edit2) {
      const QString text = key->text();
      if (text.size() == 1 && text[0].isPrint() && !IsDigit(text[0])) return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) QMainWindow::keyPressEvent(event);
}

QPoint TForm1::CanvasPoint(QMouseEvent* event) const {
  const QPoint at = event->position().toPoint();
  return QWidget::mouseGrabber() == Image90 ? ClampToCanvas(at) : at;
}

void TForm1::CanvasPress(QMouseEvent* event) {
  const QPoint at = CanvasPoint(event);
  Label2->setText(QString::number(at.x()));
  Label3->setText(QString::number(at.y()));
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
    const Button button = event->button() == Qt::LeftButton ? Button::Left : Button::Right;
    if (tools_.Press(button, at, ctrl)) Redraw();
    colours_->ShowCurrentColour();  // the eyedropper picks a colour without a redraw
  }
  UpdateConfinement();
}

void TForm1::CanvasMove(QMouseEvent* event) {
  const QPoint at = CanvasPoint(event);
  Label17->setText(QString::number(at.x()));
  Label18->setText(QString::number(at.y()));
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  tools_.Move(at, ctrl);
  if (!tools_.Previewing()) return;
  daved::Redraw(document_, composer_);
  composer_.DrawPreview(tools_.PreviewAt(at, ctrl));
  Image90->setPixmap(QPixmap::fromImage(composer_.image()));
}

// The platform cannot hold the pointer inside a rectangle everywhere; grabbing the mouse gives
// the canvas every press and move, and the positions are brought onto the canvas.
void TForm1::UpdateConfinement() {
  if (tools_.Collecting() && isVisible() && isActiveWindow()) {
    if (QWidget::mouseGrabber() != Image90) Image90->grabMouse();
  } else {
    ReleasePointer();
  }
}

void TForm1::ReleasePointer() {
  if (QWidget::mouseGrabber() == Image90) Image90->releaseMouse();
}

void TForm1::hideEvent(QHideEvent* event) {
  ReleasePointer();
  QMainWindow::hideEvent(event);
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) UpdateConfinement();
  QMainWindow::changeEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
  // The output settings window moves the same scan speed.
  const QSignalBlocker blocker(TrackBar1);
  const int position = kSpeedMax - services_.output.settings.scan_speed.load();
  TrackBar1->setValue(position);
  Label21->setText(QString::number(TrackBar1->value() * kSpeedRateFactor));
  QMainWindow::showEvent(event);
}

// --- Keys ----------------------------------------------------------------------------------

bool TForm1::HandleKey(QKeyEvent* event) {
  // Alt keys open the menus.
  if (event->modifiers().testFlag(Qt::AltModifier)) return false;
  const int key = event->key();
  if (key == Qt::Key_Escape) {
    EscapePressed();
    return true;
  }
  if (key < Qt::Key_A || key > Qt::Key_Z) return false;
  const char letter = char('A' + (key - Qt::Key_A));
  if (letter == 'U') {
    Undo(kUndoKeyMessage, kUndoKeyNothingMessage);
    return true;
  }
  if (letter == 'E') {
    selection_->DeleteByKey();
    return true;
  }
  if (const std::optional<Tool> tool = ToolForKey(letter)) {
    ChooseTool(*tool, InfoOf(*tool).keyMessage);
    return true;
  }
  return false;
}

void TForm1::EscapePressed() {
  document_.DeselectAll();
  // Nothing collects the clicks any more: the next tool starts afresh.
  document_.pending.clear();
  document_.selectionBackup.clear();
  document_.EndPolyline();
  tools_.Choose(Tool::None);
  ReleasePointer();
  Redraw();
  ShowMessage(kDeselectAllMessage);
}

// --- Undo and memory -----------------------------------------------------------------------

void TForm1::Undo(const char* done, const char* nothing) {
  if (!document_.Undo()) {
    if (nothing != nullptr) ShowMessage(nothing);
    return;
  }
  UpdateConfinement();
  Redraw();
  ShowMessage(done);
}

void TForm1::UndoClick() { Undo(kUndoMessage, nullptr); }

void TForm1::RedoClick() {
  if (!document_.Redo()) return;
  UpdateConfinement();
  Redraw();
}

void TForm1::SaveToMemoryClick() {
  if (document_.SaveToMemory()) ShowMessage(kMemorySavedMessage);
}

void TForm1::LoadFromMemoryClick() {
  document_.LoadFromMemory();
  Redraw();
  ShowMessage(kMemoryLoadedMessage);
}

void TForm1::ToggleShowPoints() {
  document_.showPoints = !document_.showPoints;
  Redraw();
}

// --- Files ---------------------------------------------------------------------------------

FilePrompts TForm1::Prompts() {
  const QString folder = QString::fromStdString((services_.programFolder / kDrawingFolder).string());
  const QString filter = QString::fromLatin1(kDrawingFileFilter);
  const auto toPath = [](const std::optional<QString>& name) -> std::optional<std::filesystem::path> {
    if (!name) return std::nullopt;
    return std::filesystem::path(name->toStdString());
  };
  return {
      .ask =
          [this](const std::string& text) {
            ReleasePointer();
            switch (services_.dialogs.Question(this, QString::fromStdString(text), true)) {
              case Answer::Yes:
                return Reply::Yes;
              case Answer::No:
                return Reply::No;
              case Answer::Cancel:
                break;
            }
            return Reply::Cancel;
          },
      .chooseOpen =
          [this, folder, filter, toPath] {
            ReleasePointer();
            return toPath(services_.dialogs.OpenFile(this, folder, filter));
          },
      .chooseSave =
          [this, folder, filter, toPath] {
            ReleasePointer();
            return toPath(services_.dialogs.SaveFile(this, folder, filter,
                                                     QString::fromLatin1(kDrawingFileSuffix)));
          },
  };
}

void TForm1::ShowCommand(const CommandResult& result) {
  if (!result.error.empty()) services_.dialogs.Message(this, QString::fromStdString(result.error));
  UpdateConfinement();
  Redraw();
  ShowFileName();
  if (!result.message.empty()) ShowMessage(QString::fromStdString(result.message));
}

void TForm1::NewDrawingClick() { ShowCommand(NewDrawing(document_, Prompts())); }
void TForm1::OpenDrawingClick() { ShowCommand(OpenDrawing(document_, Prompts())); }
void TForm1::SaveDrawingClick() { ShowCommand(SaveDrawingCommand(document_, Prompts())); }
void TForm1::SaveDrawingAsClick() { ShowCommand(SaveDrawingAs(document_, Prompts())); }

void TForm1::closeEvent(QCloseEvent* event) {
  const CloseDecision decision = QueryClose(document_, Prompts());
  if (!decision.error.empty()) {
    services_.dialogs.Message(this, QString::fromStdString(decision.error));
  }
  modalResult_ = decision.result;
  ShowFileName();
  if (decision.close) {
    event->accept();
  } else {
    event->ignore();
  }
}

// --- Play ----------------------------------------------------------------------------------

void TForm1::ToolButton1Click() {
  OutputFlags& flags = services_.output.flags;
  flags.invert_x.store(ToolButton9->isChecked(), std::memory_order_relaxed);
  flags.invert_y.store(ToolButton3->isChecked(), std::memory_order_relaxed);
  PlayerHost& players = services_.output.players();
  if (document_.drawing.empty()) {
    players.StopAndWait();
    return;
  }
  ShowMessage(kPlayStartMessage);
  // The player ends on its own thread; the message reaches this window through its queue, and
  // only the latest play may say it is over (the one it replaces ends while it starts).
  const int play = ++plays_;
  const auto over = [this, play] {
    if (play == plays_) ShowPlayOver();
  };
  players.Play(kDrawingPlayer,
               std::make_unique<DrawingPlayer>(services_.output.context(),
                                               MakePlayList(document_.drawing)),
               [this, over] { QMetaObject::invokeMethod(this, over, Qt::QueuedConnection); });
}

void TForm1::ToolButton8Click() { services_.output.players().Stop(); }

void TForm1::ShowOutputSettings() {
  if (settingsWindow_ == nullptr) return;
  settingsWindow_->show();
  settingsWindow_->raise();
  settingsWindow_->activateWindow();
}

void TForm1::SetInvertX(bool down) {
  services_.output.flags.invert_x.store(down, std::memory_order_relaxed);
  invertXItem_->setChecked(down);
}

void TForm1::SetInvertY(bool down) {
  services_.output.flags.invert_y.store(down, std::memory_order_relaxed);
  invertYItem_->setChecked(down);
}

void TForm1::ChangeScanSpeed(int position) {
  services_.output.settings.scan_speed.store(uint8_t(kSpeedMax - position),
                                             std::memory_order_relaxed);
  Label21->setText(QString::number(position * kSpeedRateFactor));
}

// --- Point spacing and polygon sides --------------------------------------------------------

void TForm1::CommitPointSpacing() {
  const FieldCommit commit = CommitNumberField(Edit2->text().toStdString(),
                                               document_.config.pointSpacing, kMinPointSpacing);
  if (!commit.error.empty()) services_.dialogs.Message(this, QString::fromStdString(commit.error));
  document_.config.pointSpacing = commit.value;
  ShowField(Edit2, UpDown2, commit.value);
  Edit2->setText(QString::fromStdString(commit.text));
}

void TForm1::CommitPolygonSides() {
  const FieldCommit commit = CommitNumberField(Edit1->text().toStdString(),
                                               document_.config.polygonSides, kMinPolygonSides);
  if (!commit.error.empty()) services_.dialogs.Message(this, QString::fromStdString(commit.error));
  document_.config.polygonSides = commit.value;
  ShowField(Edit1, UpDown1, commit.value);
  Edit1->setText(QString::fromStdString(commit.text));
}

void TForm1::StepPointSpacing(int position) {
  document_.config.pointSpacing = position;
  Edit2->setText(QString::number(position));
}

void TForm1::StepPolygonSides(int position) {
  document_.config.polygonSides = position;
  Edit1->setText(QString::number(position));
}

}  // namespace daved
