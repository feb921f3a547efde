#include "output/ui/output_settings_window.h"

namespace daved {

TForm13::TForm13(WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName("TForm13");
}

}  // namespace daved
