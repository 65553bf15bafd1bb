// The bitmap class gives back every GDI object it makes, over many loads and conversions.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "bmp_builder.h"
#include "library/win/bitmap/bitmap_class.h"
#include "tests/win/bitmap/gdi_object_count.h"

namespace pixfarrow::win {
namespace {

std::string WriteTempBmp(const ByteSet& bytes) {
  char folder[MAX_PATH], name[MAX_PATH];
  if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "qvl", 0, name)) return {};
  HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return name;
}

// One round of what a caller does with the class; every object ends within the round.
void Cycle(const ByteSet& bmp, const std::string& path, int i) {
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.载入位图(bmp), 1);
  ASSERT_EQ(bitmap.ConvertDepth(8), 1);
  auto copy = bitmap.Copy();
  ASSERT_EQ(copy->ConvertDepth(24), 1);
  ASSERT_EQ(bitmap.LoadFromFile(path), 1);
  ASSERT_EQ(bitmap.LoadFromBitmapHandle(nullptr), 0);
  ASSERT_EQ(bitmap.CreateBlank(8, 8, 4), 1);
  ASSERT_EQ(bitmap.载入位图(ByteSet(100, 7)), 0);
  copy->Release();
  if (i % 2 == 0) bitmap.Release();  // the other half ends through the destructor
}

TEST(BitmapLeak, ThousandCyclesLeaveNoGdiObject) {
  const ByteSet bmp = test::Bmp24(40, 30, [](int x, int y) { return static_cast<std::uint32_t>(x * 0x010203 + y * 0x030201); });
  const std::string path = WriteTempBmp(bmp);
  ASSERT_FALSE(path.empty());
  // The first rounds may leave lasting objects of the system's own (stock objects, caches).
  for (int i = 0; i < 10; ++i) Cycle(bmp, path, i);
  const auto before = qv::test::LiveGdiObjects();
  if (!before) DeleteFileA(path.c_str());
  ASSERT_TRUE(before) << "no GDI object counter: neither GetGuiResources nor Wine's handle table answers";
  for (int i = 0; i < 1000 && !HasFatalFailure(); ++i) Cycle(bmp, path, i);
  const auto after = qv::test::LiveGdiObjects();
  DeleteFileA(path.c_str());
  ASSERT_TRUE(after);
  EXPECT_EQ(*after, *before);
}

}  // namespace
}  // namespace pixfarrow::win
