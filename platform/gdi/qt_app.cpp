#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QRegion>
#include <cstdlib>

#include "platform/gdi/qt_bridge.h"
#include "platform/gdi/region.h"

QApplication* new_qt_application_() {
  // Without a display, run on the offscreen platform rather than fail to start.
  const char* qpa = std::getenv("QT_QPA_PLATFORM");
  if ((!qpa || !*qpa) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "arvex";
  static char* argv[] = {name, nullptr};
  return new QApplication(argc, argv);
}

void ensure_qt_app_() {
  if (QCoreApplication::instance()) return;
  static QApplication* app = new_qt_application_();
  // Qt's font caches must outlive the application object at exit: start them first, so the
  // closer below, made after them, is destroyed before them.
  (void)QFontMetrics(QFont()).height();
  static const struct closer_ { ~closer_() { delete app; } } close_at_exit;
  (void)close_at_exit;
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
