#include <QApplication>
#include <QRegion>
#include <cstdlib>
#include <memory>

#include "platform/gdi/qt_bridge.h"
#include "platform/gdi/region.h"

void ensure_qt_app_() {
  if (QCoreApplication::instance()) return;
  const char* qpa = std::getenv("QT_QPA_PLATFORM");
  if ((!qpa || !*qpa) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "arvex";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> app = std::make_unique<QApplication>(argc, argv);
}

QRegion qregion_of_(const region_& r) {
  if (r.is_rect_()) {
    const pixel_rect_ b = r.bounds_();
    return QRegion(b.left, b.top, int(b.width_()), int(b.height_()));
  }
  std::vector<QRect> rects;
  rects.reserve(r.spans_().size());
  for (const pixel_span_& s : r.spans_()) rects.emplace_back(s.x0, s.y, s.x1 - s.x0, 1);
  QRegion q;
  q.setRects(rects.data(), int(rects.size()));
  return q;
}
