#include "app/core/gauge/gauge_option.h"

#include <gtest/gtest.h>

#include <climits>

namespace quorvela {
namespace {

constexpr const char* kHiddenComponents =
    R"({"title":{"show":false},"legend":{"show":false},"tooltip":{"show":false},"toolbox":{"show":false},)";

std::string gaugeJson(const char* value, const char* max = "50", const char* detail = "") {
  return std::string(kHiddenComponents) + R"("series":[{"min":0,"max":)" + max +
         R"(,"type":"gauge","data":[{"name":"次/秒","value":)" + value + "}]" + detail +
         R"(,"progress":{"show":true},"pointer":{"show":true}}]})";
}

TEST(GaugeOption, SetUpChartBeforeAnySeries) {
  EChartsOption option;
  SetUpGaugeChartOption(option);
  EXPECT_EQ(option.toJson(), std::string(kHiddenComponents) + R"("series":[]})");
}

TEST(GaugeOption, GaugeSeriesReceivesTheChartDefaults) {
  EChartsOption option;
  SetUpGaugeChartOption(option);
  GaugeSeries gauge;
  AddGaugeSeries(option, gauge);
  EXPECT_EQ(option.toJson(), gaugeJson("0"));
}

TEST(GaugeScale, EndHoldsTheReading) {
  struct Case {
    std::int64_t reading;
    std::int64_t end;
  };
  const Case cases[] = {{-1, 50},   {0, 50},     {37, 50},     {50, 50},         {51, 100},
                        {100, 100}, {101, 200},  {160, 200},   {201, 500},       {501, 1000},
                        {999, 1000}, {2001, 5000}, {225029, 500000}, {INT_MAX, 5000000000}};
  for (const auto& c : cases) EXPECT_EQ(GaugeScaleEndFor(c.reading), c.end) << c.reading;
}

// Within a run the scale only grows, so the needle's moves compare; the 0 that the end of
// a run shows brings the usual scale back for the next run.
TEST(GaugeScale, StepsUpWithinARunAndBackWhenTheGaugeShowsZero) {
  struct Step {
    std::int64_t reading;
    std::int64_t end;
  };
  const Step steps[] = {{37, 50},  {160, 200}, {120, 200}, {45, 200}, {450, 500},
                        {0, 50},   {37, 50},   {160, 200}};
  GaugeScale scale;
  EXPECT_EQ(scale.end(), 50);
  for (const auto& s : steps) EXPECT_EQ(scale.show(s.reading), s.end) << s.reading;
}

TEST(GaugeOption, CountSetOnTheGaugeShowsInTheNextJsonOnAScaleThatHoldsIt) {
  struct Case {
    std::int32_t count;
    std::string json;
  };
  const Case cases[] = {
      {37, gaugeJson("37")},
      {0, gaugeJson("0")},
      {73, gaugeJson("73", "100")},
      {160, gaugeJson("160", "200")},
      {-5, gaugeJson("-5", "200")},
      {9999, gaugeJson("9999", "10000")},
      // Longer numbers get a font that fits the number's box; it stays set from then on.
      {225029, gaugeJson("225029", "500000", R"(,"detail":{"fontSize":23})")},
      {INT_MAX, gaugeJson("2147483647", "5000000000", R"(,"detail":{"fontSize":14})")},
      {37, gaugeJson("37", "5000000000", R"(,"detail":{"fontSize":30})")},
      {0, gaugeJson("0", "50", R"(,"detail":{"fontSize":30})")},
  };
  EChartsOption option;
  SetUpGaugeChartOption(option);
  GaugeSeries gauge;
  AddGaugeSeries(option, gauge);
  for (const auto& c : cases) {
    SetGaugeCount(gauge, c.count);
    EXPECT_EQ(option.toJson(), c.json) << c.count;
  }
}

TEST(GaugeOption, NumberFontFitsItsBox) {
  for (int characters = 1; characters <= 11; ++characters) {
    const int size = GaugeNumberFontSize(characters);
    EXPECT_LE(size, kGaugeNumberFontSize);
    EXPECT_LE(characters * size * 7, kGaugeNumberBoxWidth * 10) << characters;
    if (characters <= 4) EXPECT_EQ(size, kGaugeNumberFontSize);
  }
}

TEST(GaugeOption, ReadyAgainResetsTheCountAndTheScale) {
  EChartsOption option;
  GaugeSeries gauge;
  AddGaugeSeries(option, gauge);
  SetGaugeCount(gauge, 160);
  EChartsOption reloaded;
  AddGaugeSeries(reloaded, gauge);
  EXPECT_EQ(gauge.scale.end(), 50);
  EXPECT_NE(reloaded.toJson().find(R"("max":50,"type":"gauge","data":[{"name":"次/秒","value":0}])"),
            std::string::npos);
}

}  // namespace
}  // namespace quorvela
