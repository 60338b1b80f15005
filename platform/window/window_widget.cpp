// The widget behind each window: presentation of its surfaces and routing of its input.
#include "platform/window/window_widget.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPainter>
#include <QPaintEvent>

#include <cmath>

#include "platform/gdi/qt_bridge.h"

namespace {

QPoint client_origin(const window_* w) {
  const pixel_rect_ in = w->frame_insets_();
  return QPoint(in.left, in.top);
}

int dispatch_depth = 0;  // window handlers on the stack, of any window

}  // namespace

bool window_handlers_running_() { return dispatch_depth > 0; }

uint64_t next_z_stamp_() {
  static uint64_t stamp = 0;
  return ++stamp;
}

window_widget_::window_widget_(window_* win, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), win_(win) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

window_widget_::~window_widget_() {
  if (modal_loop) modal_loop->quit();
  if (win_) win_->widget_gone_();
}

window_widget_* window_widget_of_(QObject* o) {
  for (QObject* p = o; p; p = p->parent())
    if (auto* w = dynamic_cast<window_widget_*>(p)) return w;
  return nullptr;
}

bool window_widget_::event(QEvent* e) {
  ++dispatch_depth;
  bool handled = false;
  switch (e->type()) {
    case QEvent::KeyPress:
      // Tab and Shift+Tab are keys like any other here, not focus moves.
      keyPressEvent(static_cast<QKeyEvent*>(e));
      handled = true;
      break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      if (e->type() == QEvent::WindowActivate) z_stamp = next_z_stamp_();
      if (win_ && win_->on_activate && isWindow()) win_->on_activate(e->type() == QEvent::WindowActivate);
      handled = QWidget::event(e);
      break;
    default:
      handled = QWidget::event(e);
  }
  --dispatch_depth;
  return handled;
}

void window_widget_::paintEvent(QPaintEvent*) {
  if (!win_) return;
  QPainter p(this);
  if (win_->per_pixel_alpha_()) p.setCompositionMode(QPainter::CompositionMode_Source);
  const QPoint origin = client_origin(win_);
  const bool framed = !origin.isNull() || win_->frame_insets_().right || win_->frame_insets_().bottom;
  if (win_->owner_paint_due_) {
    win_->owner_paint_due_ = false;
    const window_handle_ h = win_->handle_();
    if (framed && win_->on_frame_paint) win_->on_frame_paint();
    if (find_window_(h) && win_ && win_->on_paint) win_->on_paint();
    if (!win_) return;  // the owner destroyed the window while painting
  }
  if (framed) {
    QImage frame = qimage_view_of_(win_->window_surface_());
    if (!frame.isNull()) p.drawImage(0, 0, frame);
  }
  QImage client = qimage_view_of_(win_->client_surface_());
  if (!client.isNull()) p.drawImage(origin, client);
  paint_caret_over_(win_, p, origin);
}

void window_widget_::resizeEvent(QResizeEvent*) {
  if (win_) win_->sync_size_();
}

void window_widget_::moveEvent(QMoveEvent*) {
  if (win_ && win_->on_move) win_->on_move();
}

void window_widget_::deliver_mouse(mouse_type_ type, QPointF local, QPointF global,
                                   Qt::MouseButton button, Qt::MouseButtons buttons,
                                   Qt::KeyboardModifiers mods, int wheel) {
  window_* target = win_;
  if (!target) return;
  // The capture takes every event, wherever it happened.
  window_* cap = capture_window_();
  if (cap && cap != target && cap->widget_()) {
    cap->widget_()->deliver_mouse(type, cap->widget_()->mapFromGlobal(global), global, button,
                                  buttons, mods, wheel);
    return;
  }
  mouse_event_ m;
  m.type = type;
  auto bit = [](Qt::MouseButton b) {
    return b == Qt::LeftButton ? button_left_ : b == Qt::RightButton ? button_right_
                              : b == Qt::MiddleButton ? button_middle_ : 0;
  };
  m.button = bit(button);
  m.buttons = (buttons & Qt::LeftButton ? button_left_ : 0) | (buttons & Qt::RightButton ? button_right_ : 0) |
              (buttons & Qt::MiddleButton ? button_middle_ : 0);
  m.screen_x = static_cast<int32_t>(std::floor(global.x()));
  m.screen_y = static_cast<int32_t>(std::floor(global.y()));
  m.shift = shift_bits_of_(mods);
  m.wheel = wheel;
  const int32_t lx = static_cast<int32_t>(std::floor(local.x()));
  const int32_t ly = static_cast<int32_t>(std::floor(local.y()));
  const pixel_rect_ in = target->frame_insets_();
  const bool in_client = lx >= in.left && ly >= in.top && lx < width() - in.right && ly < height() - in.bottom;
  if (!in_client && !target->has_capture_() && type != mouse_type_::leave) {
    m.x = lx;
    m.y = ly;
    if (target->on_frame_mouse) target->on_frame_mouse(m);
    return;
  }
  m.x = lx - in.left;
  m.y = ly - in.top;
  if (target->on_mouse) target->on_mouse(m);
}

void window_widget_::mouse_from(QMouseEvent* e, mouse_type_ type) {
  e->accept();
  deliver_mouse(type, e->position(), e->globalPosition(), e->button(), e->buttons(), e->modifiers(), 0);
}

void window_widget_::mousePressEvent(QMouseEvent* e) { mouse_from(e, mouse_type_::down); }
void window_widget_::mouseReleaseEvent(QMouseEvent* e) { mouse_from(e, mouse_type_::up); }
void window_widget_::mouseDoubleClickEvent(QMouseEvent* e) { mouse_from(e, mouse_type_::double_click); }
void window_widget_::mouseMoveEvent(QMouseEvent* e) { mouse_from(e, mouse_type_::move); }
void window_widget_::wheelEvent(QWheelEvent* e) {
  e->accept();
  deliver_mouse(mouse_type_::wheel, e->position(), e->globalPosition(), Qt::NoButton, e->buttons(),
                e->modifiers(), e->angleDelta().y());
}
void window_widget_::leaveEvent(QEvent*) {
  if (win_ && win_->on_mouse && !win_->has_capture_()) {
    mouse_event_ m;
    m.type = mouse_type_::leave;
    win_->on_mouse(m);
  }
}

void window_widget_::keyPressEvent(QKeyEvent* e) {
  e->accept();
  if (!win_ || !win_->on_key) return;
  key_event_ k = key_event_of_(e, key_type_::down);
  window_* w = win_;
  const window_handle_ h = w->handle_();
  w->on_key(k);
  // A typed character follows its key-down, unless the handler destroyed the window.
  if (k.ch != 0 && find_window_(h) == w && w->on_key) {
    k.type = key_type_::character;
    w->on_key(k);
  }
}

void window_widget_::keyReleaseEvent(QKeyEvent* e) {
  e->accept();
  if (win_ && win_->on_key) win_->on_key(key_event_of_(e, key_type_::up));
}

void window_widget_::focusInEvent(QFocusEvent*) {
  if (win_ && win_->on_focus) win_->on_focus(true);
}
void window_widget_::focusOutEvent(QFocusEvent*) {
  if (win_ && win_->on_focus) win_->on_focus(false);
}

void window_widget_::closeEvent(QCloseEvent* e) {
  if (win_ && win_->on_close && !win_->on_close()) {
    e->ignore();
    return;
  }
  e->accept();
}

void window_widget_::hideEvent(QHideEvent*) {
  if (modal_loop) modal_loop->quit();
}

