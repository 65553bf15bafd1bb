#pragma once
// The page as the run road and the gauge tick see it: records what they ask of it, in
// order, as short texts.
#include <cstdint>
#include <string>
#include <vector>

#include "app/core/gauge/gauge_port.h"
#include "app/core/run/run_ports.h"

namespace quorvela::test {

class FakeRunNowPort : public RunNowPort, public GaugePort {
 public:
  std::uint32_t windowFound = 0x1234;
  bool threadsStart = true;
  std::vector<std::string> calls;

  std::uint32_t searchWeChatWindow() override {
    calls.push_back("search");
    return windowFound;
  }
  bool startWorker() override {
    calls.push_back("startWorker");
    return threadsStart;
  }
  void appendRunLog(int type, std::string_view text) override {
    calls.push_back("log " + std::to_string(type) + " " + std::string(text));
  }
  void setRunButtonImage(int image) override { calls.push_back("image " + std::to_string(image)); }
  void setRunButtonText(std::string_view text) override { calls.push_back("text " + std::string(text)); }
  void setGaugeInterval(int milliseconds) override { calls.push_back("interval " + std::to_string(milliseconds)); }
  void setGaugeValue(std::int32_t value) override { calls.push_back("gauge " + std::to_string(value)); }
};

}  // namespace quorvela::test
