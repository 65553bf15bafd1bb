#include "library/win/capture/capture_screen_region.h"

#include <memory>

#include "library/win/capture/capture_result.h"
#include "library/win/capture/capture_templates.h"
#include "library/capture_core/capture_motion.h"
#include "library/capture_core/capture_state.h"
#include "library/win/capture/runtime/class_registry.h"
#include "library/win/capture/runtime/handler_failure.h"
#include "library/win/capture/runtime/window_services.h"
#include "library/win/capture/step_lease.h"
#include "library/win/frame/shutdown_hooks.h"

namespace pixfarrow::capture {
namespace {

CaptureState state;

// The windows of one capture, and the leases of its two animation threads.
struct Session {
  LoadedWindow* captureWindow = nullptr;
  std::unique_ptr<LoadedWindow> overlay;
  std::unique_ptr<LoadedWindow> guide;
  std::shared_ptr<StepLease> fadeLease;
  std::shared_ptr<StepLease> slideLease;
};

Session* session = nullptr;

// The animation threads post their steps; the windows' own thread applies them.
void FadeInOverlay(const std::shared_ptr<StepLease>& lease) {
  for (int i = 1; i <= kFadeSteps; ++i) {
    if (!lease->Post(kSetAlphaRequest, static_cast<WPARAM>(FadeAlpha(i)), 0)) return;
    DelayWithEvents(kFadeDelayMs);
  }
}

struct SlideFrom {
  std::int32_t left, width, screenWidth;
};

void SlideInGuide(const std::shared_ptr<StepLease>& lease, SlideFrom from) {
  std::int32_t left = from.left;
  while (const auto next = NextSlideLeft(left, from.width, from.screenWidth)) {
    if (!lease->Post(kMoveLeftRequest, static_cast<WPARAM>(*next), 0)) return;
    left = *next;
    DelayWithEvents(kSlideDelayMs);
  }
}

void OnOverlayMouseDown(int x, int y) { state.OnButtonDown(x, y); }

void OnOverlayMouseMove(int x, int y) {
  if (!session || state.Dragging != 1) return;
  DrawingBoard* top = session->overlay->Board(kTopBoard);
  LockRedraw(session->overlay->window());
  top->Clear();
  UnlockRedraw();
  SelectionRect r;
  if (state.OnPointerMoved(x, y, &r)) top->Rectangle(r.left, r.top, r.right, r.bottom);
}

void OnOverlayMouseUp() {
  if (!session) return;
  state.OnButtonUp();
  DrawingBoard* save = session->captureWindow->Board(kSaveBoard);
  DrawingBoard* bottom = session->captureWindow->Board(kBottomBoard);
  save->Place(0, 0, state.SelW, state.SelH);
  bottom->CopyTo(state.SelMinX, state.SelMinY, state.SelW, state.SelH, *save, 0, 0);
  SetCapturedImage(save->ImageBytes());
  if (IsWindowLoaded(session->guide.get())) DestroyLoadedWindow(session->guide.get());
  DestroyLoadedWindow(session->overlay.get());
  DestroyLoadedWindow(session->captureWindow);
}

void OnOverlayCreated(LoadedWindow& overlay) {
  SetWindowAlpha(overlay.window(), 0);
  SetWindowPos(overlay.window(), nullptr, 0, 0, ScreenWidth(), ScreenHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
  overlay.SetBackgroundColour(RGB(0, 0, 0));
  state.Dragging = 0;
  DrawingBoard* top = overlay.Board(kTopBoard);
  top->Place(0, 0, ScreenWidth(), ScreenHeight());
  top->onLeftDown = OnOverlayMouseDown;
  top->onMouseMove = OnOverlayMouseMove;
  top->onLeftUp = OnOverlayMouseUp;
  session->fadeLease = std::make_shared<StepLease>(overlay.window());
}

void OnOverlayFirstActivated(LoadedWindow&) {
  auto lease = session->fadeLease;
  StartThread([lease] { FadeInOverlay(lease); });
}

void OnGuideCreated(LoadedWindow& guide) {
  RECT r;
  GetWindowRect(guide.window(), &r);
  SetWindowPos(guide.window(), nullptr, GuideStartLeft(ScreenWidth(), r.right - r.left), 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  session->slideLease = std::make_shared<StepLease>(guide.window());
}

void OnGuideFirstActivated(LoadedWindow& guide) {
  RECT r;
  GetWindowRect(guide.window(), &r);
  const SlideFrom from{r.left, r.right - r.left, ScreenWidth()};
  auto lease = session->slideLease;
  StartThread([lease, from] { SlideInGuide(lease, from); });
}

// Both threads stop posting before their window goes.
void TakeBack(const std::shared_ptr<StepLease>& lease) {
  if (lease) lease->TakeBack();
}

void OnCaptureWindowCreated(LoadedWindow& window) {
  const auto& templates = BuildCaptureTemplates();
  session->captureWindow = &window;
  SetWindowPos(window.window(), nullptr, 0, 0, ScreenWidth(), ScreenHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
  DrawingBoard* bottom = window.Board(kBottomBoard);
  bottom->Place(0, 0, ScreenWidth(), ScreenHeight());
  SetZOrder(bottom->window(), kZOrderBottom);
  bottom->SetBackgroundPicture(WindowSnapshotBytes());

  session->overlay = LoadedWindow::Load(
      templates.selectionOverlay, &window, false,
      {OnOverlayCreated, OnOverlayFirstActivated, [](LoadedWindow&) { TakeBack(session->fadeLease); }});
  SetZOrder(session->overlay->window(), kZOrderNotTopmost);
  session->guide = LoadedWindow::Load(
      templates.captureGuide, session->overlay.get(), false,
      {OnGuideCreated, OnGuideFirstActivated, [](LoadedWindow&) { TakeBack(session->slideLease); }});
}

// Ends a capture however it ends (a selection, a close, a quit, a failure): animations
// stopped first, since a capture ended by WM_QUIT leaves its windows standing and their
// objects destroy them without their destroying events; then the owned windows' objects,
// CaptureWindow's, and the session.
class SessionEnd {
 public:
  explicit SessionEnd(Session& current) : current_(current) { session = &current; }
  ~SessionEnd() {
    TakeBack(current_.fadeLease);
    TakeBack(current_.slideLease);
    current_.guide.reset();
    current_.overlay.reset();
    window.reset();
    session = nullptr;
  }
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

  std::unique_ptr<LoadedWindow> window;

 private:
  Session& current_;
};

}  // namespace

const char* CaptureScreenRegion() {
  static const bool hooked = [] {
    win::AtLibraryShutdown(win::ShutdownStage::CaptureResult, &ReleaseCapture);
    return true;
  }();
  (void)hooked;
  if (session) return StoreCaptureResultText();  // a capture is already under way on this thread

  ForgetHandlerFailure();
  Session current;
  {
    SessionEnd end(current);
    state.OnCaptureStarted();
    end.window = LoadedWindow::Load(BuildCaptureTemplates().captureWindow, nullptr, true,
                                    {OnCaptureWindowCreated, nullptr, nullptr});
  }
  return StoreCaptureResultText();
}

void ReleaseCapture() {
  ReleaseCaptureResult();
  ReleasePictureCache();
  UnregisterRuntimeClasses();
}

}  // namespace pixfarrow::capture
