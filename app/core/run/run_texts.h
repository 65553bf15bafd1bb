#pragma once
// What the run road shows: run-log lines, run-button captions and face images.
#include <string_view>

#include "app/core/run_log/run_log_line.h"

namespace quorvela {

inline constexpr int kLogError = static_cast<int>(RunLogType::kError);
inline constexpr int kLogWarning = static_cast<int>(RunLogType::kWarning);
inline constexpr int kLogInformation = static_cast<int>(RunLogType::kInformation);

inline constexpr std::string_view kWeChatWindowMissing = "[错误]没有找到微信窗口，请您打开微信";
inline constexpr std::string_view kTargetImageMissing = "[错误]您还没有截取目标图，请点击旁边截图按钮";
inline constexpr std::string_view kRunStarted = "[提示]软件已运行";
inline constexpr std::string_view kRunStopped = "[提示]软件已停止运行";

inline constexpr std::string_view kRunNowIdleCaption = "立刻运行 当前:未运行";
inline constexpr std::string_view kRunNowRunningCaption = "立刻运行 当前:已运行";
inline constexpr int kRunNowIdleImage = 507;
inline constexpr int kRunNowRunningImage = 508;

inline constexpr int kGaugeIntervalMs = 1000;

}  // namespace quorvela
