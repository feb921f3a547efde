#pragma once
// The output settings window: offsets, sizes, angle, speed, delay, colour depths, the colour
// mode of the players, the play flags and a preview of what is playing.

#include <QWidget>

#include "ui/window_services.h"

namespace daved {

class TForm13 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm13(WindowServices& services, QWidget* parent = nullptr);

 private:
  WindowServices& services_;
};

}  // namespace daved
