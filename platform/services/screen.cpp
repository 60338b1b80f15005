// The screen, system colours and the user's locale settings.
#include "platform/services/screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

#include <cmath>

#include "platform/gdi/qt_bridge.h"

namespace {

QScreen* screen() { return qGuiApp ? QGuiApplication::primaryScreen() : nullptr; }

int32_t twips_for_dpi(double dpi) {
  if (!(dpi > 0)) return 15;
  const long t = std::lround(1440.0 / dpi);
  return t > 0 ? static_cast<int32_t>(t) : 1;
}

uint32_t colour_value(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
         (static_cast<uint32_t>(c.blue()) << 16);
}

}  // namespace

int32_t screen_width_px_() { return screen() ? screen()->geometry().width() : 0; }
int32_t screen_height_px_() { return screen() ? screen()->geometry().height() : 0; }

pixel_rect_ work_area_() {
  if (!screen()) return {};
  const QRect r = screen()->availableGeometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

int32_t screen_bits_per_pixel_() { return screen() ? screen()->depth() : 0; }
int32_t twips_per_pixel_x_() { return twips_for_dpi(screen() ? screen()->logicalDotsPerInchX() : 96.0); }
int32_t twips_per_pixel_y_() { return twips_for_dpi(screen() ? screen()->logicalDotsPerInchY() : 96.0); }

int32_t menu_bar_height_px_() {
  const double dpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
  return static_cast<int32_t>(std::lround(20.0 * (dpi > 0 ? dpi : 96.0) / 96.0));
}

int32_t double_click_ms_() { return qApp ? QApplication::doubleClickInterval() : 500; }

bool capture_screen_(const pixel_rect_& r, surface_& out) {
  if (!screen() || r.empty_() || r.width_() > surface_::max_side_ || r.height_() > surface_::max_side_) return false;
  const QImage img = screen()->grabWindow(0, r.left, r.top, static_cast<int>(r.width_()), static_cast<int>(r.height_())).toImage();
  if (img.isNull() || !surface_from_qimage_(img.convertToFormat(QImage::Format_RGB32), out)) return false;
  out.set_kind_(surface_kind_::opaque_);
  return true;
}

uint32_t system_colour_(int64_t index) {
  if (index & 0x80000000LL) index &= 0xFF;
  if (index < 0 || index > 30 || !qApp) return 0;
  const QPalette pal = QApplication::palette();
  using R = QPalette::ColorRole;
  auto c = [&](R role, QPalette::ColorGroup g = QPalette::Active) { return colour_value(pal.color(g, role)); };
  switch (index) {
    case 0: return c(R::Mid);                               // scroll bar
    case 1: return c(R::Dark);                              // desktop
    case 2: case 27: return c(R::Highlight);                // active caption
    case 3: case 28: return c(R::Window, QPalette::Inactive);  // inactive caption
    case 4: case 30: return c(R::Window);                   // menu, menu bar
    case 5: return c(R::Base);                              // window
    case 6: return c(R::Shadow);                            // window frame
    case 7: return c(R::WindowText);                        // menu text
    case 8: return c(R::Text);                              // window text
    case 9: return c(R::HighlightedText);                   // caption text
    case 10: case 11: return c(R::Window);                  // borders
    case 12: return c(R::Dark);                             // application work space
    case 13: case 29: return c(R::Highlight);
    case 14: return c(R::HighlightedText);
    case 15: return c(R::Button);                           // button face
    case 16: return c(R::Dark);                             // button shadow
    case 17: return c(R::Text, QPalette::Disabled);         // grey text
    case 18: return c(R::ButtonText);
    case 19: return c(R::WindowText, QPalette::Inactive);   // inactive caption text
    case 20: return c(R::Light);                            // button highlight
    case 21: return c(R::Shadow);                           // dark 3-D shadow
    case 22: return c(R::Midlight);                         // 3-D light
    case 23: return c(R::ToolTipText);
    case 24: return c(R::ToolTipBase);
    case 26: return c(R::Link);                             // hot-track
    default: return 0;                                      // 25 is unused
  }
}

std::string decimal_separator_() { return QLocale::system().decimalPoint().toStdString(); }

void system_beep_() {
  if (qApp) QApplication::beep();
}
