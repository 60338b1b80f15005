// The Qt side of a window: one QWidget per window. Private to platform/.
#pragma once
#include <QWidget>

#include <map>

#include "platform/window/window.h"

class QEventLoop;

class window_widget_ : public QWidget {
 public:
  window_widget_(window_* win, QWidget* parent, Qt::WindowFlags flags);
  ~window_widget_() override;

  window_* win() const { return win_; }
  void detach() { win_ = nullptr; }
  bool busy() const { return busy_ > 0; }
  QEventLoop* modal_loop = nullptr;
  uint64_t z_stamp = 0;  // larger is nearer the top among top-level windows

  // Delivers a mouse event as the window's own (capture and frame routing included).
  void deliver_mouse(mouse_type_ type, QPointF local, QPointF global, Qt::MouseButton button,
                     Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, int wheel);

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void mouse_from(QMouseEvent* e, mouse_type_ type);
  window_* win_;
  int busy_ = 0;
};

// The window that a widget belongs to (the nearest window widget up the chain), or null.
window_widget_* window_widget_of_(QObject* o);
uint64_t next_z_stamp_();
// The mod_* bits of a Qt modifier set, with AltGr from the key state.
int32_t shift_bits_of_(Qt::KeyboardModifiers mods);
// Makes sure the application's input filter (key hook, key states) is installed.
void attach_input_filter_();
// Draws the caret over a window's presented image when it is in its visible phase.
void paint_caret_over_(window_* win, class QPainter& p, QPoint client_origin);
// Records the pointer position of injected input, for cursor_pos_.
void note_injected_pointer_(pixel_point_ p, bool delivering);
// Converts a Qt key event into our record (key code by US position, shift bits, character).
key_event_ key_event_of_(const class QKeyEvent* e, key_type_ type);
