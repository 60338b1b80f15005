#include "dialogs/library/library_window.h"

#include <algorithm>
#include <cmath>
#include <cctype>
#include <cstdio>

#include "dialogs/text/dialog_window.h"
#include "engine/zaz_class.h"
#include "platform/input/key_codes.h"
#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"

namespace {

constexpr int32_t client_w = 576, client_h = 378;
constexpr int32_t tree_w = 409, tree_h = 377;
constexpr int32_t scroll_w = 17;

struct library_icons {
  int32_t folder_empty = 0, folder_full = 0, remove = 0;
};
const library_icons& icons() {
  static const library_icons i = [] {
    auto load = [](const char* f) { return add_icon_(icon_folder_(), f, f, 0, 0); };
    return library_icons{load("libdir0_.ico"), load("libdir1_.ico"), load("delete_.ico")};
  }();
  return i;
}

}  // namespace

ex_xlib_::ex_xlib_(zaz_class_& main, zaz_class_& library, window_* owner, library_host_ host)
    : main_(main), lib_(library), owner_(owner), host_(std::move(host)) {
  dlg_ = make_dialog_window_(owner, client_w, client_h);
  pic_ = make_picture_box_(*dlg_, 0, 0, tree_w, tree_h, 0xFFFFFF, true);
  scroll_ = std::make_unique<xcscrollbox_>(*pic_, tree_w - scroll_w, 0, scroll_w, tree_h);
  edit_ = std::make_unique<xctextbox_>(*pic_, 0, 0, 100, 20);
  edit_->win_()->hide_();
  rpx_ = make_picture_box_(*dlg_, tree_w, 0, client_w - tree_w, client_h, uint32_t(skin_color_(20)));
  symbol_ = make_picture_box_(*rpx_, 0, 0, 165, 165, uint32_t(main_.backcolor_()));
  insert_ = std::make_unique<xcbutton_>(*rpx_, 1, 166, 163, 25);
  iblock_ = std::make_unique<xcbutton_>(*rpx_, 32, 247, 29, 25);
  new_ = std::make_unique<xcbutton_>(*rpx_, 62, 247, 97, 25);
  open_btn_ = std::make_unique<xcbutton_>(*rpx_, 62, 279, 97, 25);
  save_ = std::make_unique<xcbutton_>(*rpx_, 62, 311, 97, 25);
  close_ = std::make_unique<xcbutton_>(*rpx_, 62, 343, 97, 25);
  xpop_ = std::make_unique<xcpopupmenu_>(*dlg_, dlg_->handle_());
  xpop_->control().hide_();

  struct button_row {
    xcbutton_* b;
    const char* key;
    const char* icon;
    std::function<void()> act;
  };
  const button_row buttons[] = {
      {close_.get(), "window.xlib.close", nullptr, [this] { unload_(); }},
      {iblock_.get(), "window.xlib.insblock", "zaz.d2d.14.0.ico", [this] { iblock__MouseDown(); }},
      {insert_.get(), "window.xlib.insert2d", "zaz.d2d.17.0.ico", [this] { insert_library_block_(); }},
      {new_.get(), "window.xlib.new", "zaz.std.01.0.ico", [this] { new__MouseDown(); }},
      {open_btn_.get(), "window.xlib.open", "zaz.std.02.0.ico", [this] { open__MouseDown(); }},
      {save_.get(), "window.xlib.save", "zaz.std.03.0.ico", [this] { save_library_(); }},
  };
  for (const button_row& s : buttons) {
    s.b->Caption(lang_text_(s.key));
    if (s.icon) s.b->seticon_(icon_folder_(), s.icon);
    s.b->mdo_(true_);
    auto act = s.act;
    s.b->MouseDown = [act](int16_t, int16_t, float, float) { act(); };
  }

  pic_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) pic__MouseDown(m.button, m.x, m.y);
    if (m.type == mouse_type_::up) ref_library_(false);
    if (m.type == mouse_type_::double_click) {
      if (tree.sel_kind == library_sel_block_ && tree.sel_id >= 1 && tree.sel_id <= lib_.blocks_count_()) {
        insert_library_block_();
      } else {
        control_beep_();
      }
    }
  };
  pic_->on_key = [this](const key_event_& k) {
    if (k.type == key_type_::down) pic__KeyDown(k.key_code);
  };
  pic_->on_focus = [this](bool) { ref_library_(true); };
  symbol_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) xpop_->hide_winex_();
  };
  scroll_->Scroll = [this] { ref_library_(false); };
  scroll_->MouseScroll = [this](int16_t v) {
    scroll_->call_event_(v < 1 ? 1 : 2);
    scroll_->refresh_();
    ref_library_(false);
  };
  edit_->KeyPress = [this](int16_t k) { edit_key_(k); };
  // The rename box opens with its whole text selected, also when the focus arrives late.
  chain_focus_(edit_->win_(), [this](bool got) {
    if (got) edit_->SelectAll();
  });
  xpop_->PopupMenuClick = [this](const std::string& key, int32_t, int32_t value) { xpop__PopupMenuClick(key, value); };

  dlg_->on_resize = [this](int32_t, int32_t) { form_resize_(); };
  dlg_->on_activate = [this](bool active) {
    if (active) ref_library_(true);
  };
  dlg_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) xpop_->hide_winex_();
  };
  dlg_->on_paint = [this] { dlg_->client_surface_().fill_colour_(uint32_t(skin_color_(20))); };
  dlg_->on_close = [this] {
    unload_();
    return true;
  };
  frame_index_ = finish_dialog_window_(*dlg_, client_w, client_h);

  apply_dialog_colors_(*dlg_, {rpx_.get()});
  place_dialog_(*dlg_, owner_, "exxlib", true);
  set_caption_();
  tree.icon_folder_empty = icons().folder_empty;
  tree.icon_folder_full = icons().folder_full;
  icon_delete_ = icons().remove;
  form_resize_();
}

