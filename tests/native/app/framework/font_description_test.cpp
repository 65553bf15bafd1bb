#include "app/core/framework/font_description.h"

#include <gtest/gtest.h>

namespace quorvela {
namespace {

LogicalFont guiDefault() {
  LogicalFont font;
  font.face = u"Tahoma";
  font.height = -11;
  return font;
}

TEST(FontDescription, PartsReplaceTheStartingFont) {
  struct Case {
    const char* description;
    int dpi;
    LogicalFont expected;
  };
  const Case cases[] = {
      {"黑体, 12, 1, 0, 0, 0, 0", 96, {u"黑体", -16, 700}},
      {"黑体, 18, 0, 0, 0, 0, 0", 96, {u"黑体", -24, 400}},
      {"黑体, 9, 0, 0, 0, 0, 0", 96, {u"黑体", -12, 400}},
      {"黑体, 8, 0, 0, 0, 0, 0", 144, {u"黑体", -16, 400}},  // 8 * 144 / 72
      {"黑体, 9, 0, 0, 0, 0, 0", 120, {u"黑体", -15, 400}},  // 15.5 truncated
      {"黑体, -12, 0, 1, 1, 1, 0", 96, {u"黑体", -16, 400, true, true, true}},
      {"Arial, 10.5", 96, {u"Arial", -14, 400}},  // missing parts keep the start's values
      {"", 96, guiDefault()},
      {", 0, 1", 96, {u"Tahoma", -11, 700}},          // empty face and size 0 keep the default
      {"\u3000 \t宋体,12", 96, {u"宋体", -16, 400}},  // leading blanks and ideographic spaces go
      {"x, abc, 2, true, 01", 96, {u"x", -11, 400}},  // only "1" sets a flag; no number is 0
  };
  for (const auto& c : cases) {
    EXPECT_EQ(applyFontDescription(c.description, guiDefault(), c.dpi), c.expected) << c.description;
  }
}

TEST(FontDescription, AngleIsTakenModulo3600) {
  struct Case {
    const char* angle;
    int escapement;
  };
  for (const auto& c : {Case{"900", 900}, Case{"3600", 0}, Case{"3700", 100}, Case{"-900", 2700}, Case{"-7300", 3500},
                        Case{"", 0}, Case{"abc", 0}}) {
    const std::string description = std::string("f, 10, 0, 0, 0, 0, ") + c.angle;
    EXPECT_EQ(applyFontDescription(description, guiDefault(), 96).escapement, c.escapement) << c.angle;
  }
}

TEST(FontDescription, AtMostSevenPartsAndThirtyOneFaceUnits) {
  const LogicalFont extra = applyFontDescription("f, 10, 0, 0, 0, 0, 0, 1, 1", guiDefault(), 96);
  EXPECT_EQ(extra.weight, 400);
  const std::string longFace(40, 'a');
  EXPECT_EQ(applyFontDescription(longFace, guiDefault(), 96).face, std::u16string(31, u'a'));
  // A face cut at 31 units never ends in half a surrogate pair.
  const std::string emojiAtEnd = std::string(30, 'a') + "\xF0\x9F\x98\x80";
  EXPECT_EQ(applyFontDescription(emojiAtEnd, guiDefault(), 96).face, std::u16string(30, u'a'));
}

TEST(FontDescription, AbsurdSizesAndBrokenTextStayInRange) {
  for (const char* description : {"f, 1e300", "f, nan", "f, inf", "f, 99999999999999999999", "\xFF\xFE, 12"}) {
    const LogicalFont font = applyFontDescription(description, guiDefault(), 96);
    EXPECT_LE(font.height, 0) << description;
    EXPECT_GE(font.height, -(1 << 20)) << description;
  }
  EXPECT_EQ(applyFontDescription("\xFF, 12", guiDefault(), 96).face, u"\uFFFD");
}

}  // namespace
}  // namespace quorvela
