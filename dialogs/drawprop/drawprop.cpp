#include "dialogs/drawprop/drawprop.h"

#include "dialogs/text/dialog_window.h"
#include "engine/zaz_class.h"
#include "platform/input/key_codes.h"
#include "platform/services/dialogs.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "shell/translate_form.h"
#include "shell/ui_metrics.h"

namespace {

struct label_place {
  int32_t x, y, w, h;
  const char* key;
};
// The captions of the panel, in design pixels.
constexpr label_place label_places[] = {
    {8, 8, 52, 13, "window.drawprop.info.title"},
    {8, 40, 86, 13, "window.drawprop.info.description"},
    {8, 88, 68, 13, "window.drawprop.info.author"},
    {8, 128, 52, 13, "window.drawprop.info.info"},
    {32, 160, 69, 13, "window.drawprop.info.obj"},
    {8, 192, 72, 13, "window.drawprop.security"},
    {32, 256, 86, 13, "window.drawprop.security.password1"},
    {32, 288, 86, 13, "window.drawprop.security.password2"},
};
constexpr int objects_label = 4;

font_ bold_font() {
  font_ f = standard_control_font_();
  f.weight = 700;
  return f;
}

}  // namespace

ex_drawprop_::ex_drawprop_(zaz_class_& engine, window_* owner) : engine_(engine), owner_(owner) {
  dlg_ = make_dialog_window_(owner, 359, 378);
  form_ = make_picture_box_(*dlg_, 0, 0, 359, 378, uint32_t(skin_color_(20)));
  for (const label_place& l : label_places) {
    labels_.push_back(create_control_({control_kind_::label, form_.get(), l.key, l.x, l.y, l.w, l.h}));
  }
  label_objects_ = labels_[objects_label].get();
  // The design captions are language keys; the labels made below hold values, not keys.
  dlg_->set_title_("window.drawprop.title");
  translate_form_(*dlg_);
  info_objects_ = create_control_({control_kind_::label, form_.get(), "", 0, 160, 77, 13});
  label_secstate_ = create_control_({control_kind_::label, form_.get(), "", 32, 224, 90, 13});
  info_objects_->set_text_font_(bold_font());
  label_secstate_->set_text_font_(bold_font());
  // Created in the keyboard focus order.
  text_title_ = std::make_unique<xctextbox_>(*form_, 120, 8, 209, 22);
  text_description_ = std::make_unique<xctextbox_>(*form_, 120, 40, 209, 38);
  text_autor_ = std::make_unique<xctextbox_>(*form_, 120, 88, 209, 22);
  text_password1_ = std::make_unique<xctextbox_>(*form_, 152, 256, 97, 22);
  text_password2_ = std::make_unique<xctextbox_>(*form_, 152, 288, 97, 22);
  btn_password_ = std::make_unique<xcbutton_>(*form_, 256, 256, 73, 54);
  btn_close_ = std::make_unique<xcbutton_>(*dlg_, 0, 0, 81, 25);

  for (xctextbox_* box : {text_title_.get(), text_description_.get(), text_autor_.get(), text_password1_.get(),
                          text_password2_.get()}) {
    chain_focus_(box->win_(), [box](bool got) {
      if (got) box->SelectAll();
    });
  }
  // Close is the default and the cancel button: Enter (outside the description) and Esc press it.
  auto keys = [this](bool multi) {
    return [this, multi](const key_event_& k) {
      if (k.type != key_type_::down) return false;
      if (k.key_code == key_escape_ || (k.key_code == key_return_ && !multi)) {
        btn_close__Click();
        return true;
      }
      return false;
    };
  };
  for (xctextbox_* box : {text_title_.get(), text_autor_.get(), text_password1_.get(), text_password2_.get()})
    chain_key_(box->win_(), keys(false));
  chain_key_(text_description_->win_(), keys(true));
  chain_key_(btn_password_->win_(), [this](const key_event_& k) {
    if (k.type != key_type_::down || k.key_code != key_escape_) return false;
    btn_close__Click();
    return true;
  });
  btn_password_->Click = [this] { btn_password__Click(); };
  btn_close_->Click = [this] { btn_close__Click(); };

  dlg_->on_paint = [this] { paint_dialog_background_(*dlg_); };
  dlg_->on_resize = [this](int32_t, int32_t) { form_resize_(); };
  dlg_->on_close = [this] {
    unload_();
    return true;
  };
  frame_index_ = finish_dialog_window_(*dlg_, 359, 378);
  form_load_();
}

ex_drawprop_::~ex_drawprop_() = default;

void ex_drawprop_::form_load_() {
  apply_dialog_colors_(*dlg_, {form_.get()});
  place_dialog_(*dlg_, owner_, "exdrawprop", false);
  dlg_->set_title_(lang_text_("window.drawprop.title"));
  btn_close_->Caption(lang_text_("common.close"));
  btn_password_->Caption(lang_text_("window.drawprop.security.btnsetpass"));
  text_description_->MultiLine(true_);
  text_password1_->PasswordChar("*");
  text_password2_->PasswordChar("*");
  load_texts_();
  load_password_();
  form_resize_();
}

void ex_drawprop_::form_resize_() {
  layout_dialog_client_(dlg_->handle_(), form_->handle_(), 0, true_, 0);
  layout_dialog_buttons_(dlg_->handle_(), btn_close_->hwnd(), 0, 0, 0, 1, true_);
}

void ex_drawprop_::load_texts_() {
  text_title_->text(engine_.information_title_());
  text_description_->text(engine_.information_description_());
  text_autor_->text(engine_.information_author_());
}

void ex_drawprop_::load_password_() {
  const std::string password = engine_.security_password_();
  text_password1_->text(password);
  text_password2_->text(password);
  info_objects_->set_caption_(std::to_string(engine_.information_objects_exs_()) + " / " +
                              std::to_string(engine_.information_objects_del_()));
  label_secstate_->set_caption_(lang_text_(password.empty() ? "window.drawprop.security.setstate.0"
                                                             : "window.drawprop.security.setstate.1"));
  const pixel_rect_ lo = label_objects_->rect_();
  const pixel_rect_ io = info_objects_->rect_();
  info_objects_->move_(lo.right + 15, lo.top, io.right - io.left, io.bottom - io.top);
}

void ex_drawprop_::btn_password__Click() {
  const std::string p1 = text_password1_->text(), p2 = text_password2_->text();
  if (p1 != p2) {
    message_box_(lang_text_("message.cantsetpassword"), dlg_->title_(), box_ok_ + box_icon_warning_, dlg_.get());
  } else {
    engine_.security_password_(p1);
  }
  // Only the password part is read again: title, description and author typed since the
  // dialog opened are still to be written by Close.
  load_password_();
}

void ex_drawprop_::btn_close__Click() {
  engine_.information_title_(text_title_->text());
  engine_.information_description_(text_description_->text());
  engine_.information_author_(text_autor_->text());
  unload_();
}

void ex_drawprop_::unload_() {
  if (dlg_->visible_()) dlg_->hide_();
}

void ex_drawprop_::show_modal_() { dlg_->show_modal_(owner_); }
void ex_drawprop_::show_() { dlg_->show_(); }

void show_drawprop_dialog_(zaz_class_& engine, window_* owner) {
  ex_drawprop_ dialog(engine, owner);
  dialog.show_modal_();
}
