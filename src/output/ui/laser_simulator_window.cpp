#include "output/ui/laser_simulator_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace daved {
namespace {

constexpr int kColumns = 4;  // controllers side by side before a new row starts

}  // namespace

BeamField::BeamField(QWidget* parent) : QWidget(parent) {
  setMinimumSize(256, 256);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BeamField::SetSegments(std::vector<BeamSegment> segments) {
  if (segments == segments_) return;
  segments_ = std::move(segments);
  update();
}

void BeamField::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const int side = std::min(width(), height());
  painter.translate((width() - side) / 2.0, (height() - side) / 2.0);
  painter.scale(side / 256.0, side / 256.0);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const BeamSegment& s : segments_) {
    QPen pen(QColor(s.colour.r, s.colour.g, s.colour.b));
    pen.setWidthF(1.5);
    pen.setCapStyle(Qt::RoundCap);  // a segment of no length still shows as a dot
    painter.setPen(pen);
    painter.drawLine(QPointF(s.x0 + 0.5, s.y0 + 0.5), QPointF(s.x1 + 0.5, s.y1 + 0.5));
  }
}

LaserSimulatorWindow::LaserSimulatorWindow(SimulatedControllerBus& bus, QWidget* parent)
    : QWidget(parent), bus_(bus) {
  setObjectName("LaserSimulatorWindow");
  setWindowTitle("Simulatore laser");
  auto* grid = new QGridLayout(this);
  int index = 0;
  for (const std::string& device : bus_.Devices()) {
    auto* column = new QVBoxLayout;
    auto* name = new QLabel(QString::fromStdString(device), this);
    name->setObjectName(QString::fromStdString("Name_" + device));
    auto* field = new BeamField(this);
    field->setObjectName(QString::fromStdString("Field_" + device));
    auto* rate = new QLabel(this);
    rate->setObjectName(QString::fromStdString("Rate_" + device));
    column->addWidget(name);
    column->addWidget(field, 1);
    column->addWidget(rate);
    grid->addLayout(column, index / kColumns, index % kColumns);
    views_.push_back({device, field, rate, {}});
    ++index;
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(kRefreshMs);
  connect(Timer1, &QTimer::timeout, this, &LaserSimulatorWindow::RefreshPictures);
  Timer1->start();
  RefreshPictures();
}

void LaserSimulatorWindow::RefreshPictures() {
  const auto now = FeedMeter::Clock::now();
  for (View& view : views_) {
    const std::optional<SimulatedController> controller = bus_.Controller(view.device);
    if (!controller) continue;
    view.field->SetSegments(BeamSegments(controller->frame));
    const double rate = view.meter.Update(controller->points, now);
    view.rate->setText(controller->plugged
                           ? QString("%1 punti/s").arg(qRound64(rate))
                           : QString("scollegato"));
  }
}

}  // namespace daved