ex_xlib_::~ex_xlib_() = default;

void ex_xlib_::show_() {
  dlg_->show_();
  ref_library_(true);
}

void ex_xlib_::unload_() {
  if (!dlg_->visible_()) return;
  xpop_->hide_winex_();
  save_dialog_position_(*dlg_, "exxlib");
  dlg_->hide_();
}

void ex_xlib_::set_caption_() {
  std::string name = lib_.file_name_();
  const auto a = name.find_first_not_of(' ');
  name = a == std::string::npos ? std::string() : name.substr(a, name.find_last_not_of(' ') - a + 1);
  for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
  std::string caption = lang_text_("window.xlib.title");
  if (!name.empty()) caption += " - " + name;
  dlg_->set_title_(caption);
  if (frame_index_ > 0) repaint_frame_(frame_index_);
}

void ex_xlib_::form_resize_() {
  const int32_t w = dlg_->client_width_(), h = dlg_->client_height_();
  // The tree keeps its designed place and size; the panel beside it takes the rest.
  pic_->move_(0, 0, tree_w, tree_h);
  rpx_->move_(tree_w, 0, std::max(w - tree_w, 0), h);
  symbol_->move_(0, 0, rpx_->client_width_(), 165);
  insert_->win_()->move_(1, 166, std::max(rpx_->client_width_() - 2, 0), 25);
}

void ex_xlib_::ref_library_(bool full) {
  surface_& s = pic_->client_surface_();
  s.fill_colour_(0xFFFFFF);
  const int32_t current = scroll_->scrollcurrent_();
  int32_t end = 0;
  {
    dc_ dc(s);
    end = paint_library_tree_(dc, lib_, tree, current, pic_->has_focus_());
  }
  const int32_t inner_h = pic_->client_height_();
  const int32_t content = end + current;
  const int32_t range = content - inner_h;
  if (full) {
    scroll_->win_()->move_(pic_->client_width_() - scroll_w, 0, scroll_w, inner_h);
    scroll_->scrollmin_(0);
    scroll_->scrollmax_(range < 1 ? 0 : range);
    scroll_->chsmall_(library_row_h_);
    scroll_->chlarge_(inner_h);
    scroll_->cchsize_(float(inner_h) / float(std::abs(content) + 1));
    scroll_->Enabled(true_);
    scroll_->refresh_();
  }
  surface_& sym = symbol_->client_surface_();
  const int32_t back = main_.backcolor_();
  sym.fill_colour_(uint32_t(back));
  if (tree.sel_kind == library_sel_block_ && tree.sel_id >= 1) {
    dc_ dc(sym);
    lib_.display_block_(dc, tree.sel_id, 5, 5, symbol_->client_width_() - 10, back);
  }
  symbol_->invalidate_();
  pic_->invalidate_();
}

