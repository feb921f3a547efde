#include "app/ui/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <cmath>

#include "model/palette.h"

namespace daved {
namespace {

// Beams fanning out from a projector below the title, in colours of the colour table.
QPixmap SplashPicture() {
  QPixmap picture(TForm14::kWidth, TForm14::kHeight);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, TForm14::kHeight);
  sky.setColorAt(0, QColor(4, 4, 24));
  sky.setColorAt(1, Qt::black);
  painter.fillRect(picture.rect(), sky);

  const QPointF source(TForm14::kWidth / 2.0, TForm14::kHeight - 60.0);
  constexpr int kBeams = 13;
  for (int i = 0; i < kBeams; ++i) {
    const double angle = M_PI * (0.15 + 0.7 * i / (kBeams - 1));
    const QPointF end(source.x() - 600 * std::cos(angle), source.y() - 600 * std::sin(angle));
    const Rgb c = PaletteColour(uint8_t(2 + i % 6));  // red, yellow, green, cyan, blue, magenta
    QLinearGradient beam(source, end);
    beam.setColorAt(0, QColor(c.r, c.g, c.b, 230));
    beam.setColorAt(1, QColor(c.r, c.g, c.b, 0));
    painter.setPen(QPen(QBrush(beam), 2.5));
    painter.drawLine(source, end);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(220, 220, 255));
  painter.drawEllipse(source, 6, 6);

  QFont title = painter.font();
  title.setPixelSize(72);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, 150, TForm14::kWidth, 100), Qt::AlignCenter, "Daved");
  QFont subtitle = painter.font();
  subtitle.setPixelSize(18);
  subtitle.setBold(false);
  painter.setFont(subtitle);
  painter.setPen(QColor(180, 180, 220));
  painter.drawText(QRectF(0, 240, TForm14::kWidth, 40), Qt::AlignCenter, "laser show");
  return picture;
}

}  // namespace

TForm14::TForm14(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("TForm14");
  setFixedSize(kWidth, kHeight);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setPixmap(SplashPicture());
  image->setGeometry(rect());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

}  // namespace daved
