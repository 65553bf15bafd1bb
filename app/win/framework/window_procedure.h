#pragma once
// One window procedure for every window class of the framework. The window is bound on
// WM_NCCREATE to the WindowLink passed as the creation parameter; each message then goes
// to the link's listener.
#include <windows.h>

#include <string>

#include "app/core/framework/window_object.h"

namespace quorvela::win {

struct WindowClassArgs {
  const wchar_t* name;
  HBRUSH background;  // class brush; null when the object paints its own background
};

// Registers the class once per process; returns its name.
const wchar_t* frameworkWindowClass(const WindowClassArgs& args);

struct CreateWindowArgs {
  const wchar_t* className = nullptr;
  std::wstring text;
  DWORD style = 0;
  DWORD exStyle = 0;
  int left = CW_USEDEFAULT;
  int top = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND parent = nullptr;
  int controlId = 0;  // child windows only
};

// Creates the window for object, which listens to it from the first message on.
// Rethrows what the object's message handling raised during creation.
HWND createWindowFor(WindowObject& object, const CreateWindowArgs& args);

HWND windowOf(const WindowObject& object);

// Hands a message to the link's listener; true when it was handled and result set. No
// exception leaves: the first is kept for the framework to rethrow.
bool deliverToListener(const WindowLink& link, UINT id, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace quorvela::win
