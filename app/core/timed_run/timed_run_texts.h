#pragma once
// What the timed run shows: its run-log lines (from the log's catalogue), the button's
// captions and images.
#include <string_view>

#include "app/core/run_log/run_log_line.h"
#include "app/core/run_log/run_log_texts.h"

namespace quorvela::timed_run_texts {

inline constexpr int kError = static_cast<int>(RunLogType::kError);
inline constexpr int kWarning = static_cast<int>(RunLogType::kWarning);
inline constexpr int kInformation = static_cast<int>(RunLogType::kInformation);

inline constexpr std::string_view kBelowZero = run_log_text::kTimeBelowZero;
inline constexpr std::string_view kHourAbove = run_log_text::kHourAbove23;
inline constexpr std::string_view kMinuteAbove = run_log_text::kMinuteAbove59;
inline constexpr std::string_view kSecondAbove = run_log_text::kSecondAbove59;
inline constexpr std::string_view kNotLaterThanNow = run_log_text::kTimeNotLater;
inline constexpr std::string_view kStartedBefore = run_log_text::kCountdownArmedHead;
inline constexpr std::string_view kStartedAfter = run_log_text::kCountdownArmedTail;
inline constexpr std::string_view kStopped = run_log_text::kCountdownStopped;

inline constexpr std::string_view kIdleCaption = "定时运行 当前:未运行";
inline constexpr std::string_view kArmedCaption = "定时运行 当前:已运行";
inline constexpr int kIdleImage = 509;
inline constexpr int kArmedImage = 510;

inline constexpr int kTickMilliseconds = 1000;

}  // namespace quorvela::timed_run_texts
