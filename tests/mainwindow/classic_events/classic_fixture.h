// The main window in the classic interface, with what its handlers send to the command entry
// recorded, and the docking control's events raised as the control raises them.
#pragma once
#include <string>
#include <vector>

#include "../mdi_fixture.h"
#include "ui/controls/docktb/xdocktb.h"

class classic_fixture : public mdi_fixture {
 protected:
  void SetUp() override {
    mdi_fixture::SetUp();
    open("1");
    ASSERT_NE(mdi->docktb(), nullptr);
  }

  xdocktb_& tb() { return *mdi->docktb(); }

  // Records every word the classic events send; with take set, the command entry never sees them.
  void record_words(bool take) {
    mdi->event_word_tap = [this, take](const std::string& w) {
      words.push_back(w);
      return take;
    };
  }

  // A click on the button with this key, reported with its second key as the control does.
  void click(const std::string& key) {
    const int32_t b = tb().key2id_(key);
    tb().ButtonClick(0, b, key, b >= 1 ? tb().button_key2_(b) : key);
  }
  // A row picked in the drop-down of the button owner, mx pixels from the row's left edge.
  void pick(const std::string& owner, const std::string& key, int32_t mx = 50) {
    tb().MenuItemClick(0, 0, tb().key2id_(owner), key, mx, 5);
  }

  // The drop-down row with this key of the button (sub-items included), or null.
  const dock_menu_item_rec_* row(const std::string& owner, const std::string& key) {
    for (const auto& i : tb().button_(tb().key2id_(owner)).items) {
      if (i.key == key) return &i;
      for (const auto& s : i.subs)
        if (s.key == key) return &s;
    }
    return nullptr;
  }
  bool pressed(const std::string& key) { return tb().button_ckeck_(tb().key2id_(key)) == true_; }

  std::vector<std::string> words;
};
