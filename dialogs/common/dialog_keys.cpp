#include "dialogs/common/dialog_keys.h"

#include <memory>

#include "platform/input/key_codes.h"
#include "ui/controls/button/button.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"

namespace {

bool enabled(xc_control_* c) {
  if (auto* t = dynamic_cast<xctextbox_*>(c)) return t->Enabled() == true_;
  if (auto* b = dynamic_cast<xccombobox_*>(c)) return b->Enabled() == true_;
  if (auto* k = dynamic_cast<xccheckbase_*>(c)) return k->Enabled() == true_;
  if (auto* b = dynamic_cast<xcbutton_*>(c)) return b->Enabled() == true_;
  return true;
}

// The control can take the focus: it and every window up to the dialog are shown.
bool usable(const window_& dialog, xc_control_* c) {
  window_* w = c->win_();
  if (!w || !enabled(c)) return false;
  for (; w && w != &dialog; w = w->parent_())
    if (!w->visible_()) return false;
  return w == &dialog;
}

struct keys_ {
  window_& dialog;
  dialog_keys_rec_ rec;

  int32_t focused_index() const {
    const window_* f = focused_window_();
    for (size_t i = 0; i < rec.order.size(); ++i)
      if (f && rec.order[i]->win_() == f) return int32_t(i);
    return -1;
  }
  void step(bool back) {
    const int32_t n = int32_t(rec.order.size());
    int32_t at = focused_index();
    if (at < 0) at = back ? 0 : n - 1;  // from outside the order: the first or the last
    for (int32_t k = 1; k <= n; ++k) {
      xc_control_* c = rec.order[size_t(((at + (back ? -k : k)) % n + n) % n)];
      if (usable(dialog, c)) {
        c->win_()->set_focus_();
        return;
      }
    }
  }
  bool on_key(const key_event_& k) {
    if (k.type != key_type_::down) return false;
    const int32_t at = focused_index();
    xc_control_* focused = at >= 0 ? rec.order[size_t(at)] : nullptr;
    if (auto* combo = dynamic_cast<xccombobox_*>(focused); combo && combo->list_visible_()) return false;
    if (k.key_code == key_tab_ && !(k.shift & (mod_ctrl_ | mod_alt_))) {
      step((k.shift & mod_shift_) != 0);
      return true;
    }
    if (k.key_code == key_return_ && !(k.shift & mod_alt_)) {
      if (auto* b = dynamic_cast<xcbutton_*>(focused)) {
        if (b->Click) b->Click();
      } else if (rec.enter) {
        rec.enter();
      }
      return true;
    }
    if (k.key_code == key_escape_ && rec.escape) {
      rec.escape();
      return true;
    }
    return false;
  }
};

void hook(window_* w, const std::shared_ptr<keys_>& keys) {
  if (!w) return;
  auto own = w->on_key;
  w->on_key = [own, keys](const key_event_& k) {
    if (keys->on_key(k)) return;
    if (own) own(k);
  };
}

}  // namespace

void install_dialog_keys_(window_& dialog, dialog_keys_rec_ rec) {
  auto keys = std::make_shared<keys_>(keys_{dialog, std::move(rec)});
  hook(&dialog, keys);
  for (xc_control_* c : keys->rec.order) hook(c->win_(), keys);
}
