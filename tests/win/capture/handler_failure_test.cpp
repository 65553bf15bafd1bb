// What a handler of a loaded window throws cannot unwind through the system's message
// dispatch: the modal load throws it on to its caller, and its window is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "library/win/capture/runtime/loaded_window.h"

namespace {

using pixfarrow::capture::ControlKind;
using pixfarrow::capture::ControlTemplate;
using pixfarrow::capture::LoadedWindow;
using pixfarrow::capture::WindowTemplate;

WindowTemplate OneBoard() {
  WindowTemplate t;
  t.name = L"HandlerFailureWindow";
  t.where = RECT{0, 0, 60, 40};
  t.exStyle = WS_EX_TOOLWINDOW;
  ControlTemplate board;
  board.name = L"board";
  board.kind = ControlKind::DrawingBoard;
  board.where = RECT{0, 0, 60, 40};
  t.controls.push_back(board);
  return t;
}

TEST(HandlerFailure, AModalLoadThrowsOnWhatAHandlerThrewAndItsWindowIsGone) {
  HWND window = nullptr;
  auto created = [&window](LoadedWindow& loaded) {
    window = loaded.window();
    auto* board = loaded.Board(L"board");
    board->onLeftUp = [] { throw std::runtime_error("from the handler"); };
    PostMessageW(board->window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  try {
    LoadedWindow::Load(OneBoard(), nullptr, true, {created, nullptr, nullptr});
    ADD_FAILURE() << "the load ended without the handler's exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "from the handler");
  }
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindow(window));

  // Kept once, thrown once: the next load runs as usual.
  auto closed = [](LoadedWindow& loaded) { PostMessageW(loaded.window(), WM_CLOSE, 0, 0); };
  EXPECT_NO_THROW(LoadedWindow::Load(OneBoard(), nullptr, true, {closed, nullptr, nullptr}));
}

}  // namespace
