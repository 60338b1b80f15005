// The drawing-properties dialog: title, description and author of the drawing (written when
// Close is pressed), the counts of live and deleted objects, and the drawing's password (set
// or cleared at once by its own button). Nothing here is an undo step.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/controls.h"
#include "platform/window/window.h"
#include "ui/controls/button/button.h"
#include "ui/controls/textbox/textbox.h"

class zaz_class_;

class ex_drawprop_ {
 public:
  // Builds the dialog (hidden) on the engine, owned by owner.
  ex_drawprop_(zaz_class_& engine, window_* owner);
  ~ex_drawprop_();
  ex_drawprop_(const ex_drawprop_&) = delete;
  ex_drawprop_& operator=(const ex_drawprop_&) = delete;

  void show_modal_();
  void show_();  // modeless, for hosts that drive the dialog themselves
  bool open_() const { return dlg_ && dlg_->visible_(); }

  void btn_password__Click();
  void btn_close__Click();
  void unload_();  // the frame's close: nothing is written

  window_& window_of_() { return *dlg_; }
  std::unique_ptr<xctextbox_> text_title_, text_description_, text_autor_, text_password1_, text_password2_;
  std::unique_ptr<xcbutton_> btn_password_, btn_close_;
  std::unique_ptr<control_> label_secstate_, info_objects_;

 private:
  void form_load_();
  void form_resize_();
  void load_texts_();
  void load_password_();

  zaz_class_& engine_;
  window_* owner_;
  std::unique_ptr<window_> dlg_;
  std::unique_ptr<window_> form_;
  std::vector<std::unique_ptr<control_>> labels_;
  control_* label_objects_ = nullptr;
  int32_t frame_index_ = 0;
};

// Shows the dialog modally over owner; returns when it has closed.
void show_drawprop_dialog_(zaz_class_& engine, window_* owner);
