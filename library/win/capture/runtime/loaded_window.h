#pragma once
// A window built from its template, with its controls by name and its events.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "library/win/capture/runtime/drawing_board.h"
#include "library/win/capture/runtime/gdi_calls.h"
#include "library/win/capture/runtime/picture_box.h"
#include "library/win/capture/runtime/window_template.h"

namespace pixfarrow::capture {

class LoadedWindow;

struct WindowEvents {
  std::function<void(LoadedWindow&)> created;
  std::function<void(LoadedWindow&)> firstActivated;
  std::function<void(LoadedWindow&)> destroying;  // while the window still exists
};

class LoadedWindow {
 public:
  ~LoadedWindow();
  LoadedWindow(const LoadedWindow&) = delete;
  LoadedWindow& operator=(const LoadedWindow&) = delete;

  HWND window() const { return window_; }
  bool loaded() const { return window_ != nullptr; }
  // nullptr when the template has no such control of that kind.
  DrawingBoard* Board(const std::wstring& name) const;
  PictureBox* Picture(const std::wstring& name) const;
  HWND Control(const std::wstring& name) const;
  void SetBackgroundColour(COLORREF colour);

  // LoadWindow: creates the window from its template, every control, fires `created`,
  // then shows it. Modal: runs a message loop here until the window is destroyed, or until
  // a handler of one of the thread's windows throws, which is thrown on from here.
  static std::unique_ptr<LoadedWindow> Load(const WindowTemplate& from, const LoadedWindow* parent, bool modal,
                                            WindowEvents events);

 private:
  LoadedWindow() = default;
  template <class T>
  friend LRESULT CALLBACK BoundWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
  void CreateControls(const WindowTemplate& from);

  HWND window_ = nullptr;
  WindowEvents events_;
  bool activatedOnce_ = false;
  bool activateOnClick_ = true;
  DeclaredGdi::Brush background_;
  std::map<std::wstring, std::unique_ptr<DrawingBoard>> boards_;
  std::map<std::wstring, std::unique_ptr<PictureBox>> pictures_;
  std::map<std::wstring, HWND> controls_;
  std::vector<DeclaredGdi::Font> fonts_;
  std::vector<DeclaredGdi::Brush> brushes_;
};

// The private message that asks a loaded window to destroy itself.
inline constexpr UINT kDestroyRequest = WM_APP + 0x103;
// Steps that other threads post to a loaded window, which applies them on its own thread:
// opacity (wParam, 0 to 255, see SetWindowAlpha) and a new left edge (wParam as a signed
// int; top and size kept).
inline constexpr UINT kSetAlphaRequest = WM_APP + 0x104;
inline constexpr UINT kMoveLeftRequest = WM_APP + 0x105;

}  // namespace pixfarrow::capture
