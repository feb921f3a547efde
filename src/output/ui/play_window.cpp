#include "output/ui/play_window.h"

namespace daved {

TForm21::TForm21(WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName("TForm21");
  setWindowTitle("Play");
}

}  // namespace daved
