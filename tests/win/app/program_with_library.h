#pragma once
// A copy of the built program with the built library (and a target file), started with its
// control centre in place and driven from outside, as a user drives it.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/standin_client.h"
#include "tests/support/wait_until.h"
#include "tests/win/app/centre_windows.h"
#include "tests/win/app/child_program.h"
#include "tests/win/app/program_folder.h"

namespace qv::test {

// Two colours in a checkerboard: nowhere in the stand-in's scene.
std::vector<std::uint8_t> Target();

// Enter key messages of the given kind in the stand-in's record.
int EnterPresses(const StandInRecord& record, unsigned message);

class ProgramWithLibrary {
 public:
  // No target file when target is empty.
  ProgramWithLibrary(const std::wstring& label, const std::vector<std::uint8_t>& target);
  ~ProgramWithLibrary();
  ProgramWithLibrary(const ProgramWithLibrary&) = delete;
  ProgramWithLibrary& operator=(const ProgramWithLibrary&) = delete;

  // The control centre is in place and the start-up search has written its line.
  bool started() const { return page_ != nullptr && logGrowsTo(1); }
  // A control of the control centre by its id.
  HWND control(int id) const;
  void click(int id) const;
  std::wstring text(int id) const;

  void clickRun() const;
  std::wstring caption() const;
  std::vector<std::wstring> log() const;
  bool logGrowsTo(std::size_t lines) const;
  // The speed gauge as the screen shows it (centre_windows.h).
  GaugeRing gaugeRing() const;

  // Posts the quit message to the program's GUI thread, as any process may; the exit code,
  // or nothing when the program still runs after the timeout.
  std::optional<DWORD> quit(WPARAM exitCode, DWORD timeoutMs = 20000);

 private:
  TempFolder folder_;
  std::unique_ptr<ChildProgram> child_;
  HWND form_ = nullptr;
  HWND page_ = nullptr;
  bool ended_ = false;
};

}  // namespace qv::test
