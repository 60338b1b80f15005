// The language files shipped beside the program: their format, their agreement with each other and
// with the interface tables, and a scan of the program's sources for keys the files lack.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/core/codepage.h"
#include "platform/core/file_io.h"
#include "shell/language.h"
#include "support/missing_texts.h"

namespace {

const std::string resources = ARVEX_SOURCE_DIR "/resources/";
const char* const languages[] = {"program_en.lang", "program_pl.lang"};

// Key and text of every entry, in file order, as the loader reads them.
std::vector<std::pair<std::string, std::string>> entries_of(const char* file) {
  std::vector<std::pair<std::string, std::string>> out;
  if (load_language_(resources + file) != true_) return out;
  for (int32_t i = 1; i <= lang_table_.count; ++i)
    out.emplace_back(lang_table_.entries[size_t(i)].key, lang_table_.entries[size_t(i)].text);
  return out;
}

std::map<std::string, std::string> table_of(const char* file) {
  std::map<std::string, std::string> out;
  for (auto& [key, text] : entries_of(file)) out.emplace(key, text);
  return out;
}

bool ends_with(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::set<std::string> placeholders(const std::string& text) {
  std::set<std::string> out;
  static const std::regex ph(R"(\{\d\})");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), ph); it != std::sregex_iterator();
       ++it)
    out.insert(it->str());
  return out;
}

TEST(language_files, LoadWithOneEntryPerKeyAndTheSameKeysInBoth) {
  std::set<std::string> first_keys;
  for (const char* file : languages) {
    SCOPED_TRACE(file);
    auto entries = entries_of(file);
    ASSERT_FALSE(entries.empty());
    EXPECT_LT(entries.size(), size_t(lang_table_size_));  // the loader drops entries past the cap
    std::set<std::string> keys;
    for (auto& [key, text] : entries) {
      EXPECT_TRUE(keys.insert(key).second) << "duplicate key " << key;
      // Only a shortcut may be empty: an item without one shows nothing at its right.
      if (!ends_with(key, ".sc")) {
        EXPECT_FALSE(text.empty()) << key;
      }
      EXPECT_NE(text.substr(0, 1), "%") << key;
    }
    if (first_keys.empty()) {
      first_keys = keys;
      continue;
    }
    for (const std::string& k : first_keys)
      EXPECT_TRUE(keys.count(k)) << "only in the first: " << k;
    for (const std::string& k : keys) EXPECT_TRUE(first_keys.count(k)) << "only in this one: " << k;
  }
}

