// A seeded storm of user input over the whole program: clicks, drags, wheel turns, keys and
// typed command words spread over the main window, its bars and panels and whatever it opens.
// Nothing may crash, hang or leak, and every drawing saved on the way must open again. The
// seed is printed; ARVEX_SESSION_SEED replays one ("random" draws a new one).
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "session_fixture.h"

// Qt's text layout keeps fontconfig's caches for the whole process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

const char* const words[] = {"line",   "circle", "arc3p",  "rect",  "polyline", "select", "undo",  "redo",
                             "0 0",    "10 5",   "@3 4",   "5 5e",  "zoomall",  "grid 5", "dimh",  "text",
                             "move",   "rotate", "scale",  "mirror", "delete",  "copy",   "paste", "pageadd",
                             "layeradd", "point", "ellipse", "hatch", "mesl",   "selall", "cut",   "edit",
                             "blocks", "xyz",    "1 2 3",  "grid 0.00001", "",  "arr",    "dimv",  "circle3p"};
const int32_t keys[] = {key_escape_, key_return_, key_delete_, key_tab_,  key_left_, key_right_, key_up_,
                        key_down_,   key_space_,  key_back_,   key_f1_ + 7, key_home_, key_end_, key_a_,
                        key_z_,      key_a_ + 2,  key_a_ + 21, key_0_ + 1};

class random_session : public session_fixture {};

TEST_F(random_session, ten_thousand_events_leave_a_working_program) {
  const char* given = std::getenv("ARVEX_SESSION_SEED");
  // A fixed seed by default keeps CI repeatable; ARVEX_SESSION_SEED=random draws a new one.
  const bool draw = given && std::string(given) == "random";
  const uint32_t seed = draw ? uint32_t(std::random_device{}()) : given ? uint32_t(std::strtoul(given, nullptr, 10)) : 20261211u;
  std::printf("random session seed %u (replay with ARVEX_SESSION_SEED=%u)\n", seed, seed);
  std::fflush(stdout);
  std::mt19937 rnd(seed);
  auto pick = [&rnd](int32_t n) { return int32_t(rnd() % uint32_t(n)); };

  // A hang ends the run with the seed on the screen rather than at the harness's timeout.
  std::atomic<bool> done{false};
  std::atomic<int64_t> last_beat{0};
  auto now_s = [] {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
  last_beat = now_s();
  struct joiner {
    std::atomic<bool>& done;
    std::thread t;
    ~joiner() {
      done = true;
      t.join();
    }
  } watchdog{done, std::thread([&] {
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (now_s() - last_beat > 60) {
        std::fprintf(stderr, "random session hangs (seed %u)\n", seed);
        std::abort();
      }
    }
  })};

  start(pick(2) ? "1" : "0");
  int32_t saves = 0, restarts = 0;
  for (int32_t event = 0; event < 10000; ++event) {
    last_beat = now_s();
    // Everything modal answers at once: no reply is queued, so each is cancelled.
    for (const char* name : {dlg_pages_, dlg_layers_, dlg_dimstyles_, dlg_select_filter_, dlg_text_,
                             dlg_drawing_props_, dlg_library_, dlg_print_, dlg_line_width_, dlg_options_,
                             dlg_about_, dlg_hatch_})
      mdi->dialogs_.script_(name, [](const std::string&) { return dlg_closed_; });
    const pixel_rect_ r = mdi->form().window_rect_();
    const int32_t x = r.left + pick(std::max<int32_t>(1, r.right - r.left));
    const int32_t y = r.top + pick(std::max<int32_t>(1, r.bottom - r.top));
    const int32_t shift = pick(8) == 0 ? pick(8) : 0;
    switch (pick(10)) {
      case 0:
      case 1:
      case 2: inject_mouse_(mouse_type_::move, x, y, 0, shift); break;
      case 3:
      case 4: {
        // The release comes from the event queue, as a user's does: a control that repeats
        // while its button is held sees it arrive.
        const int32_t button = pick(6) == 0 ? button_right_ : pick(10) == 0 ? button_middle_ : button_left_;
        const int32_t dx = pick(3) == 0 ? pick(60) - 30 : 0, dy = dx ? pick(60) - 30 : 0;
        post_task_([=] {
          if (dx || dy) inject_mouse_(mouse_type_::move, x + dx, y + dy, button, shift);
          inject_mouse_(mouse_type_::up, x + dx, y + dy, button, shift);
        });
        inject_mouse_(mouse_type_::down, x, y, button, shift);
        break;
      }
      case 5: inject_mouse_(mouse_type_::wheel, x, y, 0, shift, pick(2) ? 120 : -120); break;
      case 6:
      case 7: {
        const int32_t k = keys[pick(int32_t(std::size(keys)))];
        inject_key_(key_type_::down, k, shift);
        inject_key_(key_type_::up, k, shift);
        break;
      }
      case 8: mdi->gocmd_(words[pick(int32_t(std::size(words)))]); break;
      default: {
        // Now and then the drawing is saved and must open again.
        if (pick(20) != 0) break;
        const std::string path = dir + "storm" + std::to_string(saves++) + ".zaz";
        if (engine().file_save_(path, 1, false_) == true_) {
          zaz_class_ again;
          EXPECT_EQ(again.file_open_(path), true_) << "seed " << seed << ", event " << event;
        }
        break;
      }
    }
    do_events_();
    // A closing key or word ends the program; the user starts it again.
    if (!running_main_window_()) {
      ++restarts;
      start(pick(2) ? "1" : "0");
    }
    mdi = running_main_window_();
    ASSERT_NE(mdi, nullptr) << "seed " << seed;
  }
  std::printf("random session: %d saves, %d restarts\n", saves, restarts);
  EXPECT_GT(saves, 0);
}

}  // namespace
