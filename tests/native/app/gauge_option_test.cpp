#include "app/core/gauge_option.h"

#include <gtest/gtest.h>

#include <climits>

namespace quorvela {
namespace {

constexpr const char* kHiddenComponents =
    R"({"title":{"show":false},"legend":{"show":false},"tooltip":{"show":false},"toolbox":{"show":false},)";

std::string gaugeJson(const char* value) {
  return std::string(kHiddenComponents) +
         R"("series":[{"min":0,"max":50,"type":"gauge","data":[{"name":"次/秒","value":)" + value +
         R"(}],"progress":{"show":true},"pointer":{"show":true}}]})";
}

TEST(GaugeOption, SetUpChartBeforeAnySeries) {
  EChartsOption option;
  SetUpGaugeChartOption(option);
  EXPECT_EQ(option.toJson(), std::string(kHiddenComponents) + R"("series":[]})");
}

TEST(GaugeOption, GaugeSeriesReceivesTheChartDefaults) {
  EChartsOption option;
  SetUpGaugeChartOption(option);
  EChartsDataItem item;
  AddGaugeSeries(option, item);
  EXPECT_EQ(option.toJson(), gaugeJson("0"));
}

TEST(GaugeOption, CountSetOnTheHandlersItemShowsInTheNextJson) {
  struct Case {
    std::int32_t count;
    const char* text;
  };
  const Case cases[] = {{37, "37"}, {0, "0"}, {73, "73"}, {-5, "-5"}, {INT_MAX, "2147483647"}};
  EChartsOption option;
  SetUpGaugeChartOption(option);
  EChartsDataItem item;
  AddGaugeSeries(option, item);
  for (const auto& c : cases) {
    SetGaugeCount(item, c.count);
    EXPECT_EQ(option.toJson(), gaugeJson(c.text)) << c.count;
  }
}

TEST(GaugeOption, ReadyAgainResetsTheCount) {
  EChartsOption option;
  EChartsDataItem item;
  AddGaugeSeries(option, item);
  SetGaugeCount(item, 12);
  EChartsOption reloaded;
  AddGaugeSeries(reloaded, item);
  EXPECT_NE(reloaded.toJson().find(R"("value":0})"), std::string::npos);
}

}  // namespace
}  // namespace quorvela
