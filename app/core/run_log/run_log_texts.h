#pragma once
// Every line the program writes to its run log (UTF-8), with the type it is written with.
namespace quorvela::run_log_text {

// Information (type 2)
inline constexpr const char* kWeChatFoundAtStart = "[提示]已找到微信窗口，请保持非最小化状态";
inline constexpr const char* kRunStarted = "[提示]软件已运行";
inline constexpr const char* kRunStopped = "[提示]软件已停止运行";
inline constexpr const char* kTestFindFound = "[提示]找图结果：已找到";
inline constexpr const char* kTestSendPressed = "[提示]已按下发送键";
// Followed by the whole seconds in decimal and kCountdownArmedTail.
inline constexpr const char* kCountdownArmedHead = "[提示]定时器已启动，软件将于";
inline constexpr const char* kCountdownArmedTail = "秒后运行";
inline constexpr const char* kCountdownStopped = "[提示]定时器已停止";

// Warning (type 1)
inline constexpr const char* kWeChatMissingAtStart = "[警告]没有找到微信窗口，请您打开微信";
inline constexpr const char* kTimeBelowZero = "[警告]时间值，最小仅可输入\"0\"";
inline constexpr const char* kHourAbove23 = "[警告]小时值，最大仅可输入\"23\"";
inline constexpr const char* kMinuteAbove59 = "[警告]分钟值，最大仅可输入\"59\"";
inline constexpr const char* kSecondAbove59 = "[警告]秒值，最大仅可输入\"59\"";

// Error (type 0)
inline constexpr const char* kWeChatMissing = "[错误]没有找到微信窗口，请您打开微信";
inline constexpr const char* kNoTargetImage = "[错误]您还没有截取目标图，请点击旁边截图按钮";
inline constexpr const char* kTestFindMissed = "[错误]找图结果：未找到";
inline constexpr const char* kTimeNotLater = "[错误]设置的时间不可 小于或等于 今日现在的时间";

}  // namespace quorvela::run_log_text
