#include "app/core/library_binding/binding_failure_text.h"

namespace quorvela {

std::string libraryLoadFailedText(std::string_view libraryPath) {
  return "载入运行时所需要的外部动态链接库文件\"" + std::string(libraryPath) + "\"失败!";
}

std::string exportMissingText(std::string_view libraryPath, std::string_view exportName) {
  return "在外部动态链接库\"" + std::string(libraryPath) + "\"中未找到所需要的输出函数\"" + std::string(exportName) +
         "\"!";
}

}  // namespace quorvela
