#include "tests/win/bitmap/system_loader_client.h"

#include <windows.h>

#include <cstring>

#include "common/win/kernel_owners.h"
#include "tests/support/standin_client.h"

namespace qv::test {
namespace {

std::vector<std::uint8_t> RunProbe(const std::wstring& file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
  qv::win::UniqueKernelHandle reader(readEnd), writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  std::wstring command = L"\"" + ProgramFolder() + L"qv_system_loader_probe.exe\" \"" + file + L"\"";
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &child)) {
    return {};
  }
  qv::win::UniqueKernelHandle process(child.hProcess), thread(child.hThread);
  writer.reset();  // the child holds the only write end now: reading ends when it exits

  std::vector<std::uint8_t> out;
  std::uint8_t chunk[65536];
  DWORD got = 0;
  while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) out.insert(out.end(), chunk, chunk + got);
  if (WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
  return out;
}

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  bool Word(std::int32_t& value) {
    if (bytes_.size() - at_ < 4) return false;
    std::memcpy(&value, bytes_.data() + at_, 4);
    at_ += 4;
    return true;
  }
  bool Pixels(std::vector<std::uint32_t>& pixels) {
    const std::size_t n = pixels.size() * 4;
    if (bytes_.size() - at_ < n) return false;
    std::memcpy(pixels.data(), bytes_.data() + at_, n);
    at_ += n;
    return true;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::array<std::optional<SystemLoadedImage>, 2> LoadWithSystemLoader(const std::wstring& file) {
  std::array<std::optional<SystemLoadedImage>, 2> result;
  const std::vector<std::uint8_t> output = RunProbe(file);
  Reader reader(output);
  std::int32_t way = 0, loaded = 0;
  while (reader.Word(way) && reader.Word(loaded) && (way == kPlainBitmap || way == kDibSection)) {
    if (!loaded) continue;
    SystemLoadedImage image;
    if (!reader.Word(image.width) || !reader.Word(image.height) || image.width <= 0 || image.height <= 0 ||
        static_cast<std::uint64_t>(image.width) * image.height > (1u << 26)) {
      break;
    }
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    if (!reader.Pixels(image.pixels)) break;  // cut short by a crash
    result[static_cast<std::size_t>(way)] = std::move(image);
  }
  return result;
}

}  // namespace qv::test
