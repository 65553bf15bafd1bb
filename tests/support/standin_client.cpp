#include "tests/support/standin_client.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "tests/standin/protocol.h"
#include "tests/support/wait_until.h"

namespace qv::test {

namespace {

std::wstring NewRecordPath() {
  static LONG counter = 0;
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  wchar_t name[64];
  std::swprintf(name, 64, L"qv_standin_%lu_%ld.txt", GetCurrentProcessId(), InterlockedIncrement(&counter));
  return std::wstring(dir) + name;
}

struct FindByProcess {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK MatchProcess(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<FindByProcess*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[64];
  if (pid == f->pid && GetClassNameW(hwnd, cls, 64) && std::wcscmp(cls, L"QvWeChatStandIn") == 0) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

std::string ReadWholeFile(const std::wstring& path) {
  std::string text;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return text;
  qv::win::UniqueKernelHandle owner(f);
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) text.append(buf, got);
  return text;
}

}  // namespace

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, n);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

StandIn::StandIn(const StandInOptions& o) : recordPath_(NewRecordPath()) {
  std::wstring cmd = L"\"" + ProgramFolder() + L"qv_standin.exe\" --record \"" + recordPath_ + L"\" --title \"" +
                     o.title + L"\" --size " + std::to_wstring(o.width) + L"x" + std::to_wstring(o.height);
  if (!o.scene.empty()) cmd += L" --scene \"" + o.scene + L"\"";
  if (o.hidden) cmd += L" --hidden";
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  process_.reset(pi.hProcess);
  CloseHandle(pi.hThread);
  processId_ = pi.dwProcessId;
  bool ended = false;
  const bool ready = WaitUntil([&] {
    ended = WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
    return ended || ReadRecord().ready;
  });
  if (!ready || ended) return;
  FindByProcess f{processId_, nullptr};
  EnumWindows(MatchProcess, reinterpret_cast<LPARAM>(&f));
  window_ = f.found;
}

StandIn::~StandIn() {
  Close();
  DeleteFileW(recordPath_.c_str());
}

DWORD StandIn::Close() {
  DWORD code = STILL_ACTIVE;
  if (!process_) return code;
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.get(), kEventCeilingMs) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 99);
  GetExitCodeProcess(process_.get(), &code);
  process_.reset();
  window_ = nullptr;
  return code;
}

bool StandIn::PaintTarget(const std::vector<std::uint8_t>& bmp, int x, int y) {
  if (!window_) return false;
  standin::PaintTargetHeader head{x, y};
  std::vector<std::uint8_t> payload(sizeof head + bmp.size());
  std::memcpy(payload.data(), &head, sizeof head);
  if (!bmp.empty()) std::memcpy(payload.data() + sizeof head, bmp.data(), bmp.size());
  COPYDATASTRUCT cds{standin::kPaintTarget, static_cast<DWORD>(payload.size()), payload.data()};
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 5000,
                           &result))
    return false;
  return result == 1;
}

// A key the programs under test never send, with an lParam of its own.
constexpr WPARAM kMarkerKey = VK_F24;
constexpr std::uint32_t kMarkerLParam = 0x51560001;

StandInRecord StandIn::ReadRecord() const { return ParseRecord(nullptr); }

StandInRecord StandIn::ParseRecord(int* markers) const {
  StandInRecord rec;
  std::istringstream in(ReadWholeFile(recordPath_));
  std::string line;
  while (std::getline(in, line)) {
    long long at = 0;
    unsigned msg = 0;
    unsigned long wp = 0, lp = 0;
    int x = 0, y = 0;
    if (std::sscanf(line.c_str(), "msg %lld %x %lx %lx", &at, &msg, &wp, &lp) == 4) {
      if (msg == WM_KEYUP && wp == kMarkerKey && lp == kMarkerLParam) {
        if (markers) ++*markers;
        continue;
      }
      rec.messages.push_back({at, msg, static_cast<std::uint32_t>(wp), static_cast<std::uint32_t>(lp)});
    } else if (std::sscanf(line.c_str(), "paint %lld %d %d", &at, &x, &y) == 3) {
      rec.paints.push_back(at);
    } else if (line == "ready") {
      rec.ready = true;
    } else {
      std::sscanf(line.c_str(), "freq %lld", &rec.frequency);
    }
  }
  return rec;
}

StandInRecord StandIn::WaitForMessages(size_t count, DWORD ceilingMs) const {
  StandInRecord rec;
  WaitUntil([&] { return (rec = ReadRecord()).messages.size() >= count; }, ceilingMs);
  return rec;
}

StandInRecord StandIn::ReadRecordWhenDelivered() const {
  StandInRecord rec;
  if (!window_) return rec;
  const int posted = ++markersPosted_;
  PostMessageW(window_, WM_KEYUP, kMarkerKey, kMarkerLParam);
  WaitUntil([&] {
    int seen = 0;
    rec = ParseRecord(&seen);
    return seen >= posted;
  });
  return rec;
}

}  // namespace qv::test
