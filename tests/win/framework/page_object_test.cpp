// The control-centre page as an object: its stream order and its copy.
#include <gtest/gtest.h>

#include <string>

#include "app/core/control_centre/control_centre_design.h"
#include "app/win/control_centre/control_centre_page.h"

namespace qv::test {
namespace {

using namespace quorvela;
using namespace quorvela::win;

// Each control's text names its id.
void nameControls(ControlCentrePage& page) {
  page.text = "page";
  int id = control_centre::kTopPanel;
  for (WindowObject* control : page.controlsInIdOrder()) {
    control->text = std::to_string(id++);
  }
}

TEST(ControlCentrePageObject, StreamsTheContainerThenTheControlsInIdOrder) {
  ControlCentrePage page;
  nameControls(page);
  VolStream out;
  page.writeToStream(&out);
  ASSERT_EQ(out.state(), VolStream::kInOrder);

  VolStream in(out.bytes());
  std::string text;
  ASSERT_TRUE(in.readText(text));
  EXPECT_EQ(text, "page");
  for (int id = control_centre::kTopPanel; id <= control_centre::kRunLogBox; ++id) {
    ASSERT_TRUE(in.readText(text)) << id;
    EXPECT_EQ(text, std::to_string(id));
  }

  ControlCentrePage read;
  VolStream again(out.bytes());
  read.readFromStream(&again);
  EXPECT_EQ(again.state(), VolStream::kInOrder);
  EXPECT_EQ(read.RunLogBox.text, std::to_string(control_centre::kRunLogBox));
  EXPECT_EQ(read.HourUnitLabel.text, std::to_string(control_centre::kHourUnitLabel));

  // A cut stream leaves the reader's state at short read, without a failure.
  ByteBuffer cut = out.bytes();
  cut.resize(cut.size() / 2);
  VolStream shortStream(cut);
  ControlCentrePage partial;
  partial.readFromStream(&shortStream);
  EXPECT_EQ(shortStream.state(), VolStream::kShortRead);
}

TEST(ControlCentrePageObject, CopySharesEveryControlsWindowButNoBinding) {
  ControlCentrePage page;
  nameControls(page);
  ControlCentrePage copy;
  copy = page;
  const auto source = page.controlsInIdOrder();
  const auto copied = copy.controlsInIdOrder();
  for (std::size_t i = 0; i < ControlCentrePage::kControlCount; ++i) {
    EXPECT_EQ(copied[i]->text, source[i]->text);
    EXPECT_EQ(copied[i]->link(), source[i]->link()) << "the same window";
  }
  EXPECT_EQ(copy.link(), page.link());
  EXPECT_EQ(copy.background, 0xFFFFFFu);
  const auto clone = page.clone();
  EXPECT_EQ(static_cast<ControlCentrePage&>(*clone).TopPanel.text, page.TopPanel.text);
}

}  // namespace
}  // namespace qv::test
