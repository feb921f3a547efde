#include "editor/ui/plotter_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <system_error>

#include "editor/ui/drawing_editor_window.h"
#include "ui/named_controls.h"

namespace daved {
namespace {

constexpr int kPreviewSide = kCanvasSize / 2;

QSlider* TrackBar(const char* name, int maximum, int initial, QWidget* parent) {
  auto* bar = Named<QSlider>(name, Qt::Horizontal, parent);
  bar->setRange(0, maximum);
  bar->setValue(initial);
  return bar;
}

}  // namespace

TForm17::TForm17(WindowServices& services, TForm1& editor, QWidget* parent)
    : QDialog(parent), services_(services), editor_(editor) {
  setObjectName("TForm17");
  setWindowTitle("Fattore fine/grosso");

  Edit1 = Named<QLineEdit>("Edit1", this);
  auto* find = NamedButton("Button1", "Find....", this);
  TrackBar1 = TrackBar("TrackBar1", kPlotterFineMax, kPlotterFineInitial, this);
  Label1 = NamedLabel("Label1", QString::number(kPlotterFineInitial), this);
  TrackBar2 = TrackBar("TrackBar2", kPlotterSizeMax, kPlotterSizeMax, this);
  Label7 = NamedLabel("Label7", QString::number(kPlotterSizeMax), this);
  Image1 = NamedLabel("Image1", QString(), this);
  Image1->setFixedSize(kPreviewSide, kPreviewSide);
  QPixmap black(kPreviewSide, kPreviewSide);
  black.fill(Qt::black);
  Image1->setPixmap(black);
  Label5 = NamedLabel("Label5", "0", this);
  auto* preview = NamedButton("BitBtn3", "Anteprima", this);
  auto* ok = NamedButton("BitBtn1", "OK", this);
  auto* cancel = NamedButton("BitBtn2", "Cancella", this);
  ok->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Nome file", this), 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(find, 0, 2);
  grid->addWidget(new QLabel("Fine/Coarse factor", this), 1, 0);
  grid->addWidget(TrackBar1, 1, 1);
  grid->addWidget(Label1, 1, 2);
  grid->addWidget(new QLabel("Dimensione fattore", this), 2, 0);
  grid->addWidget(TrackBar2, 2, 1);
  grid->addWidget(Label7, 2, 2);
  grid->addWidget(Image1, 3, 0, 1, 3, Qt::AlignHCenter);
  grid->addWidget(new QLabel("Conteggio Punti:", this), 4, 0);
  grid->addWidget(Label5, 4, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {preview, ok, cancel}) buttons->addWidget(button);
  grid->addLayout(buttons, 5, 0, 1, 3);

  connect(find, &QPushButton::clicked, this, &TForm17::FindFileClick);
  connect(preview, &QPushButton::clicked, this, &TForm17::PreviewClick);
  connect(ok, &QPushButton::clicked, this, &TForm17::OkClick);
  connect(cancel, &QPushButton::clicked, this, &TForm17::reject);
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm17::ShowFineFactor);
  connect(TrackBar2, &QSlider::valueChanged, this, &TForm17::ShowSizeFactor);
}

void TForm17::FindFileClick() {
  const std::optional<QString> name =
      services_.dialogs.OpenFile(this, QString::fromStdString(services_.programFolder.string()),
                                 kPlotterFileFilter);
  if (name) Edit1->setText(*name);
}

void TForm17::PreviewClick() {
  const std::optional<Drawing> objects = Import();
  if (!objects) return;
  Image1->setPixmap(QPixmap::fromImage(PlotterPreview(*objects)));
  Label5->setText(QString::number(CountPoints(*objects)));
}

void TForm17::OkClick() {
  if (std::optional<Drawing> objects = Import()) {
    AppendImportedObjects(editor_.document(), std::move(*objects));
  }
  CloseAndRedrawEditor();
}

void TForm17::reject() { CloseAndRedrawEditor(); }

void TForm17::CloseAndRedrawEditor() {
  QDialog::reject();
  editor_.Redraw();
}

void TForm17::ShowFineFactor(int value) { Label1->setText(QString::number(value)); }

void TForm17::ShowSizeFactor(int value) { Label7->setText(QString::number(value)); }

std::optional<std::filesystem::path> TForm17::ChosenFile() const {
  const std::filesystem::path path(Edit1->text().toStdString());
  std::error_code ec;
  if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  return path;
}

PlotterSettings TForm17::Settings() const {
  return {TrackBar2->value(), TrackBar1->value(), editor_.document().colour};
}

std::optional<Drawing> TForm17::Import() {
  // A name that names no file does nothing, as the buttons have always done.
  const std::optional<std::filesystem::path> path = ChosenFile();
  if (!path) return std::nullopt;
  Drawing objects;
  if (const Status s = ImportPlotterFile(*path, Settings(), objects); !s.ok()) {
    services_.dialogs.Message(this, QString::fromStdString(s.error));
    return std::nullopt;
  }
  return objects;
}

}  // namespace daved
