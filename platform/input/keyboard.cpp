// Key states, the application-wide key hook and the conversion of Qt key events.
#include "platform/input/keyboard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include <dlfcn.h>

#include <array>

#include "platform/input/key_codes.h"
#include "platform/input/key_map.h"
#include "platform/window/window_widget.h"

namespace {

std::array<bool, key_code_count_> key_down{};
bool caps_toggled = false;  // our own count of Caps Lock presses, where the lamp cannot be read
bool altgr_down = false;
key_hook_fn_ hook;

void note_key(const key_event_& k, int qt_key) {
  const bool down = k.type == key_type_::down;
  if (k.key_code > 0 && k.key_code < key_code_count_) key_down[k.key_code] = down;
  if (qt_key == Qt::Key_AltGr) altgr_down = down;
  if (down && !k.repeat && k.key_code == key_capital_) caps_toggled = !caps_toggled;
}

// Sees each key event once, before its widget: Qt hands the same event object up the widget
// chain when a widget ignores it, and to the Qt window before its widget.
class input_filter_ : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    switch (e->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        if (!o->isWidgetType()) return false;
        auto* qk = static_cast<QKeyEvent*>(e);
        if (qk == last_ && qk->timestamp() == last_stamp_ && qk->type() == last_type_ && qk->key() == last_key_)
          return last_swallowed_;
        last_ = qk;
        last_stamp_ = qk->timestamp();
        last_type_ = qk->type();
        last_key_ = qk->key();
        const key_event_ k = key_event_of_(qk, e->type() == QEvent::KeyPress ? key_type_::down : key_type_::up);
        note_key(k, qk->key());
        last_swallowed_ = false;
        if (hook) {
          key_hook_fn_ h = hook;  // the hook may replace itself
          last_swallowed_ = h(k);
        }
        return last_swallowed_;
      }
      case QEvent::ApplicationDeactivate:
        // Keys released while another program had the keyboard never reach us.
        key_down.fill(false);
        altgr_down = false;
        return false;
      default:
        return false;
    }
  }

 private:
  const QKeyEvent* last_ = nullptr;
  quint64 last_stamp_ = 0;
  QEvent::Type last_type_ = QEvent::None;
  int last_key_ = 0;
  bool last_swallowed_ = false;
};

bool x11_caps_lock(bool& on) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->display()) return false;
  using fn = int (*)(void*, unsigned int, unsigned int*);
  auto get = reinterpret_cast<fn>(dlsym(RTLD_DEFAULT, "XkbGetIndicatorState"));
  unsigned int state = 0;
  if (!get || get(x11->display(), 0x0100 /* the core keyboard */, &state) != 0) return false;
  on = state & 1;
  return true;
}

}  // namespace

void attach_input_filter_() {
  static input_filter_* filter = nullptr;
  if (filter || !qApp) return;
  filter = new input_filter_();
  filter->setParent(qApp);
  qApp->installEventFilter(filter);
}

int32_t shift_bits_of_(Qt::KeyboardModifiers mods) {
  int32_t s = 0;
  if (mods & Qt::ShiftModifier) s |= mod_shift_;
  if (mods & Qt::ControlModifier) s |= mod_ctrl_;
  if (mods & Qt::AltModifier) s |= mod_alt_;
  if ((mods & Qt::GroupSwitchModifier) || altgr_down) s |= mod_altgr_;
  return s;
}

key_event_ key_event_of_(const QKeyEvent* e, key_type_ type) {
  key_event_ k;
  k.type = type;
  int32_t code = injected_key_code_of_(e);
  if (code < 0) {
    code = 0;
    // Letters, digits and punctuation by position where the platform tells the position.
    if (e->nativeScanCode() != 0 && QGuiApplication::platformName() == QLatin1String("xcb"))
      code = key_code_of_x11_(e->nativeScanCode());
    if (code == 0) code = key_code_of_qt_(e->key(), e->modifiers());
  }
  k.key_code = code;
  k.shift = shift_bits_of_(e->modifiers());
  k.repeat = e->isAutoRepeat();
  if (type == key_type_::down && !e->text().isEmpty()) {
    const QList<uint> u = e->text().toUcs4();
    if (!u.isEmpty()) k.ch = u.front();
    k.text = e->text().toStdString();
  }
  return k;
}

bool key_is_down_(int32_t key_code) {
  return key_code > 0 && key_code < key_code_count_ && key_down[key_code];
}

int32_t shift_state_() {
  int32_t s = 0;
  if (key_down[key_shift_]) s |= mod_shift_;
  if (key_down[key_control_]) s |= mod_ctrl_;
  if (key_down[key_menu_] && !altgr_down) s |= mod_alt_;
  if (altgr_down) s |= mod_altgr_;
  return s;
}

bool caps_lock_on_() {
  bool on = false;
  if (x11_caps_lock(on)) return on;
  return caps_toggled;
}

void set_key_hook_(key_hook_fn_ h) {
  attach_input_filter_();
  hook = std::move(h);
}
void remove_key_hook_() { hook = nullptr; }
bool key_hook_installed_() { return static_cast<bool>(hook); }

uint32_t us_character_of_(int32_t c, int32_t shift, bool caps) {
  const bool shifted = shift & mod_shift_;
  if (shift & (mod_ctrl_ | mod_alt_)) return 0;
  if (c >= key_a_ && c <= key_z_) return static_cast<uint32_t>((shifted != caps ? 'A' : 'a') + (c - key_a_));
  if (c >= key_0_ && c <= key_9_) return shifted ? static_cast<uint32_t>(")!@#$%^&*("[c - key_0_]) : static_cast<uint32_t>(c);
  if (c >= key_numpad0_ && c <= key_numpad9_) return static_cast<uint32_t>('0' + (c - key_numpad0_));
  struct punct { int32_t code; char plain, shifted; };
  static constexpr punct table[] = {
      {key_space_, ' ', ' '}, {key_oem_1_, ';', ':'}, {key_oem_plus_, '=', '+'},
      {key_oem_comma_, ',', '<'}, {key_oem_minus_, '-', '_'}, {key_oem_period_, '.', '>'},
      {key_oem_2_, '/', '?'}, {key_oem_3_, '`', '~'}, {key_oem_4_, '[', '{'},
      {key_oem_5_, '\\', '|'}, {key_oem_6_, ']', '}'}, {key_oem_7_, '\'', '"'},
      {key_multiply_, '*', '*'}, {key_add_, '+', '+'}, {key_subtract_, '-', '-'},
      {key_decimal_, '.', '.'}, {key_divide_, '/', '/'},
  };
  for (const punct& p : table)
    if (p.code == c) return static_cast<uint32_t>(shifted ? p.shifted : p.plain);
  return 0;
}