// Windows-1250 bytes only, every line "key=text" ended by CR LF.
TEST(language_files, AreWindows1250WithCrLfLines) {
  for (const char* file : languages) {
    SCOPED_TRACE(file);
    auto bytes = read_file_bytes_(resources + file);
    ASSERT_TRUE(bytes.has_value());
    const std::string& b = *bytes;
    ASSERT_GE(b.size(), 2u);
    EXPECT_NE(b.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(b.substr(b.size() - 2), "\r\n");
    size_t line_start = 0;
    int line = 1;
    for (size_t i = 0; i < b.size(); ++i) {
      auto c = uint8_t(b[i]);
      if (c == '\r') {
        EXPECT_TRUE(i + 1 < b.size() && b[i + 1] == '\n') << "bare CR on line " << line;
        continue;
      }
      if (c == '\n') {
        EXPECT_TRUE(i > 0 && b[i - 1] == '\r') << "bare LF on line " << line;
        size_t eq = b.find('=', line_start);
        EXPECT_TRUE(eq != std::string::npos && eq > line_start && eq < i) << "line " << line;
        line_start = i + 1;
        ++line;
        continue;
      }
      EXPECT_FALSE(c < 0x20 || c == 0x7F) << "control byte " << int(c) << " on line " << line;
      if (c >= 0x80) {
        EXPECT_NE(cp1250_to_unicode_(c), 0u) << "byte " << int(c) << " on line " << line;
      }
    }
  }
}

TEST(language_files, GiveEveryKeyTheSamePlaceholdersInBothLanguages) {
  auto en = table_of(languages[0]);
  auto pl = table_of(languages[1]);
  for (auto& [key, text] : en) {
    if (!pl.count(key)) continue;  // reported by the key-set test
    EXPECT_EQ(placeholders(text), placeholders(pl[key])) << key;
  }
  // The callers fill these; a text without the placeholder would drop the caller's value.
  const std::pair<const char*, std::set<std::string>> filled[] = {
      {"message.cantopenfile", {"{0}"}},
      {"message.removepagequestion", {"{0}"}},
      {"message.removelayerquestion", {"{0}"}},
      {"message.dimstyledel", {"{0}"}},
      {"message.calclengthis", {"{0}", "{1}"}},
      {"message.calcareais", {"{0}", "{1}"}},
      {"window.layers.title", {"{0}", "{1}"}},
      {"window.xlib.defblockname", {"{0}"}},
      {"window.xlib.deffoldername", {"{0}"}},
      {"window.xlib.pop.move2", {"{0}"}},
      {"common.page.nr", {"{0}"}},
      {"common.layer.nr", {"{0}"}},
      {"common.dims.nr", {"{0}"}},
  };
  for (auto& [key, expected] : filled) EXPECT_EQ(placeholders(en[key]), expected) << key;
}

// Key tips: the ribbon appends each typed letter and presses the first sibling whose tip equals
// what was typed, so a tip that equals or begins another sibling's makes that one unreachable.
struct sibling_set {
  const char* name;
  std::vector<std::string> keys;  // language keys of the tips
};

std::vector<sibling_set> ribbon_key_tips() {
  const std::vector<std::string> select_edit = {"mdi.tool.home.selection.select.key",
                                                "mdi.tool.home.edit.key"};
  auto tab = [&](const char* name, std::vector<std::string> items) {
    items.insert(items.begin(), select_edit.begin(), select_edit.end());
    return sibling_set{name, items};
  };
  auto tips = [](const std::string& prefix, std::vector<std::string> names) {
    for (auto& n : names) n = prefix + n + ".key";
    return names;
  };
  std::vector<sibling_set> sets;
  // Level 1: the application button, the tabs and the about button's fixed "A".
  sets.push_back({"tabs",
                  {"mdi.mainmenu.key", "mdi.tabs.home.key", "mdi.tabs.draw.key", "mdi.tabs.dim.key",
                   "mdi.tabs.view.key", "mdi.tabs.arrange.key", "=A"}});
  sets.push_back({"application menu",
                  {"mdi.mainmenu.new.key", "mdi.mainmenu.open.key", "mdi.mainmenu.nesavew.key",
                   "mdi.mainmenu.saveas.key", "mdi.mainmenu.print.key", "mdi.mainmenu.setprnt.key",
                   "mdi.mainmenu.properties.key"}});
  auto std_items = tips("mdi.tool.home.",
                        {"clipboard.pastespecial", "clipboard.cut", "clipboard.copy", "clipboard.paste",
                         "setup", "pagemove", "pagesize", "pageorient", "printpage"});
  std_items.push_back("mdi.toolbar.home.pages.choose.key");
  sets.push_back(tab("STD", std_items));
  auto draw_items =
      tips("mdi.tool.draw.",
           {"transform.move",  "transform.rotate",  "transform.mirror", "transform.scale",
            "transform.array", "transform.delete",  "modline.eline",    "modline.vslash",
            "modline.cutobj",  "drawing.point",     "drawing.line",     "drawing.pline",
            "drawing.curve",   "drawing.rectangle", "drawing.polygon",  "drawing.ellipse",
            "drawing.pattern", "drawing.text",      "drawing.image",    "blocks.add",
            "blocks.conv",     "blocks.break",      "blocks.show"});
  draw_items.push_back("mdi.tool.draw.drawing.arc.key");
  draw_items.push_back("mdi.tool.draw.drawing.circle.key");
  sets.push_back(tab("DRAW", draw_items));
  sets.push_back(
      tab("DIM", tips("mdi.tool.draw.",
                      {"dimstyles", "dim.dist.free", "dim.dist.horiz", "dim.dist.vert",
                       "dim.dist.base", "dim.dist.mult", "dim.ref", "dim.angle", "dim.center",
                       "dim.radius", "dim.dimeter", "meas.dist", "meas.area"})));
  auto view_items = tips("mdi.tool.view.", {"layers.list", "layers.set", "move", "zoom", "area",
                                            "zin", "zout", "all"});
  view_items.push_back("mdi.toolbar.home.pages.choose.key");
  sets.push_back(tab("VIEW", view_items));
  // The shrink buttons reuse the text keys of the grow buttons, so each key stands once here.
  sets.push_back(
      tab("ARRANGE", tips("mdi.tool.draw.arrange.",
                          {"front", "back", "left", "vmid", "right", "top", "hmid", "bottom",
                           "sizeh", "sizev", "sizeb", "dist.h.eq", "dist.h.eqc", "dist.h.del",
                           "dist.v.eq", "dist.v.eqc", "dist.v.del"})));
  return sets;
}

TEST(language_files, GiveRibbonSiblingsDistinctKeyTipsThatNeverBeginAnother) {
  static const std::regex tip_form("[A-Z]{1,2}");
  for (const char* file : languages) {
    SCOPED_TRACE(file);
    auto table = table_of(file);
    for (const sibling_set& set : ribbon_key_tips()) {
      SCOPED_TRACE(set.name);
      std::vector<std::pair<std::string, std::string>> tips;  // tip, key
      for (const std::string& key : set.keys) {
        std::string tip = key[0] == '=' ? key.substr(1) : table[key];
        EXPECT_TRUE(std::regex_match(tip, tip_form)) << key << " = \"" << tip << "\"";
        tips.emplace_back(tip, key);
      }
      for (auto& [a, ka] : tips) {
        for (auto& [b, kb] : tips) {
          if (ka != kb) {
            EXPECT_NE(b.rfind(a, 0), 0u) << ka << " \"" << a << "\" hides " << kb;
          }
        }
      }
    }
  }
}

// Shortcut texts of the classic menus: in the form the docking control builds from a key press,
// never one combination for two commands, and the same combination as the ribbon for the same
// command. F5 to F9 switch the ribbon's tabs.
TEST(language_files, GiveEachShortcutOneCommandAgreeingWithTheRibbon) {
  static const std::regex form(
      R"(((Shift|Ctrl|Ctrl\+Shift)\+)?(F([1-9]|1[0-2])|[A-Z0-9]|ESC|DEL))");
  const std::pair<const char*, const char*> ribbon[] = {
      {"Ctrl+N", "tb.file.new.sc"},
      {"Ctrl+O", "tb.file.open.sc"},
      {"Ctrl+S", "tb.file.save.sc"},
      {"Ctrl+P", "tb.file.printp.sc"},
      {"Ctrl+X", "tb.edit.cut.sc"},
      {"Ctrl+C", "tb.edit.copy.sc"},
      {"Ctrl+V", "tb.edit.paste.sc"},
      {"Ctrl+A", "tb.edit.select.all.sc"},
      {"Ctrl+I", "tb.edit.select.inv.sc"},
      {"ESC", "tb.edit.select.none.sc"},
      {"Ctrl+T", "tb.edit.select.ex.sc"},
      {"Q", "tb.trans.pointer.sc"},
      {"Ctrl+B", "tb.tools.blocks.sc"},
      {"Ctrl+J", "tb.trans.order.front.sc"},
      {"Ctrl+K", "tb.trans.order.back.sc"},
      {"Ctrl+Z", "tb.edit.undo.sc"},
      {"Ctrl+Y", "tb.edit.redo.sc"},
      {"F5", ""},
      {"F6", ""},
      {"F7", ""},
      {"F8", ""},
      {"F9", ""},
  };
  for (const char* file : languages) {
    SCOPED_TRACE(file);
    auto table = table_of(file);
    std::map<std::string, std::string> owner;  // upper-cased shortcut -> its key
    for (auto& [key, text] : table) {
      if (!ends_with(key, ".sc") || text.empty()) continue;
      EXPECT_TRUE(std::regex_match(text, form)) << key << " = \"" << text << "\"";
      std::string up = text;
      std::transform(up.begin(), up.end(), up.begin(), ::toupper);
      auto [it, fresh] = owner.emplace(up, key);
      EXPECT_TRUE(fresh) << text << " is the shortcut of " << it->second << " and " << key;
    }
    for (auto& [shortcut, key] : ribbon) {
      std::string up = shortcut;
      std::transform(up.begin(), up.end(), up.begin(), ::toupper);
      EXPECT_EQ(owner.count(up) ? owner[up] : "", key) << shortcut;
    }
    // A tooltip that names a shortcut names the one its command has.
    for (auto& [key, text] : table) {
      if (!ends_with(key, ".tip") || text.empty() || text.back() != ')') continue;
      std::string sc = key.substr(0, key.size() - 4) + ".sc";
      if (!table.count(sc)) continue;
      size_t open = text.rfind('(');
      EXPECT_EQ(text.substr(open + 1, text.size() - open - 2), table[sc]) << key;
    }
  }
}

// Words in double quotes that are spelled like language keys: lower-case words joined by dots
// whose first word is one of the files' key families. File names and the dotted command words of
// the main window are not keys.
std::set<std::string> key_literals(const std::string& source,
                                   const std::set<std::string>& families) {
  static const std::regex literal(R"re("([a-z][a-z0-9_]*(\.[a-z0-9_]+)+)")re");
  static const std::regex file_name(R"(.*\.(ico|cur|lang|zaz|dxf|ini|dat|png|pdf|skin|txt|h|cpp))");
  static const std::set<std::string> command_words = {"blocks.ins"};
  std::set<std::string> out;
  size_t pos = 0;
  while (pos < source.size()) {
    size_t end = source.find('\n', pos);
    if (end == std::string::npos) end = source.size();
    std::string line = source.substr(pos, end - pos);
    pos = end + 1;
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line.compare(first, 2, "//") == 0 ||
        line.compare(first, 8, "#include") == 0)
      continue;
    if (size_t comment = line.find("// "); comment != std::string::npos) line.resize(comment);
    for (auto it = std::sregex_iterator(line.begin(), line.end(), literal);
         it != std::sregex_iterator(); ++it) {
      std::string word = (*it)[1];
      if (!families.count(word.substr(0, word.find('.')))) continue;
      if (std::regex_match(word, file_name) || command_words.count(word)) continue;
      out.insert(word);
    }
  }
  return out;
}

