// The chart box with a web-view engine: our recording stand-in as "node.dll" beside the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/win/platform/wide_text.h"
#include "tests/win/chart/chart_test_support.h"

namespace qv::test {
namespace {

using quorvela::win::EChartsBox;
using quorvela::win::narrow;
using quorvela::win::widen;

struct Call {
  std::string name;
  std::wstring text;
};

class EngineRecord {
 public:
  EngineRecord() {
    HMODULE engine = GetModuleHandleW(L"node.dll");
    count_ = reinterpret_cast<int(__cdecl*)()>(reinterpret_cast<void*>(GetProcAddress(engine, "qvWkeCallCount")));
    name_ = reinterpret_cast<const char*(__cdecl*)(int)>(
        reinterpret_cast<void*>(GetProcAddress(engine, "qvWkeCallName")));
    text_ = reinterpret_cast<const wchar_t*(__cdecl*)(int)>(
        reinterpret_cast<void*>(GetProcAddress(engine, "qvWkeCallText")));
  }
  bool bound() const { return count_ && name_ && text_; }
  int size() const { return count_(); }
  std::vector<Call> calls(int from = 0) const {
    std::vector<Call> out;
    for (int i = from; i < size(); ++i) out.push_back({name_(i), text_(i)});
    return out;
  }

 private:
  int(__cdecl* count_)() = nullptr;
  const char*(__cdecl* name_)(int) = nullptr;
  const wchar_t*(__cdecl* text_)(int) = nullptr;
};

std::wstring resourceText(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceExW(module, RT_RCDATA, name, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  if (!resource) return {};
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
  return widen({bytes, SizeofResource(module, resource)});
}

// The page: one full-size "container" element.
const std::wstring kPage =
    L"<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
    L"html,body{margin:0;padding:0;width:100%;height:100%;overflow:hidden}#container{width:100%;height:100%}"
    L"</style></head><body><div id=\"container\"></div></body></html>";

std::wstring gaugeOptionScript(const char* value, const char* max = "50") {
  return widen(std::string(R"(window.option={"title":{"show":false},"legend":{"show":false},)") +
               R"("tooltip":{"show":false},"toolbox":{"show":false},"series":[{"min":0,"max":)" + max +
               R"(,"type":"gauge","data":[{"name":"次/秒","value":)" + value +
               R"(}],"progress":{"show":true},"pointer":{"show":true}}]})");
}

// The page scripts in the order they ran, for the browser check (one file per script).
void keepForTheBrowserCheck(const std::vector<Call>& calls) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.resize(folder.find_last_of(L'\\') + 1);
  int index = 0;
  std::ofstream list(std::filesystem::path(folder + L"page_scripts.txt"), std::ios::binary);
  for (const auto& call : calls) {
    if (call.name != "wkeRunJSW" && call.name != "wkeLoadHTMLW") continue;
    const std::wstring name = call.name == "wkeLoadHTMLW" ? L"page.html" : L"script" + std::to_wstring(++index) + L".js";
    std::ofstream(std::filesystem::path(folder + name), std::ios::binary) << narrow(call.text);
    list << narrow(name) << "\n";
  }
}

TEST(ChartBoxWithWebView, PageProtocolFromCreationToTheGaugeFeed) {
  GaugeOnPage gauge;
  ASSERT_TRUE(gauge.created);
  EChartsBox& page = gauge.page;
  quorvela::win::SpeedGaugeHandler& handler = gauge.handler;
  const EngineRecord record;
  ASSERT_TRUE(record.bound()) << "node.dll is not the recording stand-in";
  EXPECT_TRUE(page.hasWebView());

  const std::wstring applyScript =
      L"setTimeout(()=>{if(myChart != undefined)myChart.dispose(); myChart = echarts.init (dom,'infographic'); "
      L"myChart.setOption(option);},0)";
  ASSERT_TRUE(pumpUntil([&] { return !record.calls().empty() && record.calls().back().text == applyScript; }));

  const std::wstring chartScript = resourceText(MAKEINTRESOURCEW(516));
  const std::wstring themeScript = resourceText(L"ECHARTS_THEME_INFOGRAPHIC");
  ASSERT_GT(chartScript.size(), 900000u);
  ASSERT_NE(themeScript.find(L"registerTheme('infographic'"), std::wstring::npos);
  const std::vector<Call> expected = {
      {"wkeInitialize", L""},
      {"wkeCreateWebWindow", L"2 0 0 309 256"},
      {"wkeOnDocumentReady", L""},
      {"wkeShowWindow", L"1"},
      {"wkeLoadHTMLW", kPage},
      {"wkeSetZoomFactor", L"0.90"},
      {"wkeRunJSW", chartScript},
      {"wkeRunJSW", L"var dom=document.getElementById('container');var myChart;var option={series:[]};"},
      {"wkeRunJSW", gaugeOptionScript("0")},
      {"wkeRunJSW", themeScript},
      {"wkeRunJSW", applyScript},
  };
  std::vector<Call> calls = record.calls();
  ASSERT_EQ(calls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(calls[i].name, expected[i].name) << i;
    EXPECT_TRUE(calls[i].text == expected[i].text) << i << ": " << narrow(calls[i].text.substr(0, 200));
  }

  // Each second: the whole option, on a scale that holds the count, then the update of the
  // existing chart.
  const std::wstring update = L"setTimeout(()=>{if(myChart != undefined)myChart.setOption(option);},0)";
  struct Second {
    int count;
    const char* text;
    const char* max;
  };
  for (const Second& second : {Second{37, "37", "50"}, Second{73, "73", "100"}, Second{0, "0", "50"}}) {
    const int before = record.size();
    SetGaugeValue(handler.gauge, second.count);
    calls = record.calls(before);
    ASSERT_EQ(calls.size(), 2u) << second.count;
    EXPECT_TRUE(calls[0].text == gaugeOptionScript(second.text, second.max)) << narrow(calls[0].text);
    EXPECT_TRUE(calls[1].text == update);
  }

  // A ready event from another box builds nothing.
  EChartsBox other;
  const int before = record.size();
  EXPECT_EQ(quorvela::win::BuildGaugeOption(handler.gauge, &other, 0, &other.option), 0);
  EXPECT_EQ(record.size(), before);
  EXPECT_TRUE(other.option.series().empty());
  EXPECT_EQ(page.option.series().size(), 1u);

  SetGaugeValue(handler.gauge, 160);  // drawn in the browser on the scale to 200
  keepForTheBrowserCheck(record.calls());
  DestroyWindow(gauge.host);
  EXPECT_EQ(record.calls().back().name, "wkeDestroyWebWindow");
}

}  // namespace
}  // namespace qv::test
