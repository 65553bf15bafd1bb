#include "app/core/chart/chart_page_scripts.h"

namespace quorvela {

std::string ChartPageHtml() {
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
         "html,body{margin:0;padding:0;width:100%;height:100%;overflow:hidden}"
         "#container{width:100%;height:100%}"
         "</style></head><body><div id=\"container\"></div></body></html>";
}

std::string ChartPageGlobalsScript() {
  return "var dom=document.getElementById('container');var myChart;var option={series:[]};";
}

std::string OptionAssignmentScript(std::string_view optionJson) {
  std::string script = "window.option=";
  script += optionJson;
  return script;
}

std::string ApplyOptionScript(std::string_view theme) {
  std::string script = "setTimeout(()=>{if(myChart != undefined)myChart.dispose(); myChart = echarts.init (dom,'";
  // The theme name sits in a single-quoted literal.
  for (const char c : theme) {
    if (c == '\'' || c == '\\') script += '\\';
    if (c == '\n' || c == '\r') continue;
    script += c;
  }
  script += "'); myChart.setOption(option);},0)";
  return script;
}

std::string_view OptionUpdateScript() {
  return "setTimeout(()=>{if(myChart != undefined)myChart.setOption(option);},0)";
}

}  // namespace quorvela
