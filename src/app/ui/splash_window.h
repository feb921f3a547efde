#pragma once
// The splash window shown while the windows are created.

#include <QWidget>

namespace daved {

class TForm14 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 428;
  static constexpr int kHeight = 537;

  explicit TForm14(QWidget* parent = nullptr);
};

}  // namespace daved