std::set<std::string> families_of(const std::map<std::string, std::string>& table) {
  std::set<std::string> out;
  for (auto& [key, text] : table) out.insert(key.substr(0, key.find('.')));
  return out;
}

TEST(language_files, KeyScanFindsKeyLiteralsOnly) {
  const std::string source =
      "#include \"window.h\"\n"
      "// \"mdi.in.a.comment\" is prose\n"
      "auto a = lang_text_(\"message.cantopenfile\", path);  // then \"tb.file.noise\"\n"
      "add_icon_(folder, \"about.ico\", \"\");\n"
      "get_setting_(\"kalvinor.common\", \"GUI\", \"Lang\");\n"
      "load_language_(\"program_en.lang\"); gocmd_(\"blocks.ins\");\n"
      "b = \"Tb.File.New\"; c = \"change.\" + word; d = {\"tb.edit.cut.sc\", "
      "\"mdi.tabs.home.key\"};\n";
  const std::set<std::string> families = {"message", "tb",     "mdi",   "about",
                                          "window",  "blocks", "change"};
  EXPECT_EQ(key_literals(source, families),
            (std::set<std::string>{"message.cantopenfile", "tb.edit.cut.sc", "mdi.tabs.home.key"}));
}

TEST(language_files, HoldEveryKeyTheProgramSpellsOut) {
  auto en = table_of(languages[0]);
  auto pl = table_of(languages[1]);
  ASSERT_FALSE(en.empty());
  auto families = families_of(en);
  std::set<std::string> used;
  for (const char* folder :
       {"engine", "exchange", "printing", "shell", "ui", "mainwindow", "dialogs"}) {
    std::filesystem::path root = std::filesystem::path(ARVEX_SOURCE_DIR) / folder;
    if (!std::filesystem::exists(root)) continue;
    for (auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      auto ext = entry.path().extension();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      auto bytes = read_file_bytes_(entry.path().string());
      ASSERT_TRUE(bytes.has_value()) << entry.path();
      for (const std::string& key : key_literals(*bytes, families)) {
        used.insert(key);
        EXPECT_TRUE(en.count(key))
            << key << " (" << entry.path().string() << ") missing from English";
        EXPECT_TRUE(pl.count(key))
            << key << " (" << entry.path().string() << ") missing from Polish";
      }
    }
  }
  EXPECT_FALSE(used.empty());  // the scan reached the sources
}

