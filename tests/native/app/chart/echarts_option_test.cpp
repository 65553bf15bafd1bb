#include "app/core/chart/echarts_option.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvela {
namespace {

TEST(EChartsOption, CopiesShareOneOption) {
  EChartsOption page;
  EChartsOption handlerCopy = page;
  handlerCopy.component("title").setRaw("show", "false");
  EChartsSeries series;
  series.setString("type", "gauge");
  handlerCopy.addSeries(series);
  series.setRaw("max", "50");  // the option keeps the series' keys, not a snapshot
  EXPECT_EQ(page.toJson(), R"({"title":{"show":false},"series":[{"type":"gauge","max":50}]})");
}

TEST(EChartsOption, SeriesKeepsWhatItSetsOverTheDefaults) {
  EChartsOption option;
  option.seriesDefaults().child("pointer").setRaw("show", "true");
  option.seriesDefaults().setRaw("radius", "\"90%\"");
  EChartsSeries series;
  series.child("pointer").setRaw("show", "false");
  option.addSeries(series);
  EXPECT_EQ(option.toJson(), R"({"series":[{"pointer":{"show":false},"radius":"90%"}]})");
}

TEST(EChartsObject, KeyKeepsItsFirstPlaceWhenSetAgain) {
  EChartsObject object;
  object.setRaw("a", "1");
  object.setString("b", "x");
  object.setRaw("a", "2");
  object.child("b").setRaw("c", "true");  // a key of another kind becomes an object
  EXPECT_EQ(object.toJson(), R"({"a":2,"b":{"c":true}})");
}

TEST(EChartsObject, NumberText) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},       {1e-7, "0"},     {-1e-7, "0"},    {37, "37"},
      {0.5, "0.5"},   {-2.25, "-2.25"}, {1e20, "1E+20"}, {std::numeric_limits<double>::quiet_NaN(), "0"},
      {INFINITY, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(EChartsNumberText(c.value), c.text) << c.value;
}

TEST(EChartsObject, StringsAreEscapedForJson) {
  struct Case {
    const char* text;
    const char* json;
  };
  const Case cases[] = {
      {"次/秒", R"("次/秒")"},
      {R"(say "hi")", R"("say \"hi\"")"},
      {R"(C:\x)", R"("C:\\x")"},
      {"a\nb\tc\x01", R"("a\nb\tc\u0001")"},
      {"</script>", R"("</script>")"},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendJsonString(out, c.text);
    EXPECT_EQ(out, c.json);
  }
}

}  // namespace
}  // namespace quorvela
