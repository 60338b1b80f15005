#include <sys/stat.h>

#include <filesystem>

#include "shell/startup.h"
#include "shell_fixture.h"

namespace {

class portable_settings : public shell_fixture {
 protected:
  void SetUp() override {
    shell_fixture::SetUp();
    write("mobile", "");
    portable_mode_ = is_portable_();
    open_settings_file_();
  }
  // Key and value fields of record n, padding included.
  std::string key_field(int n) { return read("settings.dat").substr((n - 1) * 384, 128); }
  std::string value_field(int n) { return read("settings.dat").substr((n - 1) * 384 + 128, 256); }
};

std::string padded(std::string s, size_t width) {
  s.resize(width, ' ');
  return s;
}

TEST_F(portable_settings, RoundTripsIntoFixedRecords) {
  ASSERT_EQ(portable_mode_, true_);
  EXPECT_EQ(get_setting_(setting_gui_lang_), value_::of("PL"));
  EXPECT_EQ(read("settings.dat").size(), 0u);

  ASSERT_TRUE(save_setting_("kalvinor.common", "GUI", "Lang", "EN"));
  EXPECT_EQ(read("settings.dat").size(), 384u);
  EXPECT_EQ(key_field(1), padded("kalvinor.common\\gui\\lang", 128));
  EXPECT_EQ(value_field(1), padded("EN", 256));
  EXPECT_EQ(get_setting_(setting_gui_lang_), value_::of("EN"));

  // Rewritten in place; a new key is appended.
  ASSERT_TRUE(save_setting_("kalvinor.common", "GUI", "Lang", "PL"));
  ASSERT_TRUE(save_setting_("kalvinor.common", "GUI", "Skin", "2"));
  EXPECT_EQ(read("settings.dat").size(), 768u);
  EXPECT_EQ(find_setting_record_("kalvinor.common\\gui\\lang"), 1);
  EXPECT_EQ(find_setting_record_("KALVINOR.COMMON\\GUI\\SKIN "), 2);
  EXPECT_EQ(get_setting_(setting_gui_lang_), value_::of("PL"));
}

TEST_F(portable_settings, AbsentSettingGivesDefaultOfItsOwnType) {
  EXPECT_EQ(get_setting_(setting_gui_skin_), value_::of(3));
  EXPECT_EQ(get_setting_(setting_template_), value_::of(""));
  EXPECT_EQ(get_setting_("kalvinor.zaz", "windows\\exlayers", "left", 0), value_::of(0));
  EXPECT_EQ(get_setting_("kalvinor.zaz", "default", "template", "none"), value_::of("none"));
}

TEST_F(portable_settings, NamesAreTrimmedAndLowerCasedValuesTrimmed) {
  ASSERT_TRUE(save_setting_("kalvinor.zaz", "windows\\mdi", "width", "  12750  "));
  EXPECT_EQ(get_setting_(" Kalvinor.ZAZ", "windows\\MDI ", " width", value_::of(0)),
            value_::of("12750"));
}

TEST_F(portable_settings, KeysMatchWholeNotByPrefix) {
  struct keys { const char* first; const char* second; };
  for (keys k : {keys{"template", "temp"}, keys{"temp", "template"}}) {
    SCOPED_TRACE(std::string(k.first) + " then " + k.second);
    close_settings_file_();
    std::filesystem::remove(dir + "settings.dat");
    open_settings_file_();
    ASSERT_TRUE(save_setting_("kalvinor.zaz", "default", k.first, "one"));
    EXPECT_EQ(get_setting_("kalvinor.zaz", "default", k.second, value_::of("none")),
              value_::of("none"));
    ASSERT_TRUE(save_setting_("kalvinor.zaz", "default", k.second, "two"));
    EXPECT_EQ(read("settings.dat").size(), 768u);
    EXPECT_EQ(get_setting_("kalvinor.zaz", "default", k.first, value_::of("")), value_::of("one"));
    EXPECT_EQ(get_setting_("kalvinor.zaz", "default", k.second, value_::of("")), value_::of("two"));
  }
}

TEST_F(portable_settings, LongValuesAreCutAndTextIsOneBytePerCharacter) {
  std::string long_value(300, 'x');
  ASSERT_TRUE(save_setting_("kalvinor.zaz", "default", "template", long_value));
  EXPECT_EQ(read("settings.dat").size(), 384u);
  EXPECT_EQ(get_setting_(setting_template_), value_::of(long_value.substr(0, 256)));

  ASSERT_TRUE(save_setting_("kalvinor.zaz", "default", "template", "Żółć.zaz"));
  EXPECT_EQ(value_field(1).substr(0, 8), "\xAF\xF3\xB3\xE6.zaz");
  EXPECT_EQ(get_setting_(setting_template_), value_::of("Żółć.zaz"));
}

TEST_F(portable_settings, TornLastRecordIsReplacedByTheNextNewKey) {
  ASSERT_TRUE(save_setting_("kalvinor.common", "GUI", "Lang", "EN"));
  close_settings_file_();
  std::string torn = read("settings.dat") + padded("kalvinor.common\\gui\\skin", 128) + "1";
  write("settings.dat", torn);
  open_settings_file_();
  EXPECT_EQ(get_setting_(setting_gui_skin_), value_::of(3));
  ASSERT_TRUE(save_setting_("kalvinor.common", "GUI", "Type", "0"));
  EXPECT_EQ(read("settings.dat").size(), 768u);
  EXPECT_EQ(get_setting_(setting_gui_type_), value_::of("0"));
  EXPECT_EQ(get_setting_(setting_gui_lang_), value_::of("EN"));
}

TEST_F(shell_fixture, UnreadableSettingsFileFallsBackToDefaults) {
  write("mobile", "");
  std::filesystem::create_directory(dir + "settings.dat");
  portable_mode_ = is_portable_();
  open_settings_file_();
  EXPECT_EQ(get_setting_(setting_gui_lang_), value_::of("PL"));
  EXPECT_FALSE(save_setting_("kalvinor.common", "GUI", "Lang", "EN"));
  EXPECT_EQ(get_setting_(setting_gui_lang_), value_::of("PL"));
}

TEST_F(shell_fixture, EmptyNamesFailCleanlyInBothStores) {
  for (flag16_ mode : {false_, true_}) {
    portable_mode_ = mode;
    write("mobile", "");
    open_settings_file_();
    EXPECT_FALSE(save_setting_("kalvinor.zaz", "  ", "width", "1"));
    EXPECT_EQ(get_setting_("", "default", "template", value_::of(7)), value_::of(7));
    close_settings_file_();
  }
}

TEST_F(shell_fixture, UserStoreRoundTripsUntrimmedText) {
  ASSERT_EQ(portable_mode_, false_);
  EXPECT_EQ(get_setting_(setting_gui_skin_), value_::of("3"));
  for (std::string v : {" EN ", "a, b", "Żółć", "x=y;z", "", "@Variant(x)"}) {
    ASSERT_TRUE(save_setting_("kalvinor.zaz", "windows\\MDI", "left", v));
    EXPECT_EQ(get_setting_(" KALVINOR.zaz", "Windows\\mdi", "LEFT ", value_::of(0)), value_::of(v));
  }
  // Sections and keys are kept apart however they are named.
  ASSERT_TRUE(save_setting_("kalvinor.zaz", "General", "x", "g"));
  ASSERT_TRUE(save_setting_("kalvinor.zaz", "windows", "mdi", "w"));
  EXPECT_EQ(get_setting_("kalvinor.zaz", "general", "x", value_::of("")), value_::of("g"));
  EXPECT_EQ(get_setting_("kalvinor.zaz", "windows", "mdi", value_::of("")), value_::of("w"));
  EXPECT_EQ(get_setting_("kalvinor.zaz", "windows\\mdi", "left", value_::of("")), value_::of("@Variant(x)"));
}

TEST_F(shell_fixture, UnreadableUserStoreFallsBackToDefaults) {
  std::filesystem::create_directories(dir + "user/kalvinor.common.ini");
  EXPECT_EQ(get_setting_(setting_gui_lang_), value_::of("PL"));
  EXPECT_FALSE(save_setting_("kalvinor.common", "GUI", "Lang", "EN"));
}

TEST_F(shell_fixture, StartPicksStoreAndLanguage) {
  write("program_en.lang", "probe=english\r\n");
  write("program_pl.lang", "probe=polski\r\n");
  struct start_case {
    bool portable;
    const char* stored;  // nullptr: nothing stored
    const char* file;
  };
  const start_case cases[] = {
      {false, nullptr, "program_pl.lang"}, {false, "en", "program_en.lang"},
      {false, " en", "program_pl.lang"},   {true, " en ", "program_en.lang"},
      {true, "EN", "program_en.lang"},     {true, "DE", "program_pl.lang"},
  };
  for (const start_case& c : cases) {
    SCOPED_TRACE(std::string(c.portable ? "portable " : "user ") + (c.stored ? c.stored : "-"));
    close_settings_file_();
    std::filesystem::remove(dir + "mobile");
    std::filesystem::remove(dir + "settings.dat");
    std::filesystem::remove_all(dir + "user");
    if (c.portable) write("mobile", "");
    portable_mode_ = c.portable ? true_ : false_;
    open_settings_file_();
    if (c.stored) {
      ASSERT_TRUE(save_setting_("kalvinor.common", "GUI", "Lang", c.stored));
    }
    close_settings_file_();

    EXPECT_EQ(start_settings_and_language_(), c.file);
    EXPECT_EQ(portable_mode_, c.portable ? true_ : false_);
    EXPECT_EQ(lang_text_("probe"), c.file == std::string("program_en.lang") ? "english" : "polski");
  }
}

TEST(setting_values, ConvertAsCallersNeed) {
  EXPECT_EQ(value_text_(value_::of(3)), "3");
  EXPECT_EQ(value_text_(value_::of(0.5)), "0.5");
  EXPECT_TRUE(value_equals_(value_::of("1"), 1));
  EXPECT_TRUE(value_equals_(value_::of(" 1 "), 1));
  EXPECT_FALSE(value_equals_(value_::of("1x"), 1));
  EXPECT_FALSE(value_equals_(value_::of(""), 0));
  EXPECT_EQ(value_number_(value_::of("12750"), -1), 12750);
  EXPECT_EQ(value_number_(value_::of("wide"), -1), -1);
}

}  // namespace
