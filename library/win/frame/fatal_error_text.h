#pragma once
// The texts of the fatal runtime error box, in GBK (the A API's code page here).
#include <optional>
#include <string>
#include <string_view>

namespace pixfarrow::win {

inline constexpr int kStackMismatchCode = 6;

// "无法找到指定DLL库文件“library”中的输出命令“function”", or without a library name
// "无法找到指定DLL库文件中的输出命令“function”". Names are ASCII and pass unchanged.
std::string MissingFunctionMessage(std::string_view library, std::string_view function);

// "调用DLL命令后发现堆栈错误"
std::string StackMismatchMessage();

// "运行时出错!", then "\r\n错误代码：" and the code when there is one, then
// "\r\n错误信息：" and the message.
std::string FatalErrorText(std::optional<int> code, std::string_view message);

// Caption of the box.
std::string FatalErrorCaption();

}  // namespace pixfarrow::win
