// What the scripted sessions do on top of the program's start: real clicks on docking-toolbar
// and ribbon buttons, the drawing's records in a comparable form, scripted file and message
// answers, and the files a user brings along (good, broken and foreign).
#pragma once
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "session_fixture.h"
#include "shell/language.h"
#include "shell/main_link.h"
#include "shell/program.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"

// (The program's leak suppressions live in random_session_test.cpp: one per test program.)

inline std::string read_bytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}
inline void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary);
  f << bytes;
}

// Where the shared DXF samples are (ARVEX_DXF_SAMPLES overrides).
inline std::string dxf_samples_dir() {
  const char* env = std::getenv("ARVEX_DXF_SAMPLES");
  return std::string(env ? env : "/work/shared/dxf-samples") + "/";
}

class session_steps : public session_fixture {
 protected:
  // Quits as the user's close does (asking about unsaved changes, storing the window's place),
  // then starts again with what the last run stored.
  void restart() {
    mdi->gocmd_("quit");
    settle();
    ASSERT_EQ(running_main_window_(), nullptr);
    close_settings_file_();
    ended = false;
    drop_main_link_();
    Main("");
    mdi = running_main_window_();
    ASSERT_NE(mdi, nullptr);
    settle();
  }

  // ---- The drawing as records: one line of text per live object, in record order.
  std::vector<std::string> records() {
    std::vector<std::string> out;
    for (int32_t r = 1; r <= engine().store.counts[0]; ++r) {
      const object_rec_& o = engine().object_(r);
      if (o.deleted == true_) continue;
      char buf[200];
      std::snprintf(buf, sizeof buf, "type %d page %d layer %d box %.3f %.3f %.3f %.3f colour %d/%d style %d width %d",
                    o.type, o.page, o.layer, o.x1, o.y1, o.x2, o.y2, o.draw_color, o.fill_color, o.line_style,
                    o.line_width);
      out.push_back(buf);
    }
    return out;
  }
  int32_t live_of_type(int32_t type) {
    int32_t n = 0;
    for (int32_t r = 1; r <= engine().store.counts[0]; ++r)
      n += engine().object_(r).deleted != true_ && engine().object_(r).type == type;
    return n;
  }
  // The last live record, or 0.
  int32_t last_record() {
    for (int32_t r = engine().store.counts[0]; r >= 1; --r)
      if (engine().object_(r).deleted != true_) return r;
    return 0;
  }
  // The name of the undo step the next undo takes back.

