#include "library/win/frame/fatal_error_text.h"

namespace pixfarrow::win {

namespace {

// GBK bytes; the text each stands for is in its comment.
constexpr std::string_view kHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";              // 运行时出错!
constexpr std::string_view kCodeLabel = "\r\n\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";         // \r\n错误代码：
constexpr std::string_view kMessageLabel = "\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";      // \r\n错误信息：
constexpr std::string_view kCannotFind = "\xCE\xDE\xB7\xA8\xD5\xD2\xB5\xBD\xD6\xB8\xB6\xA8"    // 无法找到指定
                                         "DLL"
                                         "\xBF\xE2\xCE\xC4\xBC\xFE";                            // 库文件
constexpr std::string_view kInExportCommand = "\xD6\xD0\xB5\xC4\xCA\xE4\xB3\xF6\xC3\xFC\xC1\xEE";  // 中的输出命令
constexpr std::string_view kOpenQuote = "\xA1\xB0";                                            // “
constexpr std::string_view kCloseQuote = "\xA1\xB1";                                           // ”
constexpr std::string_view kStackMismatch = "\xB5\xF7\xD3\xC3"                                 // 调用
                                            "DLL"
                                            "\xC3\xFC\xC1\xEE\xBA\xF3\xB7\xA2\xCF\xD6\xB6\xD1\xD5\xBB"  // 命令后发现堆栈
                                            "\xB4\xED\xCE\xF3";                                // 错误
constexpr std::string_view kCaption = "\xB4\xED\xCE\xF3";                                      // 错误

std::string Quoted(std::string_view name) {
  std::string s(kOpenQuote);
  s += name;
  s += kCloseQuote;
  return s;
}

}  // namespace

std::string MissingFunctionMessage(std::string_view library, std::string_view function) {
  std::string s(kCannotFind);
  if (!library.empty()) s += Quoted(library);
  s += kInExportCommand;
  s += Quoted(function);
  return s;
}

std::string StackMismatchMessage() { return std::string(kStackMismatch); }

std::string FatalErrorText(std::optional<int> code, std::string_view message) {
  std::string s(kHeading);
  if (code) {
    s += kCodeLabel;
    s += std::to_string(*code);
  }
  s += kMessageLabel;
  s += message;
  return s;
}

std::string FatalErrorCaption() { return std::string(kCaption); }

}  // namespace pixfarrow::win