void ex_xlib_::pic__MouseDown(int32_t button, int32_t x, int32_t y) {
  edit_->win_()->hide_();
  xpop_->hide_winex_();
  do_events_();
  const int32_t previous = tree.sel_id;
  const library_hit_ hit = library_hit_test_(tree, x, y);
  tree.sel_kind = hit.kind;
  tree.sel_id = hit.id;
  fit_tree_tables_(lib_, tree);
  if (button == button_left_ && hit.kind == library_sel_folder_ && hit.id >= 1) {
    const bool content = subfolder_count_(lib_, hit.id) >= 1 || folder_block_count_(lib_, hit.id) >= 1;
    if (content || hit.id == previous) {
      int16_t& f = tree.folder_open[size_t(hit.id)];
      f = f == true_ ? 0 : true_;
    }
  }
  ref_library_(true);
  if (button != button_right_) return;
  xpop_->clear_();
  const std::string id = std::to_string(tree.sel_id);
  xpop_->add_popupmenuitem_(0, "ADDLIBDIR", lang_text_("window.xlib.pop.adddir"), {}, false, -1, false, {}, true,
                            tree.sel_id);
  if (tree.sel_kind == library_sel_folder_ && tree.sel_id >= 1) {
    if (lib_.libdir_count_() >= 1) {
      xpop_->add_popupmenuitem_(0, "RENLIBDIR", lang_text_("window.xlib.pop.rendir"), {}, false, -1, false, {}, true,
                                tree.sel_id);
      xpop_->add_popupmenuitem_(0, "DELLIBDIR", lang_text_("window.xlib.pop.deldir"), {}, false, -icon_delete_, false,
                                {}, true, tree.sel_id);
    }
  } else if (lib_.blocks_count_() >= 1 && tree.sel_id >= 1) {
    xpop_->add_popupmenuitem_(0, "-", "-");
    xpop_->add_popupmenuitem_(0, "LD0", lang_text_("window.xlib.pop.move2n"), {}, false, -1, false, {}, true, 0);
    for (int32_t f = 1; f <= lib_.libdir_count_(); ++f) {
      xpop_->add_popupmenuitem_(0, "LD" + std::to_string(f), lang_text_("window.xlib.pop.move2", lib_.libdir_title_(f)),
                                {}, false, -1, false, {}, true, f);
    }
    xpop_->add_popupmenuitem_(0, "-", "-");
    xpop_->add_popupmenuitem_(0, "RENBLCK", lang_text_("window.xlib.pop.renblock"), {}, false, -1, false, {}, true,
                              tree.sel_id);
    xpop_->add_popupmenuitem_(0, "DELBLCK", lang_text_("window.xlib.pop.delblock"), {}, false, -icon_delete_, false,
                              {}, true, tree.sel_id);
  }
  xpop_->show_popupmenu_(0);
}

void ex_xlib_::pic__KeyDown(int32_t key_code) {
  const int32_t dir = key_code == key_up_ ? 1 : key_code == key_down_ ? 2 : key_code == key_left_ ? 3
                    : key_code == key_right_ ? 4 : 0;
  if (dir != 0) {
    move_selection_(lib_, tree, dir);
    // Brings the selected row into view.
    library_rect_ r;
    if (selected_row_rect_(lib_, tree, r)) {
      const int32_t h = pic_->client_height_();
      if (r.bottom >= h) {
        scroll_->scrollcurrent_(scroll_->scrollcurrent_() + (r.bottom - h));
        ref_library_(true);
      } else if (r.top <= 0) {
        scroll_->scrollcurrent_(scroll_->scrollcurrent_() + r.top);
        ref_library_(true);
      }
    }
  }
  ref_library_(false);
}

void ex_xlib_::empty_step_() {
  lib_.state_begin_();
  lib_.state_save_("");
}

void ex_xlib_::open_rename_(const library_rect_& r, int32_t inset_left, const std::string& text) {
  const int32_t left = r.left + inset_left, top = r.top + 2;
  const int32_t width = r.right - left - 2, height = r.bottom - top - 2;
  if (width <= 0 || height <= 0) return;
  edit_->win_()->move_(left, top, width, height);
  edit_->text(text);
  edit_->win_()->show_();
  edit_->win_()->raise_();
  edit_->win_()->set_focus_();
  // A window system may answer the move and the focus later; the selection comes after them.
  do_events_();
  edit_->SelectAll();
}

