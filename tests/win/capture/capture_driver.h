#pragma once
// Drives a capture the way a user would, from a thread beside the one running it: waits
// for the windows, reads their state, and posts the mouse messages of a drag to 画板_上层.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace qv::test {

struct CaptureWindows {
  HWND capture = nullptr;
  HWND overlay = nullptr;
  HWND guide = nullptr;
  HWND topBoard = nullptr;
};

// The capture windows of the process that exist now (any may be null).
CaptureWindows FindCaptureWindows();

// Waits until the overlay and 画板_上层 exist and the guide shows; false when they do not come.
bool WaitForOverlay(CaptureWindows* found);

// Waits until both animations have taken a step: the overlay has some opacity and the
// guide has left its start beyond the screen's right edge.
bool WaitForAnimations(const CaptureWindows& w);

// Waits until both animations are over: the overlay at its final opacity of 120 and the
// guide's right edge at or left of the screen's (where its slide stops).
bool WaitForRest(const CaptureWindows& w);

// Waits until the capture window is gone (without a message to its thread).
bool WaitForCaptureEnd(const CaptureWindows& w);

LONG WindowWidth(HWND window);

// Overlay opacity, -1 when it is not layered.
int OverlayAlpha(HWND overlay);

struct Drag {
  POINT from{};
  std::vector<POINT> moves;
  bool release = true;
};
void PostDrag(HWND topBoard, const Drag& drag);

// Runs `drive` on a thread while `capture` runs here; returns capture's result.
template <class Capture>
auto WhileDriving(Capture capture, std::function<void()> drive) {
  std::thread driver(std::move(drive));
  auto result = capture();
  driver.join();
  return result;
}

std::wstring WindowText(HWND window);

// Threads of this process now; -1 when they cannot be listed.
int ThreadsOfThisProcess();

}  // namespace qv::test