TEST(missing_texts_recorder, RecordsEachMissedKeyOnceAndRestoresTheHook) {
  ASSERT_EQ(load_language_(resources + languages[0]), true_);
  {
    missing_texts_recorder outer;
    {
      missing_texts_recorder inner;
      EXPECT_EQ(lang_text_("common.yes"), "Yes");
      EXPECT_EQ(lang_text_(" No.Such.Key "), "%no.such.key");
      lang_text_("no.such.key");
      lang_text_("other.missing");
      EXPECT_EQ(inner.keys(), (std::vector<std::string>{"no.such.key", "other.missing"}));
      inner.forget();
    }
    EXPECT_EQ(outer.keys(), (std::vector<std::string>{"no.such.key", "other.missing"}));
    outer.forget();
  }
  EXPECT_FALSE(lang_missing_key_hook_);
}

TEST(missing_texts_recorder, FailsTheTestNamingEachKeyItDidNotForget) {
  ASSERT_EQ(load_language_(resources + languages[1]), true_);
  EXPECT_NONFATAL_FAILURE(
      {
        missing_texts_recorder texts;
        lang_text_("mdi.tabs.home");
        lang_text_("tb.file.nosuchitem");
      },
      "\"tb.file.nosuchitem\"");
  EXPECT_FALSE(lang_missing_key_hook_);
}

}  // namespace
