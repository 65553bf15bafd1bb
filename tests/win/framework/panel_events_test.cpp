// The created and shown events of a container.
#include <gtest/gtest.h>

#include "app/win/framework/panel.h"
#include "app/win/framework/window_procedure.h"
#include "tests/win/framework/host_form.h"

namespace qv::test {
namespace {

using namespace quorvela;
using namespace quorvela::win;

struct Counts : VolClass<Counts, CVolObject> {
  static constexpr const char* kClassName = "qv::test::Counts";
  static std::int32_t created(CVolObject* owner, CVolObject*, std::int32_t) {
    static_cast<Counts*>(owner)->order += "c";
    return 0;
  }
  static std::int32_t shown(CVolObject* owner, CVolObject*, std::int32_t) {
    static_cast<Counts*>(owner)->order += "s";
    return 0;
  }
  std::string order;
  EventRecord record = CVolEventObjectPointer::create(this);
};

TEST(PanelEvents, CreatedThenShownOnceAndShownAgainOnlyAfterHiding) {
  HostForm form;
  ASSERT_NE(createHost(form), nullptr);
  struct Case {
    bool visible;
    const char* afterCreation;
  };
  for (const auto& c : {Case{true, "cs"}, Case{false, "c"}}) {
    SCOPED_TRACE(c.visible);
    Counts counts;
    Panel panel;
    panel.visible = c.visible;
    panel.createdEvent.bind(&Counts::created, counts.record);
    panel.shownEvent.bind(&Counts::shown, counts.record);
    ASSERT_TRUE(panel.create({windowOf(form), &form, 0, 0, 100, 100, 0xFFFF, ""}));
    EXPECT_EQ(counts.order, c.afterCreation);

    counts.order.clear();
    panel.show();
    panel.show();
    ShowWindow(windowOf(panel), SW_HIDE);
    panel.show();
    EXPECT_EQ(counts.order, c.visible ? "s" : "ss");
  }
}

}  // namespace
}  // namespace qv::test
