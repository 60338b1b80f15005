#include "shell/xopt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "platform/services/screen.h"
#include "shell/browse.h"
#include "shell/colors.h"
#include "shell/files.h"
#include "shell/guiopt.h"
#include "shell/language.h"
#include "shell/main_link.h"
#include "shell/program.h"
#include "shell/program_dir.h"
#include "shell/settings.h"
#include "shell/shell_host.h"
#include "shell/shell_text.h"
#include "ui/controls/button/button.h"
#include "ui/controls/checkbox/checkbox.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/tabstrip/tabstrip.h"
#include "ui/controls/textbox/textbox.h"

namespace {

const char* const section = "windows\\exxopt";

void run_command(const std::string& word) {
  if (shell_host_* h = shell_host_in_use_()) h->gocmd_(word);
}

void repaint_view() {
  if (main_link_* m = main_link_if_made_()) m->ref_(false_, false_);
}

std::unique_ptr<xccheckbox_> check(window_& host, int32_t x, int32_t y, const char* key) {
  auto c = std::make_unique<xccheckbox_>(host, x, y, 190, 20);
  c->Caption(lang_text_(key));
  return c;
}

std::unique_ptr<xcbutton_> button(window_& host, int32_t x, int32_t y, int32_t w, const char* key) {
  return std::make_unique<xcbutton_>(host, x, y, w, 25, lang_text_(key));
}

// The template files in name order.
std::vector<std::string> template_files(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string n = it->path().filename().string();
    std::string ext = it->path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".zaz" && it->is_regular_file(ec)) names.push_back(n);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::string grid_size_text_(double size) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", size);
  std::string s = buf;
  const auto dot = s.find('.');
  while (s.size() > dot + 3 && s.back() == '0') s.pop_back();
  const std::string sep = decimal_separator_();
  if (sep != ".") s.replace(dot, 1, sep);
  return s;
}

bool parse_grid_size_(const std::string& text, float& size) {
  std::string t = trim_blanks_(text);
  const std::string sep = decimal_separator_();
  if (sep != ".")
    for (size_t p; (p = t.find(sep)) != std::string::npos;) t.replace(p, sep.size(), ".");
  if (t.empty()) return false;
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  if (!end || *end != '\0' || !std::isfinite(v) || !(v > 0) || v > 3.0e38) return false;
  size = float(v);
  return size > 0;
}

bool background_refused_(int32_t colour) {
  const double mean = ((colour & 0xFF) + (colour >> 8 & 0xFF) + (colour >> 16 & 0xFF)) / 3.0;
  return mean >= 120 && mean <= 136;
}

