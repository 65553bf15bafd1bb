#pragma once
// What the run road shows: its run-log lines (from the log's catalogue), run-button captions
// and face images.
#include <string_view>

#include "app/core/run_log/run_log_line.h"
#include "app/core/run_log/run_log_texts.h"

namespace quorvela {

inline constexpr int kLogError = static_cast<int>(RunLogType::kError);
inline constexpr int kLogWarning = static_cast<int>(RunLogType::kWarning);
inline constexpr int kLogInformation = static_cast<int>(RunLogType::kInformation);

inline constexpr std::string_view kWeChatWindowMissing = run_log_text::kWeChatMissing;
inline constexpr std::string_view kTargetImageMissing = run_log_text::kNoTargetImage;
inline constexpr std::string_view kRunStarted = run_log_text::kRunStarted;
inline constexpr std::string_view kRunStopped = run_log_text::kRunStopped;

inline constexpr std::string_view kRunNowIdleCaption = "立刻运行 当前:未运行";
inline constexpr std::string_view kRunNowRunningCaption = "立刻运行 当前:已运行";
inline constexpr int kRunNowIdleImage = 507;
inline constexpr int kRunNowRunningImage = 508;

inline constexpr int kGaugeIntervalMs = 1000;

}  // namespace quorvela
