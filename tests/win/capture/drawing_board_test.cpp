// A drawing board's picture read back from its persistent bitmap, while the board goes on
// drawing into that bitmap.
#include "library/win/capture/runtime/drawing_board.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/capture_result_text.h"
#include "tests/win/capture/captured_image.h"

namespace {

using pixfarrow::capture::BoardStyle;
using pixfarrow::capture::DrawingBoard;

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

// A hidden window to hold the board; a hidden board keeps its picture all the same.
class Holder {
 public:
  Holder() {
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~Holder() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

qv::test::CapturedImage Read(const qv::BmpFileBytes& file) {
  return qv::test::CapturedImageAt(
      {static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(file.data())), static_cast<std::int32_t>(file.size())});
}

TEST(DrawingBoard, ImageBytesShowWhatWasDrawnAndTheBoardDrawsOnAfterEachRead) {
  Holder holder;
  ASSERT_NE(holder.get(), nullptr);
  auto board = DrawingBoard::Create(holder.get(), L"board", RECT{0, 0, 8, 6},
                                    BoardStyle{.background = RGB(255, 0, 0), .visible = false});
  ASSERT_NE(board, nullptr);

  const qv::BmpFileBytes first = board->ImageBytes();
  const auto a = Read(first);
  ASSERT_EQ(a.width, 8);
  ASSERT_EQ(a.height, 6);
  EXPECT_EQ(a.At(0, 0), kRed);
  EXPECT_EQ(a.At(7, 5), kRed);

  // Drawn after a read: the bitmap is back in the board's DC.
  board->SetBackgroundColour(RGB(0, 0, 255));
  board->Clear();
  const qv::BmpFileBytes second = board->ImageBytes();
  const auto b = Read(second);
  EXPECT_EQ(b.At(0, 0), kBlue);
  EXPECT_EQ(b.At(7, 5), kBlue);

  board->SetBackgroundColour(RGB(0, 255, 0));
  board->Clear();
  EXPECT_EQ(Read(board->ImageBytes()).At(3, 3), kGreen);
}

TEST(DrawingBoard, ABoardWithoutAreaGivesNoBytes) {
  Holder holder;
  auto board = DrawingBoard::Create(holder.get(), L"board", RECT{0, 0, 8, 6}, BoardStyle{});
  ASSERT_NE(board, nullptr);
  board->Place(0, 0, 0, 5);
  EXPECT_TRUE(board->ImageBytes().empty());
  board->Place(0, 0, 3, 2);
  EXPECT_EQ(Read(board->ImageBytes()).width, 3);
}

}  // namespace
