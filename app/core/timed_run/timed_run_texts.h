#pragma once
// What the timed run shows: run-log lines, button captions and images.
#include <string_view>

namespace quorvela::timed_run_texts {

inline constexpr int kError = 0;
inline constexpr int kWarning = 1;
inline constexpr int kInformation = 2;

inline constexpr std::string_view kBelowZero = "[警告]时间值，最小仅可输入\"0\"";
inline constexpr std::string_view kHourAbove = "[警告]小时值，最大仅可输入\"23\"";
inline constexpr std::string_view kMinuteAbove = "[警告]分钟值，最大仅可输入\"59\"";
inline constexpr std::string_view kSecondAbove = "[警告]秒值，最大仅可输入\"59\"";
inline constexpr std::string_view kNotLaterThanNow = "[错误]设置的时间不可 小于或等于 今日现在的时间";
inline constexpr std::string_view kStartedBefore = "[提示]定时器已启动，软件将于";
inline constexpr std::string_view kStartedAfter = "秒后运行";
inline constexpr std::string_view kStopped = "[提示]定时器已停止";

inline constexpr std::string_view kIdleCaption = "定时运行 当前:未运行";
inline constexpr std::string_view kArmedCaption = "定时运行 当前:已运行";
inline constexpr int kIdleImage = 509;
inline constexpr int kArmedImage = 510;

inline constexpr int kTickMilliseconds = 1000;

}  // namespace quorvela::timed_run_texts
