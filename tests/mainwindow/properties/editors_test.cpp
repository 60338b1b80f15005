// Opening the value editors: which editor a row opens, what it offers and pre-selects, and
// how folding and rebuilding treat an open editor.
#include "prop_fixture.h"

namespace {

using editors = prop_fixture;

TEST_F(editors, RowsOpenTheirEditorWithTheRowsValue) {
  const int32_t r = e().add_line_(0, 0, 3, 4);
  e().edit_prop_(r, 4, value_::of(7.0));  // a width id outside the list
  e().edit_prop_(r, 5, value_::of(2.0));
  e().select_record_(r, true_);
  ed->ref_edit_(true_, true_);
  // Row, list items (0: the text box), the value selected or shown.
  struct Case { const char* key; int32_t items; int32_t selected; const char* text; } cases[] = {
      {"C1", 11, -1, ""},                       // colours without none; automatic
      {"WI", 7, -4, ""},                        // no item for 7: the first, by layer
      {"LA", e().layers_count_(), 2, ""},       // the layers by number
      {"ST", 7, 0, ""},
      {"X2", 0, 0, "3.0000"}};  // formatted as painted
  for (const Case& c : cases) {
    press_row(c.key);
    EXPECT_EQ(host->focus, 4) << c.key;
    if (c.items == 0) {
      EXPECT_TRUE(box_visible()) << c.key;
      EXPECT_FALSE(host->c->win_()->visible_()) << c.key;
      EXPECT_EQ(host->t->text(), c.text) << c.key;
      continue;
    }
    EXPECT_FALSE(box_visible()) << c.key;
    ASSERT_TRUE(host->c->win_()->visible_()) << c.key;
    EXPECT_EQ(host->c->ListCount(), c.items) << c.key;
    EXPECT_EQ(host->c->ListValue(host->c->ListIndex()), c.selected) << c.key;
  }
  // The editor lies over the value part of the row, whichever part was pressed.
  const edit_item_rec_& row = *e().edit_item_(e().edit_selected_());
  const pixel_rect_ at = host->t->win_()->window_rect_(), panel = host->panel->client_rect_();
  EXPECT_EQ(at.left - panel.left, row.left + 102);
  EXPECT_EQ(at.top - panel.top, row.top);
  // By block picked in the style list is written as -3; the text box stays hidden.
  press_row("ST");
  pick(host->c->FindIdByValue(-3));
  EXPECT_EQ(e().store.live.objects[r].line_style, -3);
  EXPECT_FALSE(box_visible());
  EXPECT_EQ(host->focus, 0);
}

TEST_F(editors, FoldingOpensNothingAndARebuildClosesTheBox) {
  ed->ref_edit_(true_, true_);  // the drawing and the page
  const edit_group_rec_& proj = *e().edit_group_(1);
  const int32_t top = proj.top;
  for (int32_t x : {10, 100}) {  // the group's box, then the header beside it
    press_at_(*host->panel, x, top + 10);
    release_at_(*host->panel, x, top + 10);
    do_events_();
    EXPECT_FALSE(box_visible());
    EXPECT_FALSE(host->c->win_()->visible_());
  }
  EXPECT_EQ(e().edit_group_(1)->collapsed, -1);
  press_row("PAGE.TITLE");
  ASSERT_TRUE(box_visible());
  host->t->text("never applied");
  ed->ref_edit_(false_, false_);  // a repaint keeps the fold and the box
  EXPECT_EQ(e().edit_group_(1)->collapsed, -1);
  EXPECT_TRUE(box_visible());
  ed->ref_edit_(true_, false_);  // a rebuild unfolds and closes without applying
  EXPECT_EQ(e().edit_group_(1)->collapsed, 0);
  EXPECT_FALSE(box_visible());
  EXPECT_EQ(e().page_title_(e().page_active_()), "p");
}

}  // namespace
