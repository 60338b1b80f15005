#include <unistd.h>

#include "shell_fixture.h"

namespace {

class language : public shell_fixture {
 protected:
  void SetUp() override {
    shell_fixture::SetUp();
    write("sample.lang", std::string(sample_bytes, sizeof(sample_bytes) - 1));
  }
  static constexpr char sample_bytes[] =
      "  Mixed.KEY  =  Hello world  \r\n"
      "two=a=b\n"
      "=skipped\r"
      "no equals sign\r\n"
      "\r\n"
      "break=One|{0}\n"
      "nbsp=a_b\n"
      "order={1} before {0}\n"
      "chain=[{0}]\n"
      "dup=first\n"
      "dup=second\n"
      "empty=\n"
      "tabbed=\tx\t\n"
      "nul\0key=v\n"
      "pl=\xAF\xF3\xB3ty \xEA\n"  // Windows-1250
      "last=no line end";
};

TEST_F(language, LooksUpKeysWithParameters) {
  ASSERT_EQ(load_language_("sample.lang"), true_);
  struct lookup {
    const char* key;
    const char* p0;
    const char* p1;
    const char* expected;
  };
  const lookup cases[] = {
      {"MIXED.KEY", "", "", "Hello world"},
      {" mixed.key ", "", "", "Hello world"},
      {"two", "", "", "a=b"},
      {"break", "a_b|c", "", "One\r\na_b|c"},
      {"nbsp", "", "", "a\u00A0b"},
      {"order", "x", "y", "y before x"},
      {"chain", "{1}", "z", "[z]"},
      {"break", "", "", "One\r\n"},
      {"dup", "", "", "first"},
      {"empty", "", "", ""},
      {"tabbed", "", "", "\tx\t"},
      {"nulkey", "", "", "v"},
      {"pl", "", "", "Żółty ę"},
      {"last", "", "", "no line end"},
      {" No.Such.KEY ", "x", "", "%no.such.key"},
      {"", "", "", "%"},
      {"skipped", "", "", "%skipped"},
  };
  for (const lookup& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(lang_text_(c.key, c.p0, c.p1), c.expected);
  }
  EXPECT_EQ(lang_table_.count, 13);
}

TEST_F(language, FillsAllTenParametersByNumber) {
  write("p.lang", "all={9}{8}{7}{6}{5}{4}{3}{2}{1}{0}{10}\n");
  ASSERT_EQ(load_language_("p.lang"), true_);
  EXPECT_EQ(lang_text_("all", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"), "9876543210{10}");
}

TEST_F(language, MissingOrUnreadableFileLeavesAnEmptyTable) {
  ASSERT_EQ(load_language_("sample.lang"), true_);
  EXPECT_EQ(load_language_("absent.lang"), false_);
  EXPECT_EQ(lang_text_("two"), "%two");

  // Exists but is not readable as a language file: far beyond any real one.
  ASSERT_EQ(load_language_("sample.lang"), true_);
  write("huge.lang", "");
  ASSERT_EQ(::truncate((dir + "huge.lang").c_str(), off_t(64) << 20), 0);
  EXPECT_EQ(load_language_("huge.lang"), false_);
  EXPECT_EQ(lang_table_.count, 0);
  EXPECT_EQ(lang_text_("two"), "%two");
}

TEST_F(language, KeepsTheFirst2048Entries) {
  std::string many;
  for (int i = 1; i <= 2050; ++i) many += "k" + std::to_string(i) + "=v" + std::to_string(i) + "\n";
  write("many.lang", many);
  ASSERT_EQ(load_language_(dir + "many.lang"), true_);  // a path with a folder is used as given
  EXPECT_EQ(lang_table_.count, 2048);
  EXPECT_EQ(lang_text_("k2048"), "v2048");
  EXPECT_EQ(lang_text_("k2049"), "%k2049");
}

TEST_F(language, ReadsUtf8WhenMarked) {
  write("u.lang", "\xEF\xBB\xBFpl=Żółty\n");
  ASSERT_EQ(load_language_("u.lang"), true_);
  EXPECT_EQ(lang_text_("pl"), "Żółty");
}

// The files shipped beside the program carry every key the engine and the undo list ask for.
TEST(shipped_language_files, HoldTheKeysTheProgramUses) {
  const char* const keys[] = {
      "common.page.new", "common.layer.new", "common.dims.new", "message.toolargehatch",
      "message.cantopenfile", "message.savefilequestion", "message.printerror", "color.auto",
      "color.none", "color.byblock", "color.bylayer", "color.black", "color.red", "color.orange",
      "color.yellow", "color.green", "color.blue", "color.sea", "color.cyan", "color.gray",
      "color.magneta", "color.darkgray", "color.white", "change.draw.line", "change.trn.move",
      "change.arrange.d.vrm", "change.mod.vslash", "change.dimstyle.del", "change.setprop",
      "common.ptextmenu.selectall"};
  set_program_dir_(ARVEX_SOURCE_DIR "/resources");
  for (const char* file : {"program_en.lang", "program_pl.lang"}) {
    SCOPED_TRACE(file);
    ASSERT_EQ(load_language_(file), true_);
    for (const char* key : keys) EXPECT_NE(lang_text_(key).substr(0, 1), "%") << key;
    EXPECT_NE(lang_text_("message.cantopenfile", "/x/y.zaz").find("/x/y.zaz"), std::string::npos);
    for (int32_t i = 1; i <= lang_table_.count; ++i)
      EXPECT_EQ(lang_table_.entries[size_t(i)].text.find("\uFFFD"), std::string::npos);
  }
  EXPECT_EQ(lang_text_("color.yellow"), "Żółty");  // Windows-1250 decoded
  set_program_dir_("");
}

}  // namespace
