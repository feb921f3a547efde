#include "editor/ui/rotation_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "editor/selection.h"
#include "editor/ui/drawing_editor_window.h"
#include "ui/named_controls.h"

namespace daved {
namespace {

constexpr int kImageSize = 255;
constexpr int kMaxDegrees = 360;

}  // namespace

TForm3::TForm3(TForm1& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), centre_(kInitialRotationCentre) {
  setObjectName("TForm3");
  setWindowTitle("Rotazione");
  // No caption buttons: the dialog ends with its own two.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(false);

  Image1 = NamedLabel("Image1", QString(), this);
  Image1->setFixedSize(kImageSize, kImageSize);
  Image1->setCursor(Qt::CrossCursor);
  Image1->installEventFilter(this);
  TrackBar1 = Named<QSlider>("TrackBar1", Qt::Horizontal, this);
  TrackBar1->setRange(0, kMaxDegrees);
  TrackBar1->setValue(0);
  Label1 = NamedLabel("Label1", "0", this);
  suiCheckBox1 = Named<QCheckBox>("suiCheckBox1", "Senso antiorario", this);
  auto* ok = NamedButton("BitBtn1", "&OK", this);
  auto* cancel = NamedButton("BitBtn2", "&Cancella", this);
  // Enter means OK wherever the focus is.
  ok->setDefault(true);
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Image1, 0, 0, 1, 4, Qt::AlignHCenter);
  grid->addWidget(new QLabel("Gradi", this), 1, 0);
  grid->addWidget(Label1, 1, 1);
  grid->addWidget(new QLabel("0", this), 2, 0);
  grid->addWidget(TrackBar1, 2, 1, 1, 2);
  grid->addWidget(new QLabel("360", this), 2, 3);
  grid->addWidget(suiCheckBox1, 3, 0, 1, 4);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 4, 0, 1, 4);

  connect(ok, &QPushButton::clicked, this, &TForm3::accept);
  connect(cancel, &QPushButton::clicked, this, &TForm3::reject);
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm3::ShowPreview);
  connect(suiCheckBox1, &QCheckBox::toggled, this, &TForm3::ShowPreview);
}

double TForm3::Degrees() const {
  return RotationDegrees(TrackBar1->value(), suiCheckBox1->isChecked());
}

void TForm3::ShowPreview() {
  Image1->setPixmap(QPixmap::fromImage(RotationPreview(editor_.document(), centre_, Degrees())));
  Label1->setText(QString::number(TrackBar1->value()));
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    centre_ = QPoint(std::clamp(at.x(), 0, kImageSize - 1), std::clamp(at.y(), 0, kImageSize - 1));
    ShowPreview();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm3::showEvent(QShowEvent* event) {
  // Each use starts from no turn; the centre stays where it was.
  const QSignalBlocker blocker(TrackBar1);
  TrackBar1->setValue(0);
  ShowPreview();
  QDialog::showEvent(event);
}

void TForm3::changeEvent(QEvent* event) {
  // The selection may have changed in the editor meanwhile.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ShowPreview();
  QDialog::changeEvent(event);
}

void TForm3::accept() {
  RotateSelection(editor_.document(), centre_ * 2, Degrees());
  QDialog::accept();
  editor_.Redraw();
}

void TForm3::reject() {
  QDialog::reject();
  editor_.Redraw();
}

}  // namespace daved
