// Bad input as a user meets it: damaged, empty and foreign files opened from the open dialog,
// typed on the command line and given to the program at its start; a save that cannot be
// written; and closing with unsaved changes. Each says so and loses nothing.
#include <fcntl.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "session_steps.h"

namespace {

// Root passes permission checks through its capability to override them; this thread lays it
// down while it lives (capabilities belong to a thread), so a read-only folder holds for root
// as for anyone else, and takes it up again after.
class permissions_hold_ {
 public:
  permissions_hold_() {
    if (::syscall(SYS_capget, &header_, kept_) != 0) return;
    if (!(kept_[0].effective & (1u << CAP_DAC_OVERRIDE))) return;
    __user_cap_data_struct less[2] = {kept_[0], kept_[1]};
    less[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
    dropped_ = ::syscall(SYS_capset, &header_, less) == 0;
  }
  ~permissions_hold_() {
    if (dropped_) ::syscall(SYS_capset, &header_, kept_);
  }
  permissions_hold_(const permissions_hold_&) = delete;
  permissions_hold_& operator=(const permissions_hold_&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct kept_[2]{};
  bool dropped_ = false;
};

// Whether a file can be made in the folder now.
bool can_write_in(const std::string& folder) {
  const std::string probe = folder + "probe";
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}
class bad_input_session : public session_steps {
 protected:
  // The current drawing a bad file must leave as it is: two lines, changed, untitled.
  void draw_two_lines() {
    engine().state_begin_();
    engine().add_line_(0, 0, 30, 0);
    engine().add_line_(0, 0, 0, 30);
    engine().state_save_("lines");
  }
  struct bad_file_ {
    const char* name;
    std::string bytes;
  };
  std::vector<bad_file_> bad_files() {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(char((i * 7919 + 13) % 256));
    // A drawing file cut short after its first bytes.
    std::string broken;
    {
      zaz_class_ e;
      e.file_new_(true_, "");
      e.add_line_(0, 0, 1, 1);
      const std::string whole = dir + "whole.zaz";
      EXPECT_EQ(e.file_save_(whole, 1, false_), true_);
      broken = read_bytes(whole);
      broken.resize(broken.size() / 2);
    }
    return {{"broken.zaz", broken},
            {"empty.zaz", ""},
            {"empty.dxf", ""},
            {"binary.dxf", binary},
            {"garbage.zaz", binary},
            {"sentinel.dxf", std::string("AutoCAD Binary DXF\r\n\x1a", 22) + binary}};
  }
};

TEST_F(bad_input_session, bad_files_from_the_dialog_and_the_command_line_leave_the_drawing_as_it_was) {
  for (const char* type : {"1", "0"}) {
    SCOPED_TRACE(type);
    start(type);
    draw_two_lines();
    const std::vector<std::string> before = records();
    const std::string caption = mdi->form().title_();
    for (const bad_file_& f : bad_files()) {
      SCOPED_TRACE(f.name);
      const std::string path = dir + f.name;
      write_bytes(path, f.bytes);
      answer_box(answer_no_);  // "save changes?": no
      answer_file(dialog_kind_::open_file, path);
      mdi->gocmd_("open");
      std::vector<std::string> said = messages();
      ASSERT_EQ(said.size(), 2u);
      EXPECT_EQ(said[0], lang_text_("message.savefilequestion"));
      EXPECT_EQ(said[1], lang_text_("message.cantopenthisfile"));
      EXPECT_EQ(records(), before);
      EXPECT_EQ(mdi->form().title_(), caption);
      EXPECT_TRUE(is_set_(engine().file_change_()));
      EXPECT_TRUE(mdi->form().enabled_());
    }
    // Typed on the command line: the same word, the same answer.
    const std::string path = dir + "binary.dxf";
    answer_box(answer_no_);
    answer_file(dialog_kind_::open_file, path);
    type_command("open");
    std::vector<std::string> said = messages();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[1], lang_text_("message.cantopenthisfile"));
    EXPECT_EQ(records(), before);
    quit();
  }
}

TEST_F(bad_input_session, a_bad_file_given_at_the_start_says_so_and_starts_on_a_new_drawing) {
  for (const bad_file_& f : bad_files()) {
    SCOPED_TRACE(f.name);
    const std::string path = dir + f.name;
    write_bytes(path, f.bytes);
    start("1", path);
    EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.cantopenfile", path)});
    EXPECT_TRUE(records().empty());
    EXPECT_EQ(mdi->form().title_(), program_title_);
    EXPECT_TRUE(mdi->form().enabled_());
    quit();
  }
}

// A save that cannot be written: the target folder full (a file-size limit stands in for the
// disk) or read-only (for root too: see permissions_hold_).
TEST_F(bad_input_session, a_save_that_cannot_be_written_says_so_and_the_old_file_stays) {
  const struct {
    const char* how;
  } cases[] = {{"full"}, {"read-only"}};
  start("1");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    const std::string folder = dir + c.how + "/";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "plan.zaz";
    engine().state_begin_();
    engine().add_line_(0, 0, 5, 5);
    engine().state_save_("first");
    answer_file(dialog_kind_::save_file, path, 1);
    mdi->gocmd_("saveas");
    ASSERT_TRUE(messages().empty());
    const std::string old = read_bytes(path);
    ASSERT_FALSE(old.empty());
    // More to save than the first time.
    engine().state_begin_();
    for (int i = 0; i < 200; ++i) engine().add_circle_(float(i), 0, 3);
    engine().state_save_("more");

    rlimit saved_limit{};
    bool limited = false;
    std::optional<permissions_hold_> hold;
    if (std::string(c.how) == "full") {
      ::signal(SIGXFSZ, SIG_IGN);
      ::getrlimit(RLIMIT_FSIZE, &saved_limit);
      rlimit small = saved_limit;
      small.rlim_cur = rlim_t(old.size() + 16);
      ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
      limited = true;
    } else {
      ::chmod(folder.c_str(), 0555);
      hold.emplace();
      ASSERT_FALSE(can_write_in(folder)) << "the folder could not be made read-only";
    }
    mdi->gocmd_("save");
    hold.reset();
    if (limited) ::setrlimit(RLIMIT_FSIZE, &saved_limit);
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.cantsavefile", path)});
    EXPECT_EQ(read_bytes(path), old);
    EXPECT_TRUE(is_set_(engine().file_change_()));
    EXPECT_EQ(std::filesystem::directory_iterator(folder) != std::filesystem::directory_iterator(), true);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u);  // no half-written file left beside it
  }
  quit();
}

TEST_F(bad_input_session, closing_with_unsaved_changes_asks_and_cancel_keeps_everything) {
  for (const char* type : {"1", "0"}) {
    SCOPED_TRACE(type);
    start(type);
    draw_two_lines();
    const std::vector<std::string> before = records();
    const std::string caption = mdi->form().title_();
    answer_box(answer_cancel_);
    mdi->gocmd_("quit");
    settle();
    EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.savefilequestion")});
    ASSERT_EQ(running_main_window_(), mdi);
    EXPECT_FALSE(ended);
    EXPECT_EQ(records(), before);
    EXPECT_EQ(mdi->form().title_(), caption);
    EXPECT_TRUE(is_set_(engine().file_change_()));
    EXPECT_TRUE(mdi->form().visible_());
    // No: the program ends without a file.
    answer_box(answer_no_);
    mdi->gocmd_("quit");
    settle();
    EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.savefilequestion")});
    EXPECT_EQ(running_main_window_(), nullptr);
    mdi = nullptr;
  }
}

}  // namespace
