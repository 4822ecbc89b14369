#include "ui/calmstyle.h"

#include <QFontDatabase>

namespace calm {

QFont textFont(int pixels, bool bold) {
  QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  f.setPixelSize(pixels);
  f.setWeight(bold ? QFont::DemiBold : QFont::Normal);
  return f;
}

QFont fixedFont(int pixels) {
  QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setPixelSize(pixels);
  return f;
}

}  // namespace calm
