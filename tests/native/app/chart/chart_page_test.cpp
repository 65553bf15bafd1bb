#include "app/core/chart/chart_page_scripts.h"
#include "app/core/chart/gauge_reading.h"
#include "app/core/gauge/gauge_option.h"

#include <gtest/gtest.h>

namespace quorvela {
namespace {

TEST(ChartPageScripts, ExactTexts) {
  EXPECT_EQ(OptionAssignmentScript(R"({"series":[]})"), R"(window.option={"series":[]})");
  EXPECT_EQ(ApplyOptionScript("infographic"),
            "setTimeout(()=>{if(myChart != undefined)myChart.dispose(); myChart = echarts.init "
            "(dom,'infographic'); myChart.setOption(option);},0)");
  EXPECT_EQ(OptionUpdateScript(), "setTimeout(()=>{if(myChart != undefined)myChart.setOption(option);},0)");
}

TEST(ChartPageScripts, ThemeNameCannotLeaveItsLiteral) {
  EXPECT_NE(ApplyOptionScript("x');alert(1);('").find("(dom,'x\\');alert(1);(\\''); myChart"), std::string::npos);
}

TEST(ChartPageScripts, PageDefinesWhatTheScriptsUse) {
  EXPECT_NE(ChartPageHtml().find("id=\"container\""), std::string::npos);
  const std::string globals = ChartPageGlobalsScript();
  for (const char* name : {"var dom=document.getElementById('container')", "var myChart;", "var option={series:[]}"}) {
    EXPECT_NE(globals.find(name), std::string::npos) << name;
  }
}

EChartsOption gaugeOption(GaugeSeries& gauge, std::int32_t count) {
  EChartsOption option;
  SetUpGaugeChartOption(option);
  AddGaugeSeries(option, gauge);
  SetGaugeCount(gauge, count);
  return option;
}

// Above 50 the scale steps up, so the pointer shows the count instead of resting at the end.
TEST(GaugeReading, PointerShowsTheCountOnAScaleThatHoldsIt) {
  struct Case {
    std::int32_t count;
    double max;
    double fraction;
    double degrees;
  };
  const Case cases[] = {{0, 50, 0, 225},      {25, 50, 0.5, 90},     {37, 50, 0.74, 25.2}, {50, 50, 1, -45},
                        {73, 100, 0.73, 27.9}, {160, 200, 0.8, 9},   {-3, 50, 0, 225}};
  for (const auto& c : cases) {
    GaugeSeries gauge;
    const GaugeReading reading = ReadGauge(gaugeOption(gauge, c.count));
    ASSERT_TRUE(reading.present);
    EXPECT_EQ(reading.min, 0);
    EXPECT_EQ(reading.max, c.max) << c.count;
    EXPECT_EQ(reading.value, c.count);
    EXPECT_EQ(reading.valueText, std::to_string(c.count));
    EXPECT_EQ(reading.name, "次/秒");
    EXPECT_DOUBLE_EQ(GaugeFraction(reading), c.fraction) << c.count;
    EXPECT_NEAR(DialAngleDegrees(GaugeFraction(reading)), c.degrees, 1e-9) << c.count;
  }
}

TEST(GaugeReading, OptionsWithoutAUsableGauge) {
  EXPECT_FALSE(ReadGauge(EChartsOption{}).present);

  EChartsOption option;
  EChartsSeries bars;
  bars.setString("type", "bar");
  option.addSeries(bars);
  EChartsSeries gauge;
  gauge.setString("type", "gauge");
  gauge.setRaw("min", "10");
  gauge.setRaw("max", "10");      // empty scale
  gauge.setRaw("extra", "junk");
  EChartsDataItem item;
  item.setRaw("value", "12abc");  // not a number: stays 0
  gauge.appendData(item);
  option.addSeries(gauge);
  const GaugeReading reading = ReadGauge(option);
  ASSERT_TRUE(reading.present);
  EXPECT_EQ(reading.min, 10);
  EXPECT_EQ(reading.value, 0);
  EXPECT_EQ(reading.valueText, "0");
  EXPECT_EQ(GaugeFraction(reading), 0);
}

}  // namespace
}  // namespace quorvela
