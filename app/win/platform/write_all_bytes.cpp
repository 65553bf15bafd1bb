#include "app/win/platform/write_all_bytes.h"

namespace quorvela::win {

bool WriteAllBytes(HANDLE file, const ByteBuffer& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
        written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace quorvela::win
