#include "library/win/capture/runtime/bound_window.h"
#include "library/win/capture/runtime/loaded_window.h"

#include "library/win/capture/runtime/class_registry.h"
#include "library/win/capture/runtime/handler_failure.h"
#include "library/win/capture/runtime/runtime_module.h"
#include "library/win/capture/runtime/window_services.h"

namespace pixfarrow::capture {
namespace {

constexpr wchar_t kWindowClass[] = L"PixfarrowLoadedWindow";
constexpr wchar_t kShapeClass[] = L"PixfarrowShapeBox";
constexpr wchar_t kTextColour[] = L"PixfarrowTextColour";
constexpr wchar_t kBackBrush[] = L"PixfarrowBackBrush";

// Labels carry their colours as window properties; whichever window contains a label
// answers its WM_CTLCOLORSTATIC from them.
LRESULT LabelColours(HDC dc, HWND label) {
  SetTextColor(dc, static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropW(label, kTextColour))));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetPropW(label, kBackBrush));
}

LRESULT CALLBACK ShapeProcedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      return LabelColours(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(window, &r);
      HDC dc = reinterpret_cast<HDC>(wp);
      DeclaredGdi::Brush fill(
          gdi::CreateSolidBrush(static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropW(window, kTextColour)))));
      DeclaredGdi::Pen edge(CreatePen(PS_SOLID, 2, static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA))));
      DeclaredGdi::Selection pen(dc, edge.get());
      DeclaredGdi::Selection brush(dc, fill.get());
      RoundRect(dc, r.left + 1, r.top + 1, r.right, r.bottom, 12, 12);
      return 1;
    }
    default:
      return DefWindowProcW(window, message, wp, lp);
  }
}

struct OwnedSearch {
  HWND owner;
  bool found = false;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<OwnedSearch*>(param);
  if (GetWindow(window, GW_OWNER) == s->owner) {
    s->found = true;
    return FALSE;
  }
  return TRUE;
}

bool FindOwnedWindow(HWND owner) {
  OwnedSearch s{owner};
  EnumThreadWindows(GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

}  // namespace

LoadedWindow::~LoadedWindow() {
  // Controls first: they are children and go with the window, but their objects are ours.
  boards_.clear();
  pictures_.clear();
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

std::unique_ptr<LoadedWindow> LoadedWindow::Load(const WindowTemplate& from, const LoadedWindow* parent,
                                                 bool modal, WindowEvents events) {
  RegisterRuntimeClass(kWindowClass, &BoundWindowProcedure<LoadedWindow>);
  RegisterRuntimeClass(kShapeClass, &ShapeProcedure);
  std::unique_ptr<LoadedWindow> self(new LoadedWindow());
  self->events_ = std::move(events);
  self->activateOnClick_ = from.activateOnClick;
  self->background_.reset(gdi::CreateSolidBrush(from.background));
  const RECT& r = from.where;
  CreateWindowExW(from.exStyle, kWindowClass, from.name.c_str(), WS_POPUP | WS_CLIPCHILDREN, r.left, r.top,
                  r.right - r.left, r.bottom - r.top, parent ? parent->window() : nullptr, nullptr,
                  RuntimeModule(), self.get());
  if (!self->window_) return self;
  self->CreateControls(from);
  HWND window = self->window_;
  if (self->events_.created) self->events_.created(*self);
  if (IsWindow(window)) {
    // Windows that the created event made (owned by this one) stay above it: showing it
    // must not raise it over them.
    if (FindOwnedWindow(window))
      SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else
      ShowWindow(window, SW_SHOW);
  }
  if (modal) {
    // A failure that a window procedure kept is thrown on from here; `self` then destroys
    // the window and the windows it owns.
    MSG msg;
    while (self->window_) {
      RethrowHandlerFailure();
      const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    RethrowHandlerFailure();
  }
  return self;
}

void LoadedWindow::CreateControls(const WindowTemplate& from) {
  for (const ControlTemplate& c : from.controls) {
    HWND container = c.inside.empty() ? window_ : Control(c.inside);
    if (!container) container = window_;
    const RECT& r = c.where;
    HWND made = nullptr;
    switch (c.kind) {
      case ControlKind::DrawingBoard:
        if (auto board = DrawingBoard::Create(container, c.name.c_str(), r, c.board)) {
          made = board->window();
          boards_[c.name] = std::move(board);
        }
        break;
      case ControlKind::PictureBox:
        if (auto box = PictureBox::Create(container, c.name.c_str(), r, c.picture, c.colour)) {
          made = box->window();
          pictures_[c.name] = std::move(box);
        }
        break;
      case ControlKind::ShapeBox:
        made = CreateWindowExW(0, kShapeClass, c.name.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, container, nullptr, RuntimeModule(),
                               nullptr);
        if (made) {
          SetPropW(made, kTextColour, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(c.colour)));
          SetWindowLongPtrW(made, GWLP_USERDATA, static_cast<LONG_PTR>(c.border));
        }
        break;
      case ControlKind::Label: {
        const DWORD lines = c.multiLine ? 0 : SS_LEFTNOWORDWRAP;
        made = CreateWindowExW(0, L"STATIC", c.text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | lines,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, container, nullptr,
                               RuntimeModule(), nullptr);
        if (!made) break;
        DeclaredGdi::Font font(CreateFontW(-c.font.height, 0, 0, 0, c.font.weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                           DEFAULT_PITCH | FF_DONTCARE, c.font.face.c_str()));
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        DeclaredGdi::Brush back(gdi::CreateSolidBrush(c.colour));
        SetPropW(made, kTextColour, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(c.textColour)));
        SetPropW(made, kBackBrush, back.get());
        fonts_.push_back(std::move(font));
        brushes_.push_back(std::move(back));
        break;
      }
    }
    if (made) controls_[c.name] = made;
  }
}

DrawingBoard* LoadedWindow::Board(const std::wstring& name) const {
  auto it = boards_.find(name);
  return it == boards_.end() ? nullptr : it->second.get();
}

PictureBox* LoadedWindow::Picture(const std::wstring& name) const {
  auto it = pictures_.find(name);
  return it == pictures_.end() ? nullptr : it->second.get();
}

HWND LoadedWindow::Control(const std::wstring& name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

void LoadedWindow::SetBackgroundColour(COLORREF colour) {
  background_.reset(gdi::CreateSolidBrush(colour));
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

LRESULT LoadedWindow::Handle(UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case kDestroyRequest:
      DestroyWindow(window_);
      return 0;
    case kSetAlphaRequest:
      SetWindowAlpha(window_, static_cast<int>(wp));
      return 0;
    case kMoveLeftRequest: {
      RECT r;
      GetWindowRect(window_, &r);
      SetWindowPos(window_, nullptr, static_cast<int>(wp), r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      if (events_.destroying) events_.destroying(*this);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE && !activatedOnce_) {
        activatedOnce_ = true;
        if (events_.firstActivated) events_.firstActivated(*this);
      }
      break;
    case WM_MOUSEACTIVATE:
      if (!activateOnClick_) return MA_NOACTIVATE;
      break;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(window_, &r);
      gdi::FillRect(reinterpret_cast<HDC>(wp), &r, background_.get());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
      return LabelColours(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    default:
      break;
  }
  return DefWindowProcW(window_, message, wp, lp);
}

}  // namespace pixfarrow::capture
