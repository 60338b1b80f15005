// Synthetic input, delivered through Qt like the user's so that filters and routing apply.
#include "platform/window/inject.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "platform/input/key_codes.h"
#include "platform/input/key_map.h"
#include "platform/input/keyboard.h"
#include "platform/window/window.h"
#include "platform/window/window_widget.h"

namespace {

Qt::MouseButtons held;
quint64 stamp = 0;  // distinct time stamps tell separate synthetic events apart

Qt::MouseButton qt_button(int32_t b) {
  return b == button_left_ ? Qt::LeftButton : b == button_right_ ? Qt::RightButton
                         : b == button_middle_ ? Qt::MiddleButton : Qt::NoButton;
}

Qt::KeyboardModifiers qt_mods(int32_t shift) {
  Qt::KeyboardModifiers m;
  if (shift & mod_shift_) m |= Qt::ShiftModifier;
  if (shift & mod_ctrl_) m |= Qt::ControlModifier;
  if (shift & mod_alt_) m |= Qt::AltModifier;
  if (shift & mod_altgr_) m |= Qt::GroupSwitchModifier;
  return m;
}

// While a modal window is up, only it and the windows it owns take input.
bool blocked_by_modal(QWidget* w) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return false;
  for (QWidget* p = w; p; p = p->parentWidget())
    if (p == modal) return false;
  return true;
}

}  // namespace

bool inject_mouse_at_(window_& win, mouse_type_ type, int32_t x, int32_t y, int32_t button,
                      int32_t shift, int32_t wheel) {
  const pixel_point_ s = win.client_to_screen_({x, y});
  return inject_mouse_(type, s.x, s.y, button, shift, wheel);
}

bool inject_mouse_(mouse_type_ type, int32_t sx, int32_t sy, int32_t button, int32_t shift, int32_t wheel) {
  note_injected_pointer_({sx, sy}, false);
  window_* target = capture_window_();
  if (!target) target = window_at_(sx, sy);
  if (!target || !target->widget_()) return false;
  window_widget_* w = target->widget_();
  if (blocked_by_modal(w) || !w->isEnabled()) return false;
  const Qt::MouseButton b = qt_button(button);
  if (type == mouse_type_::down || type == mouse_type_::double_click) held |= b;
  if (type == mouse_type_::up) held &= ~b;
  const QPointF global(sx, sy);
  const QPointF local = w->mapFromGlobal(global);
  if (type == mouse_type_::wheel) {
    QWheelEvent ev(local, global, QPoint(), QPoint(0, wheel), held, qt_mods(shift), Qt::NoScrollPhase, false);
    ev.setTimestamp(++stamp);
    note_injected_pointer_({sx, sy}, true);
    QCoreApplication::sendEvent(w, &ev);
    note_injected_pointer_({sx, sy}, false);
    return true;
  }
  if (type == mouse_type_::leave) {
    QEvent ev(QEvent::Leave);
    QCoreApplication::sendEvent(w, &ev);
    return true;
  }
  const QEvent::Type qt_type = type == mouse_type_::down ? QEvent::MouseButtonPress
                               : type == mouse_type_::up ? QEvent::MouseButtonRelease
                               : type == mouse_type_::double_click ? QEvent::MouseButtonDblClick
                                                                   : QEvent::MouseMove;
  QMouseEvent ev(qt_type, local, global, type == mouse_type_::move ? Qt::NoButton : b, held, qt_mods(shift));
  ev.setTimestamp(++stamp);
  note_injected_pointer_({sx, sy}, true);
  QCoreApplication::sendEvent(w, &ev);
  note_injected_pointer_({sx, sy}, false);
  return true;
}

bool inject_key_(key_type_ type, int32_t key_code, int32_t shift, uint32_t ch, bool repeat) {
  window_* target = focused_window_();
  if (!target) target = active_window_();
  QWidget* receiver = QApplication::focusWidget();
  if (!receiver || (target && window_widget_of_(receiver) != target->widget_()))
    receiver = target ? target->widget_() : nullptr;
  if (!receiver || blocked_by_modal(receiver)) return false;
  if (type == key_type_::character) type = key_type_::down;
  if (ch == 0 && type == key_type_::down) ch = us_character_of_(key_code, shift, caps_lock_on_());
  QString text;
  if (ch != 0 && type == key_type_::down) text = QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1);
  QKeyEvent ev(type == key_type_::down ? QEvent::KeyPress : QEvent::KeyRelease, qt_key_of_code_(key_code),
               qt_mods(shift), 0, static_cast<quint32>(key_code), 0, text, repeat);
  ev.setTimestamp(++stamp);
  set_injected_key_(&ev, key_code);
  QCoreApplication::sendEvent(receiver, &ev);
  set_injected_key_(nullptr, 0);
  return true;
}
