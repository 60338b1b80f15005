#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/zaz_class.h"

namespace {

struct DocInfo : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
};

TEST_F(DocInfo, TextsAreStoredUnchanged) {
  e->information_title_("Plan ą");
  e->information_description_(" two  spaces ");
  e->information_author_("");
  EXPECT_EQ(e->information_title_(), "Plan ą");
  EXPECT_EQ(e->information_description_(), " two  spaces ");
  EXPECT_EQ(e->information_author_(), "");
}

TEST_F(DocInfo, PasswordStoredAsHexOfCodePageBytes) {
  struct Case { const char* password; const char* stored; };
  const Case cases[] = {
      {"AB", "4142"},
      {"", ""},
      {"\t", "09"},          // below 16: a leading zero
      {"\xc5\x82z", "b37a"},  // "łz": one byte each in the code page
  };
  for (const Case& c : cases) {
    e->security_password_(c.password);
    EXPECT_EQ(e->docinfo.password_stored, c.stored) << c.password;
    EXPECT_EQ(e->security_password_(), c.password);
  }
}

TEST_F(DocInfo, StoredFormReadsOddDigitAndBlanks) {
  e->docinfo.password_stored = "41 4";
  EXPECT_EQ(e->security_password_(), "A\x04");
}

TEST_F(DocInfo, ObjectCountsSkipBlockMembers) {
  e->page_add_("p", 10, 10);
  for (int i = 0; i < 5; ++i) e->add_point_(float(i), 0);
  e->store.live.objects[2].deleted = true_;
  e->store.live.objects[3].page = 0;     // a block member
  e->store.live.objects[4].layer = 0;    // on no layer
  EXPECT_EQ(e->information_objects_all_(), 3);
  EXPECT_EQ(e->information_objects_exs_(), 2);
  EXPECT_EQ(e->information_objects_del_(), 1);
}

TEST_F(DocInfo, ProgressProcedureReadsStoredValue) {
  std::vector<int32_t> seen;
  e->progress_refresh_(5);  // nothing registered: stored only
  EXPECT_EQ(e->progress_(), 5);
  e->progress_function_([&] { seen.push_back(e->progress_()); });
  e->progress_refresh_(0);
  e->progress_refresh_(100);
  e->progress_(42);  // the setter calls nothing
  e->progress_refresh_(-1);
  EXPECT_EQ(seen, (std::vector<int32_t>{0, 100, -1}));
  e->progress_function_(nullptr);
  e->progress_refresh_(7);
  EXPECT_EQ(seen.size(), 3u);
}

TEST_F(DocInfo, BreakFlagAndBreakCall) {
  int calls = 0;
  e->break_call_();  // nothing registered
  e->break_function_([&] { ++calls; e->break_(); });
  EXPECT_EQ(e->host.break_flag, false_);
  e->break_call_();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(e->host.break_flag, true_);
}

}  // namespace
