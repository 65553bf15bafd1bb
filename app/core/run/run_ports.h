#pragma once
// What the run road asks of the rest of the program: RunNowPort on the GUI thread, which
// the run-now handler implements over its button; WorkerCalls on the worker thread, which
// the worker implements with captures and library calls of its own.
#include <chrono>
#include <cstdint>
#include <string_view>
#include <thread>

#include "app/core/object/byte_buffer.h"

namespace quorvela {

class WorkerCalls {
 public:
  virtual ~WorkerCalls() = default;
  // The window as BMP file bytes (the whole screen for 0); empty when it cannot be had.
  // `storage` is an earlier capture that nobody reads any more, to be written over.
  virtual ByteBuffer capture(std::uint32_t window, ByteBuffer storage) = 0;
  // Non-zero when target occurs in shot.
  virtual std::int32_t findImage(const ByteBuffer& shot, const ByteBuffer& target) = 0;
  // The send burst; returns when it is over.
  virtual void pressSendKey(std::uint32_t window) = 0;
  // The clock that times rounds, and a wait of about `length` after a failed capture.
  virtual std::chrono::steady_clock::time_point now() { return std::chrono::steady_clock::now(); }
  virtual void pause(std::chrono::microseconds length) { std::this_thread::sleep_for(length); }
};

class RunNowPort {
 public:
  virtual ~RunNowPort() = default;
  // A new search for WeChat's window; 0 when there is none.
  virtual std::uint32_t searchWeChatWindow() = 0;
  // Starts a worker thread; false when it cannot be created.
  virtual bool startWorker() = 0;
  virtual void appendRunLog(int type, std::string_view text) = 0;
  virtual void setRunButtonImage(int image) = 0;
  virtual void setRunButtonText(std::string_view text) = 0;
  // Starts the gauge timer with this period.
  virtual void setGaugeInterval(int milliseconds) = 0;
};

}  // namespace quorvela
