#include "app/core/chart/echarts_option.h"

namespace quorvela {

struct EChartsOption::State {
  EChartsObject components;
  EChartsObject defaults;
  std::vector<EChartsSeries> series;
};

EChartsOption::EChartsOption() : state_(std::make_shared<State>()) {}

EChartsObject EChartsOption::component(std::string_view name) { return state_->components.child(name); }

EChartsObject EChartsOption::seriesDefaults() const { return state_->defaults; }

void EChartsOption::addSeries(const EChartsSeries& series) { state_->series.push_back(series); }

const std::vector<EChartsSeries>& EChartsOption::series() const { return state_->series; }

std::string EChartsOption::toJson() const {
  std::string out;
  state_->components.writeJson(out);
  out.pop_back();  // reopen the object for "series"
  if (out.size() > 1) out += ',';
  out += "\"series\":[";
  bool first = true;
  for (const auto& one : state_->series) {
    if (!first) out += ',';
    first = false;
    one.writeJson(out, &state_->defaults);
  }
  out += "]}";
  return out;
}

}  // namespace quorvela
