#pragma once
// The play window: a small player panel whose buttons set the shared play flags and repeat the
// last play.

#include <QWidget>

#include "ui/window_services.h"

namespace daved {

class TForm21 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm21(WindowServices& services, QWidget* parent = nullptr);

 private:
  WindowServices& services_;
};

}  // namespace daved