void ex_xlib_::add_library_folder_() {
  const int32_t n = lib_.libdir_count_();
  const std::string name = lang_text_("window.xlib.deffoldername", std::to_string(n + 1));
  int32_t parent = tree.sel_kind >= 1 ? tree.sel_id : 0;
  if (parent < 0 || parent > n) parent = 0;
  lib_.state_begin_();
  const int32_t f = lib_.libdir_add_(name, parent);
  lib_.state_save_("");
  if (f < 1) {
    ref_library_(true);
    return;
  }
  fit_tree_tables_(lib_, tree);
  tree.folder_open[size_t(parent)] = true_;
  tree.folder_open[size_t(f)] = true_;
  tree.sel_kind = library_sel_folder_;
  tree.sel_id = f;
  ref_library_(true);
  if (size_t(f) < tree.folder_rects.size()) open_rename_(tree.folder_rects[size_t(f)], 22, lib_.libdir_title_(f));
}

void ex_xlib_::xpop__PopupMenuClick(const std::string& key, int32_t value) {
  const bool folder = tree.sel_kind == library_sel_folder_ && tree.sel_id >= 1 && tree.sel_id <= lib_.libdir_count_();
  const bool block = tree.sel_kind == library_sel_block_ && tree.sel_id >= 1 && tree.sel_id <= lib_.blocks_count_();
  if (key == "ADDLIBDIR") {
    add_library_folder_();
    return;
  }
  if (key == "RENLIBDIR" && folder) {
    ref_library_(true);
    open_rename_(tree.folder_rects[size_t(tree.sel_id)], 22, lib_.libdir_title_(tree.sel_id));
    return;
  }
  if (key == "DELLIBDIR" && tree.sel_kind == library_sel_folder_) {
    if (lib_.libdir_del_(tree.sel_id) < 0) {
      message_box_(lang_text_("window.xlib.cantdelfolder"), dlg_->title_(), box_ok_ + box_icon_info_, dlg_.get());
    } else {
      empty_step_();
    }
  } else if (key == "RENBLCK" && block) {
    ref_library_(true);
    open_rename_(tree.block_rects[size_t(tree.sel_id)], 2, lib_.blocks_name_(tree.sel_id));
    return;
  } else if (key == "DELBLCK" && block) {
    if (lib_.blocks_delete_(tree.sel_id, 0) == true_) {
      empty_step_();
      if (host_.ref_blocks) host_.ref_blocks();
    } else if (message_box_(lang_text_("message.forcedeleteblock"), dlg_->title_(), box_yes_no_ + box_icon_error_,
                            dlg_.get()) == answer_yes_) {
      if (lib_.blocks_delete_(tree.sel_id, true_) == true_) {
        empty_step_();
        if (host_.ref_blocks) host_.ref_blocks();
      } else {
        message_box_(lang_text_("message.cantdeleteblock"), dlg_->title_(), box_ok_ + box_icon_error_, dlg_.get());
      }
    }
  } else if (key.size() >= 2 && key.compare(0, 2, "LD") == 0 && tree.sel_kind == library_sel_block_ &&
             tree.sel_id >= 1) {
    lib_.state_begin_();
    lib_.blocks_group_(tree.sel_id, value);
    lib_.state_save_("");
  }
  ref_library_(true);
}

void ex_xlib_::edit_key_(int16_t key_ascii) {
  if (key_ascii == 27) {
    edit_->win_()->hide_();
    return;
  }
  if (key_ascii != 13) return;
  std::string text = edit_->text();
  const auto a = text.find_first_not_of(' ');
  text = a == std::string::npos ? std::string() : text.substr(a, text.find_last_not_of(' ') - a + 1);
  if (tree.sel_kind == library_sel_folder_ && tree.sel_id >= 1 && tree.sel_id <= lib_.libdir_count_()) {
    lib_.state_begin_();
    lib_.libdir_title_(tree.sel_id, text);
    lib_.state_save_("");
  } else if (tree.sel_kind == library_sel_block_ && tree.sel_id >= 1 && tree.sel_id <= lib_.blocks_count_()) {
    lib_.state_begin_();
    lib_.blocks_name_(tree.sel_id, text);
    lib_.state_save_("");
    if (host_.ref_blocks) host_.ref_blocks();
  }
  edit_->win_()->hide_();
  ref_library_(false);
}

namespace {
std::unique_ptr<ex_xlib_>& library_instance() {
  static std::unique_ptr<ex_xlib_> instance;
  return instance;
}
}  // namespace

ex_xlib_& show_library_window_(zaz_class_& main, zaz_class_& library, window_* owner, library_host_ host) {
  std::unique_ptr<ex_xlib_>& w = library_instance();
  if (w && w->open_()) {
    w->window_of_().activate_();
    return *w;
  }
  w.reset();
  w = std::make_unique<ex_xlib_>(main, library, owner, std::move(host));
  w->show_();
  return *w;
}

void release_library_window_() { library_instance().reset(); }
