#include "shell/translate_form.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/window/controls.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"
#include "shell_fixture.h"

namespace {

class translate_form : public shell_fixture {
 protected:
  void SetUp() override {
    shell_fixture::SetUp();
    ensure_application_();
    write("t.lang",
          "dlg.title=Dialog\n"
          "lbl.name=Name\n"
          "btn.ok=OK\n"
          "chk.show=Show\n"
          "opt.one=One\n"
          "frm.group=Group\n"
          "chain.first=chain.second\n"
          "chain.second=Final\n");
    ASSERT_EQ(load_language_("t.lang"), true_);
    window_options_ o;
    o.title = "Dlg.Title";
    o.width = 300;
    o.height = 200;
    form = create_window_(o);
  }

  control_* add(control_kind_ kind, const std::string& caption, window_* parent = nullptr) {
    control_options_ o;
    o.kind = kind;
    o.parent = parent ? parent : form.get();
    o.caption = caption;
    held.push_back(create_control_(o));
    return held.back().get();
  }

  std::vector<std::string> captions() const {
    std::vector<std::string> out{form->title_()};
    for (const auto& c : held) out.push_back(c->caption_());
    return out;
  }

  std::unique_ptr<window_> form;
  std::vector<std::unique_ptr<control_>> held;
};

TEST_F(translate_form, TranslatesTitleAndEveryStandardCaptionOnce) {
  add(control_kind_::label, "lbl.name");
  add(control_kind_::command_button, " BTN.OK ");
  add(control_kind_::check_box, "chk.show");
  control_* frame = add(control_kind_::frame, "frm.group");
  add(control_kind_::option_button, "opt.one", frame->win_());
  add(control_kind_::label, "No.Such.Key");
  add(control_kind_::label, "chain.first");
  // A plain child window (a picture box, an owner-drawn control) keeps its text.
  window_options_ po;
  po.kind = window_kind_::child;
  po.parent = form.get();
  po.title = "lbl.name";
  auto picture = create_window_(po);

  translate_form_(*form);
  EXPECT_EQ(captions(), (std::vector<std::string>{"Dialog", "Name", "OK", "Show", "Group", "One",
                                                  "%no.such.key", "chain.second"}));
  EXPECT_EQ(picture->title_(), "lbl.name");

  // A second pass looks the texts up as keys: they are not, except where a text is a key.
  translate_form_(*form);
  EXPECT_EQ(captions(), (std::vector<std::string>{"%dialog", "%name", "%ok", "%show", "%group", "%one",
                                                  "%%no.such.key", "Final"}));
  EXPECT_EQ(picture->title_(), "lbl.name");
}

TEST_F(translate_form, WithoutLanguageEveryCaptionShowsItsKey) {
  lang_table_.count = 0;
  add(control_kind_::command_button, "Common.Close");
  translate_form_(*form);
  EXPECT_EQ(captions(), (std::vector<std::string>{"%dlg.title", "%common.close"}));
}

}  // namespace
