#pragma once
// The built program in a folder of its own, with a target file and a library as a test
// lays them out, and its control centre reached from outside.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/object/byte_buffer.h"
#include "tests/win/app/child_program.h"
#include "tests/win/app/program_folder.h"

namespace qv::test {

struct TargetProgramLayout {
  bool realLibrary = false;  // else the stand-in library, whose window search finds nothing
  std::optional<quorvela::ByteBuffer> targetFile{};
  std::int64_t sparseTargetFile = 0;  // else a target file of this many zero bytes
  std::optional<quorvela::ByteBuffer> captureBytes{};  // what the stand-in library's capture delivers
  std::optional<std::string> captureText{};            // or the result text it returns as it stands
};

class TargetProgram {
 public:
  TargetProgram(const std::wstring& label, const TargetProgramLayout& layout);
  ~TargetProgram();
  TargetProgram(const TargetProgram&) = delete;
  TargetProgram& operator=(const TargetProgram&) = delete;

  bool ready() const { return page_ != nullptr; }
  HWND control(int id) const;
  // A click handled to its end (the capture and the test find run inside it).
  void click(int id) const;
  // A click posted: the program handles it while the test goes on.
  void postClick(int id) const;
  std::vector<std::wstring> logLines() const;
  // Waits until the log has at least count lines.
  std::vector<std::wstring> waitForLogLines(std::size_t count) const;
  const std::wstring& folder() const { return folder_.path(); }
  std::wstring targetPath() const { return folder_.path() + L"\\目标图.bmp"; }
  // Colours of the preview as it is on screen, at nine points of a 4 x 4 grid.
  std::vector<COLORREF> previewColours() const;
  // Redraws the preview and waits until its colours are as `shown` says.
  bool previewShows(const std::function<bool(const std::vector<COLORREF>&)>& shown) const;
  HWND form() const { return form_; }

 private:
  TempFolder folder_;
  TempFolder startFolder_;
  std::unique_ptr<ChildProgram> child_;
  HWND form_ = nullptr;
  HWND page_ = nullptr;
};

// Whether the built program carries the image resource (the artwork may not be built).
bool ProgramHasImage(int id);

}  // namespace qv::test