ex_xopt_::ex_xopt_(zaz_class_& engine) : engine_(engine), dlg_("window.xopt.title", 420, 320) {
  tabs_ = std::make_unique<xctoolbar_>(dlg_.win(), 0, 0, 420, 26);
  tabs_->tabsstyle_(-1);
  tabs_->add_("T1", lang_text_("window.xopt.tab.project"));
  tabs_->add_("T2", lang_text_("window.xopt.tab.program"));
  tabs_->TabClick = [this](const std::string& key) { tab_click_(key); };
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &dlg_.form();
  o.takes_focus = false;
  o.width = 420;
  o.height = 250;
  p1_ = create_window_(o);
  p2_ = create_window_(o);

  window_& a = *p1_;
  btn_bgcolor_ = std::make_unique<xcbutton_>(a, 12, 26, 200, 36, "");
  btn_bgcolor_->BtnDraw = [this](dc_& dc, int32_t, int32_t, int32_t sx, int32_t sy) {
    const int32_t s = std::abs(sy) - 10;
    dc.select_pen_({pen_style_::solid_, 1, uint32_t(blend_colors_(work_.backcolor, 0x787878, 0.5f))});
    dc.select_brush_({brush_style_::solid_, uint32_t(work_.backcolor) & 0xFFFFFF});
    dc.rectangle_(5, 5, 5 + s, 5 + s);
    pixel_rect_ r{s + 13, 5, sx, 5 + s};
    dc.set_bk_mode_(bk_mode_::transparent_);
    dc.select_font_(font_{"Tahoma", 13});
    dc.draw_text_(lang_text_("window.xopt.bgsetcol"), r, 0x10);  // broken into lines at blanks
  };
  btn_bgcolor_->Click = [this] { bgcolor_click_(); };
  chk_grid_onoff_ = check(a, 12, 84, "window.xopt.grid.onoff");
  chk_grid_snap_ = check(a, 12, 106, "window.xopt.grid.snap");
  grid_size_ = std::make_unique<xctextbox_>(a, 120, 132, 80, 22);
  chk_2points_ = check(a, 220, 26, "window.xopt.assist.2points");
  chk_track_ = check(a, 220, 48, "window.xopt.assist.track");
  chk_a45_ = check(a, 220, 70, "window.xopt.assist.a45");
  btn_pages_ = button(a, 220, 118, 180, "window.xopt.ex.cpage");
  btn_layers_ = button(a, 220, 148, 180, "window.xopt.ex.layers");
  btn_lines_ = button(a, 220, 178, 180, "window.xopt.ex.lines");
  btn_pages_->Click = [this] { pages_click_(); };
  btn_layers_->Click = [] { run_command("layers"); };
  btn_lines_->Click = [] { run_command("printlw"); };

  window_& b = *p2_;
  templates_ = std::make_unique<xccombobox_>(b, 12, 26, 260, 22);
  btn_gui_ = button(b, 12, 108, 180, "window.xopt.gui");
  btn_xreset_ = button(b, 12, 140, 180, "window.xopt.reset");
  btn_gui_->Click = [this] { gui_click_(); };
  btn_xreset_->Click = [this] { reset_click_(); };

  btn_save_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("window.xopt.save"));
  btn_cancel_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("window.xopt.cancel"));
  btn_save_->seticon_(icon_folder_(), "btnsave.ico");
  btn_cancel_->seticon_(icon_folder_(), "btncancel.ico");
  btn_save_->Click = [this] { save_click_(); };
  btn_cancel_->Click = [this] { cancel_click_(); };

  dlg_.apply_colors_({p1_.get(), p2_.get()});
  dlg_.place_from_settings_(section);
  dlg_.on_unload = [this] { dlg_.save_position_(section); };
  dlg_.on_layout = [this] {
    window_& f = dlg_.form();
    tabs_->win_()->move_(0, 0, dlg_.win().client_width_(), 26);
    p1_->move_(0, 0, f.client_width_(), f.client_height_());
    p2_->move_(0, 0, f.client_width_(), f.client_height_());
    paint_page_labels_();
  };
  dlg_.set_buttons_({btn_save_->hwnd(), btn_cancel_->hwnd()}, {-1, -1, 0, 1});
  p2_->hide_();
  p1_->show_();
  tabs_->activetab_("T1");
  reload_();
}

ex_xopt_::~ex_xopt_() = default;

void ex_xopt_::paint_page_labels_() {
  struct label {
    window_* page;
    int32_t x, y;
    const char* key;
  };
  const label labels[] = {{p1_.get(), 12, 8, "window.xopt.page"},      {p1_.get(), 12, 66, "window.xopt.grid"},
                          {p1_.get(), 12, 136, "window.xopt.grid.size"}, {p1_.get(), 220, 8, "window.xopt.assist"},
                          {p1_.get(), 220, 100, "window.xopt.ex"},     {p2_.get(), 12, 8, "window.xopt.template"},
                          {p2_.get(), 12, 54, "window.xopt.template.info"},
                          {p2_.get(), 12, 90, "window.xopt.std"}};
  for (window_* page : {p1_.get(), p2_.get()}) {
    dc_ dc(page->client_surface_());
    dc.fill_rectangle_({0, 0, page->client_width_(), page->client_height_()}, uint32_t(skin_color_(20)));
    dc.set_bk_mode_(bk_mode_::transparent_);
    dc.set_text_colour_(uint32_t(skin_color_(21)));
    dc.select_font_(font_{"Tahoma", 13});
    for (const label& l : labels)
      if (l.page == page) dc.text_out_(l.x, l.y, lang_text_(l.key));
    page->invalidate_();
  }
}