  // ---- Scripted answers.
  static void answer_file(dialog_kind_ kind, const std::string& path, int32_t filter = 1) {
    dialog_reply_ r;
    r.kind = kind;
    r.text = path;
    r.cancel = path.empty();
    r.filter_index = filter;
    push_dialog_reply_(r);
  }
  static void answer_box(int32_t answer) {
    dialog_reply_ r;
    r.kind = dialog_kind_::message_box;
    r.answer = answer;
    push_dialog_reply_(r);
  }
  // The texts of the message boxes asked since the last call.
  static std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const dialog_request_& r : take_dialog_requests_())
      if (r.kind == dialog_kind_::message_box) out.push_back(r.text);
    return out;
  }

  // ---- Classic interface: a real click on the first visible slot holding the button.
  bool click_dock_button(const std::string& key) {
    if (click_dock_button_once(key)) return true;
    // Covered by a floating toolbar: the user drags that one aside by its grip first.
    return move_covering_toolbar(key) && click_dock_button_once(key);
  }
  bool move_covering_toolbar(const std::string& key) {
    xdocktb_* tb = mdi->docktb();
    const int32_t id = tb->key2id_(key);
    for (int32_t t = 1; t <= tb->tbcount_(); ++t) {
      window_* w = tb->tool_window_(t);
      if (!w || tb->tbvisible_(t) != true_) continue;
      for (int32_t i = 1; i <= tb->toolbars[size_t(t)].slot_count; ++i) {
        if (tb->slot_button_id_(t, i) != id) continue;
        const dock_button_slot_rec_& s = tb->toolbars[size_t(t)].slots[size_t(i)];
        const pixel_point_ c = w->client_to_screen_({s.x + s.width / 2, s.y + s.height / 2});
        window_* cover = window_at_(c.x, c.y);
        while (cover && cover->kind_() == window_kind_::child) cover = cover->parent_();
        for (int32_t q = 1; q <= tb->tbcount_(); ++q) {
          if (q == t || tb->tool_window_(q) != cover) continue;
          const pixel_rect_ f = mdi->form().window_rect_();
          inject_mouse_at_(*cover, mouse_type_::move, 5, 10);
          inject_mouse_at_(*cover, mouse_type_::down, 5, 10, button_left_);
          inject_mouse_(mouse_type_::move, f.right - 250, f.bottom - 250, button_left_);
          inject_mouse_(mouse_type_::up, f.right - 250, f.bottom - 250, button_left_);
          settle();
          return true;
        }
      }
    }
    return false;
  }
  bool click_dock_button_once(const std::string& key) {
    xdocktb_* tb = mdi->docktb();
    if (!tb) return false;
    mdi->form().activate_();
    do_events_();
    tb->timer_tick_();
    const int32_t id = tb->key2id_(key);
    if (id < 1) return false;
    for (int32_t t = 1; t <= tb->tbcount_(); ++t) {
      window_* w = tb->tool_window_(t);
      if (!w || tb->tbvisible_(t) != true_) continue;
      for (int32_t i = 1; i <= tb->toolbars[size_t(t)].slot_count; ++i) {
        if (tb->slot_button_id_(t, i) != id) continue;
        const dock_button_slot_rec_& s = tb->toolbars[size_t(t)].slots[size_t(i)];
        if (s.width <= 0 || s.height <= 0) continue;
        // Where the user sees it: a point of the slot no floating toolbar covers.
        int32_t x = -1, y = -1;
        for (int32_t dy = 2; dy < s.height - 1 && x < 0; dy += 2)
          for (int32_t dx = 2; dx < s.width - 1 && x < 0; dx += 2) {
            const pixel_point_ p = w->client_to_screen_({s.x + dx, s.y + dy});
            if (window_at_(p.x, p.y) == w) x = s.x + dx, y = s.y + dy;
          }
        if (x < 0) continue;
        // The pointer arrives: the view lets its capture go at the first move outside it and
        // the toolbar sees the next one.
        inject_mouse_at_(*w, mouse_type_::move, x - 1, y);
        inject_mouse_at_(*w, mouse_type_::move, x, y);
        inject_mouse_at_(*w, mouse_type_::down, x, y, button_left_);
        inject_mouse_at_(*w, mouse_type_::up, x, y, button_left_);
        settle();
        return true;
      }
    }
    return false;
  }
  // A command typed where the interface has its command line: the ribbon's command bar, or the
  // classic command box on its toolbar (clicked, then typed through the control's keys).
  void type_command(const std::string& text) {
    xdocktb_* tb = mdi->docktb();
    if (!tb) return command(text);
    int32_t t = 0, s = 0;
    ASSERT_GE(tb->getfocus_("CMD", t, s), 1);
    ASSERT_TRUE(click_dock_button("CMD"));
    tb->focus_text_item_(t, s, true_);
    for (char ch : text) tb->key_event_(int16_t(std::toupper(uint8_t(ch))), 0, int16_t(uint8_t(ch)));
    tb->key_event_(13, 0, 13);
    settle();
  }
  // A row of a classic drop-down menu, picked as the control reports it.
  void pick_dock_row(const std::string& owner, const std::string& row) {
    xdocktb_& tb = *mdi->docktb();
    tb.MenuItemClick(0, 0, tb.key2id_(owner), row, 50, 5);
    tb.hide_menu_();
    settle();
  }

  // ---- Ribbon: a real click on a ribbon control of the active tab (its tab chosen first).
  bool click_ribbon(const std::string& key) {
    xribbon_control_* rc = mdi->ribbon();
    if (!rc) return false;
    xribbon_& r = rc->model();
    const int32_t id = r.btnkey2id_(key);
    if (id < 1) return false;
    const int32_t tab = r.toolbars[size_t(r.controls[size_t(id)].toolbar_id)].tab_id;
    if (r.tab_id_() != tab) {
      r.tab_id_(tab);
      rc->refresh_();
      settle();
    }
    ribbon_rect_ rect;
    if (!r.control_rect_on_bar_(id, rect)) return false;
    const int32_t x = rect.x + rect.w / 2, y = rect.y + rect.h / 2;
    window_& bar = rc->bar();
    inject_mouse_at_(bar, mouse_type_::move, x - 1, y);
    inject_mouse_at_(bar, mouse_type_::move, x, y);
    inject_mouse_at_(bar, mouse_type_::down, x, y, button_left_);
    inject_mouse_at_(bar, mouse_type_::up, x, y, button_left_);
    settle();
    return true;
  }

 private:
};

