// The caret: drawn inverted over the window's presented image, so the owner's surface never
// holds it and painting needs no hide/show dance.
#include "platform/input/caret.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>

#include <memory>

#include "platform/window/window.h"
#include "platform/window/window_widget.h"

namespace {

struct caret_state {
  window_handle_ win = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;
  bool shown = false;
  bool lit = false;  // the visible half of the blink
  std::unique_ptr<QTimer> timer;
};
caret_state caret;

void repaint_caret() {
  if (window_* w = find_window_(caret.win))
    w->invalidate_rect_({caret.x, caret.y, caret.x + caret.width, caret.y + caret.height});
}

// Every move or show starts a blink cycle lit, so the caret is seen where it lands.
void restart_blink() {
  caret.lit = caret.shown;
  if (caret.timer) {
    if (caret.shown) caret.timer->start(caret_blink_ms_());
    else caret.timer->stop();
  }
  repaint_caret();
}

}  // namespace

void create_caret_(window_& win, int32_t width, int32_t height) {
  destroy_caret_();
  caret.win = win.handle_();
  caret.width = std::max(width, 1);
  caret.height = std::max(height, 1);
  caret.x = caret.y = 0;
  caret.shown = caret.lit = false;
  caret.timer = std::make_unique<QTimer>();
  QObject::connect(caret.timer.get(), &QTimer::timeout, [] {
    caret.lit = !caret.lit;
    repaint_caret();
  });
}

void destroy_caret_() {
  if (!caret.win) return;
  caret.shown = caret.lit = false;
  repaint_caret();
  caret.timer.reset();
  caret.win = 0;
}

void set_caret_pos_(int32_t x, int32_t y) {
  if (!caret.win) return;
  repaint_caret();
  caret.x = x;
  caret.y = y;
  restart_blink();
}

void show_caret_() {
  if (!caret.win) return;
  caret.shown = true;
  restart_blink();
}

void hide_caret_() {
  if (!caret.win) return;
  caret.shown = false;
  restart_blink();
}

int32_t caret_blink_ms_() {
  const int flash = qGuiApp ? QGuiApplication::styleHints()->cursorFlashTime() : 1000;
  return flash > 0 ? flash / 2 : 500;
}

bool caret_exists_() { return caret.win != 0 && find_window_(caret.win); }
bool caret_shown_() { return caret_exists_() && caret.shown; }
window_* caret_window_() { return find_window_(caret.win); }

void paint_caret_over_(window_* win, QPainter& p, QPoint origin) {
  if (!win || win->handle_() != caret.win || !caret.shown || !caret.lit) return;
  p.save();
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.fillRect(QRect(origin.x() + caret.x, origin.y() + caret.y, caret.width, caret.height), Qt::white);
  p.restore();
}