void ex_xopt_::reload_() {
  work_.backcolor = engine_.backcolor_();
  work_.grid_visible = engine_.view_gridvisible_();
  work_.snap_grid = engine_.view_snap2grid_();
  work_.grid_size = engine_.view_gridsize_();
  work_.snap_points = engine_.view_snap2points_();
  work_.snap_a45 = engine_.view_snap2ang45_();
  work_.snap_track = engine_.view_snap2track_();
  chk_grid_onoff_->Checked(work_.grid_visible);
  chk_grid_snap_->Checked(work_.snap_grid);
  chk_2points_->Checked(work_.snap_points);
  chk_a45_->Checked(work_.snap_a45);
  chk_track_->Checked(work_.snap_track);
  shown_grid_ = grid_size_text_(work_.grid_size);
  grid_size_->text(shown_grid_);
  btn_bgcolor_->refresh_();

  // A missing templates folder lists nothing: only "none" remains.
  const std::string folder = program_dir_() + "templates/";
  templates_->Clear();
  templates_->AddItem(lang_text_("window.xopt.template.none"), 0);
  const std::vector<std::string> files = template_files(folder);
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string title = engine_.file_get_info_(folder + files[i], 1);
    templates_->AddItem(title.empty() ? files[i] : title, int32_t(i) + 1, false_, -1, {}, file_name_of_(files[i]));
  }
  templates_->ListIndex(0);
  const std::string stored = template_name_();
  if (!stored.empty())
    for (int32_t i = 1; i < templates_->ListCount(); ++i)
      if (templates_->ListStrValue(i) == stored) {
        templates_->ListIndex(i);
        break;
      }
}

bool ex_xopt_::save_options_() {
  float size = 0;
  if (!parse_grid_size_(grid_size_->text(), size)) {
    message_box_(lang_text_("message.invalidvalue", lang_text_("window.xopt.grid.size")), "",
                 box_ok_ + box_icon_warning_, &dlg_.win());
    grid_size_->text(shown_grid_);
    return false;
  }
  work_.grid_visible = chk_grid_onoff_->Checked();
  work_.snap_grid = chk_grid_snap_->Checked();
  work_.grid_size = size;
  work_.snap_points = chk_2points_->Checked();
  work_.snap_a45 = chk_a45_->Checked();
  work_.snap_track = chk_track_->Checked();
  engine_.backcolor_(work_.backcolor);
  engine_.view_gridvisible_(work_.grid_visible);
  engine_.view_snap2grid_(work_.snap_grid);
  engine_.view_gridsize_(work_.grid_size);
  engine_.view_snap2points_(work_.snap_points);
  engine_.view_snap2ang45_(work_.snap_a45);
  engine_.view_snap2track_(work_.snap_track);
  const int32_t index = templates_->ListIndex();
  save_setting_("kalvinor.zaz", "default", "template",
                templates_->ListValue(index) < 1 ? std::string() : templates_->ListStrValue(index));
  shown_grid_ = grid_size_text_(size);
  return true;
}

void ex_xopt_::save_click_() {
  if (!save_options_()) return;
  repaint_view();
  dlg_.unload_();
}

void ex_xopt_::cancel_click_() { dlg_.unload_(); }

void ex_xopt_::bgcolor_click_() {
  const int32_t c = choose_color_dialog_(dlg_.win().handle_());
  if (c < 0) return;
  if (background_refused_(c)) {
    message_box_(lang_text_("message.invalidbgcolor"), "", box_ok_ + box_icon_warning_, &dlg_.win());
    return;
  }
  work_.backcolor = c;
  btn_bgcolor_->refresh_();
  repaint_view();
}

void ex_xopt_::pages_click_() {
  if (message_box_(lang_text_("message.optpages"), "", box_yes_no_ + box_icon_info_, &dlg_.win()) != answer_yes_)
    return;
  if (!save_options_()) return;
  run_command("pages");
  reload_();
}

void ex_xopt_::gui_click_() {
  set_screen_cursor_(cursor_shape_::wait);
  OPT_ o;
  o.reload_();
  restore_screen_cursor_();
  o.show_modal_(&dlg_.win());
  tabs_->ref_();
  dlg_.apply_colors_({p1_.get(), p2_.get()});
  paint_page_labels_();
}

void ex_xopt_::reset_click_() {
  if (message_box_(lang_text_("message.guiresetask"), "", box_yes_no_ + box_icon_question_, &dlg_.win()) !=
      answer_yes_)
    return;
  const std::string path = toolbar_layout_path_();
  if (file_exists_(path) == true_) std::filesystem::remove(path);
  disable_toolbar_layout_();
  message_box_(lang_text_("message.guireset"), "", box_ok_ + box_icon_info_, &dlg_.win());
  dlg_.unload_();
}

void ex_xopt_::tab_click_(const std::string& key) {
  p1_->hide_();
  p2_->hide_();
  if (key == "T1") p1_->show_();
  if (key == "T2") p2_->show_();
}

void show_options_dialog_(zaz_class_& engine, window_* owner) {
  ex_xopt_ d(engine);
  d.show_modal_(owner);
}
