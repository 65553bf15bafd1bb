#include "app/core/start/start_failure_text.h"

#include <gtest/gtest.h>

#include "app/core/library_binding/binding_failure_text.h"
#include "app/core/library_binding/external_function_rows.h"

namespace quorvela {
namespace {

TEST(StartFailureText, LibraryMissing) {
  const CVolException error(libraryLoadFailedText(kExternalFunctionRows[0].libraryPath));
  EXPECT_EQ(error.code(), -1);
  EXPECT_EQ(caughtExceptionText(error),
            "俘获到异常,代码值为: -1, 描述为: 载入运行时所需要的外部动态链接库文件\"模块\\Pixfarrow.dll\"失败!");
}

TEST(StartFailureText, ExportMissing) {
  EXPECT_EQ(caughtExceptionText(CVolException(-1, exportMissingText("模块\\Pixfarrow.dll", "ZT"))),
            "俘获到异常,代码值为: -1, 描述为: 在外部动态链接库\"模块\\Pixfarrow.dll\"中未找到所需要的输出函数\"ZT\"!");
}

TEST(StartFailureText, OtherCode) {
  EXPECT_EQ(caughtExceptionText(CVolException(12, "x")), "俘获到异常,代码值为: 12, 描述为: x");
}

TEST(StartFailureText, TableBindsFourFunctionsFromOneLibrary) {
  ASSERT_EQ(kExternalFunctionRows.size(), 4u);
  EXPECT_EQ(kExternalFunctionRows[0].exportName, "JPXX");
  EXPECT_EQ(kExternalFunctionRows[1].exportName, "JQMBT");
  EXPECT_EQ(kExternalFunctionRows[2].exportName, "QWXJB");
  EXPECT_EQ(kExternalFunctionRows[3].exportName, "ZT");
  for (std::size_t i = 1; i < kExternalFunctionRows.size(); ++i) EXPECT_TRUE(kExternalFunctionRows[i].libraryPath.empty());
}

}  // namespace
}  // namespace quorvela
