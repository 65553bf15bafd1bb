#pragma once
// The built program in a temporary folder of its own, laid out as a test case says (the
// library, a target file, what the stand-in library's capture delivers), started as a user
// starts it and driven from outside.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/object/byte_buffer.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/app/child_program.h"
#include "tests/win/app/program_folder.h"

namespace qv::test {

// Stand-in libraries and the places a test puts one.
inline const std::wstring kFullStub = L"qv_stub_pixfarrow.dll";
inline const std::wstring kStubWithoutZt = L"qv_stub_pixfarrow_no_zt.dll";
inline const std::wstring kBusyStub = L"qv_stub_pixfarrow_busy.dll";
inline const std::wstring kInModuleFolder = L"模块\\Pixfarrow.dll";
inline const std::wstring kBesideProgram = L"Pixfarrow.dll";

struct ProgramLayout {
  bool builtLibrary = false;         // the built Pixfarrow, else the stand-in `library`
  std::wstring library = kFullStub;  // none when empty
  std::wstring libraryPlace = kInModuleFolder;
  std::vector<std::wstring> planted{};  // further copies of the library, by name
  std::optional<quorvela::ByteBuffer> targetFile{};
  std::int64_t sparseTargetFile = 0;                   // else a target file of this many zero bytes
  std::optional<quorvela::ByteBuffer> captureBytes{};  // what the stand-in library's capture delivers
  std::optional<std::string> captureText{};            // or the result text it returns as it stands
  bool watchPage = false;             // the stand-in library writes what reaches the control-centre page
  bool startInProgramFolder = false;  // else in a folder of its own, so a current directory left at it shows
  // The driver waits for the main form and its control centre in place, and closes the
  // form at the end; else the test watches the process itself through child().
  bool toControlCentre = false;
};

class BuiltProgram {
 public:
  BuiltProgram(const std::wstring& label, const ProgramLayout& layout);
  // Closes the main form when the driver reached it and the program still runs, and
  // expects exit code 0.
  ~BuiltProgram();
  BuiltProgram(const BuiltProgram&) = delete;
  BuiltProgram& operator=(const BuiltProgram&) = delete;

  const ChildProgram& child() const { return *child_; }
  const std::wstring& folder() const { return folder_.path(); }
  const std::wstring& startFolder() const { return startFolder_.path(); }
  std::wstring targetPath() const { return folder_.path() + L"\\目标图.bmp"; }

  // The control centre is in place.
  bool ready() const { return page_ != nullptr; }
  // ... and the start-up search has written its line.
  bool started() const { return ready() && logGrowsTo(1); }
  HWND form() const { return form_; }
  // A control of the control centre by its id.
  HWND control(int id) const;
  // A click handled to its end (the capture and the test find run inside it).
  void click(int id) const;
  // A click posted: the program handles it while the test goes on.
  void postClick(int id) const;
  std::wstring text(int id) const;
  std::wstring caption() const;  // the run button's

  std::vector<std::wstring> logLines() const;
  bool logGrowsTo(std::size_t lines) const;
  // Waits until the log has at least count lines.
  std::vector<std::wstring> waitForLogLines(std::size_t count) const;
  // The speed gauge as the screen shows it (centre_windows.h).
  GaugeRing gaugeRing() const;
  // Colours of the preview as it is on screen, at nine points of a 4 x 4 grid.
  std::vector<COLORREF> previewColours() const;
  // Redraws the preview and waits until its colours are as `shown` says.
  bool previewShows(const std::function<bool(const std::vector<COLORREF>&)>& shown) const;
  // What has reached the control-centre page so far, in order: "shown" or "left N"
  // (with watchPage).
  std::vector<std::string> pageEvents() const;

  // The exit code, or nothing when the program still runs after the timeout.
  std::optional<DWORD> waitForExit(DWORD timeoutMs = 20000);
  // Posts the quit message to the program's GUI thread, as any process may; then as
  // waitForExit.
  std::optional<DWORD> quit(WPARAM exitCode, DWORD timeoutMs = 20000);

 private:
  std::wstring pageEventsPath() const { return folder_.path() + L"\\stub_page_events.txt"; }

  TempFolder folder_;
  TempFolder startFolder_;
  std::unique_ptr<ChildProgram> child_;
  HWND form_ = nullptr;
  HWND page_ = nullptr;
  bool ended_ = false;
};

// The events of a page that is shown and slides into place: from 200 pixels right of its
// place, 13 pixels a step, the last step to -8, then put at 0.
std::vector<std::string> ShownAndSlidIn();

// Whether the built program carries the image resource (the artwork may not be built).
bool ProgramHasImage(int id);

}  // namespace qv::test
