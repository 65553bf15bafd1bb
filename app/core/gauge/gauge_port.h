#pragma once
// What the gauge's tick asks of the rest of the program, on the GUI thread: the speed gauge
// handler implements it over its chart and timer and the run button it is linked to.
#include <cstdint>
#include <string_view>

namespace quorvela {

class GaugePort {
 public:
  virtual ~GaugePort() = default;
  virtual void setGaugeValue(std::int32_t value) = 0;
  // 0 stops the gauge timer.
  virtual void setGaugeInterval(int milliseconds) = 0;
  virtual void appendRunLog(int type, std::string_view text) = 0;
  virtual void setRunButtonText(std::string_view text) = 0;
  virtual void setRunButtonImage(int image) = 0;
};

}  // namespace quorvela
