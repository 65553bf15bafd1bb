#pragma once
// A chart's whole option: its components ("title", "tooltip", ...), the series defaults that
// every series receives unless it sets the key itself, and the series list. Copies share it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/chart/echarts_object.h"

namespace quorvela {

class EChartsOption {
 public:
  EChartsOption();

  // The component object under name, created when missing.
  EChartsObject component(std::string_view name);
  // Defaults for every series ("the chart's series collection").
  EChartsObject seriesDefaults() const;
  // Appends a copy of series that shares its keys.
  void addSeries(const EChartsSeries& series);
  const std::vector<EChartsSeries>& series() const;

  // One JSON object: the components in order, then "series" as an array.
  std::string toJson() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace quorvela
