#pragma once
// The library as the program binds it: the table's four functions, bound once at start-up
// before any window exists and read-only from then on, so that any thread may call them.
// Empty buffers go as a null address with length 0.
#include <windows.h>

#include <cstdint>
#include <mutex>

#include "app/core/object/byte_buffer.h"
#include "app/win/library_binding/external_function_binder.h"

namespace quorvela::win {

class BoundLibrary {
 public:
  BoundLibrary() = default;
  BoundLibrary(const BoundLibrary&) = delete;
  BoundLibrary& operator=(const BoundLibrary&) = delete;

  // ExternalFunctionBinder into this library's table: 1, or a CVolException with the load
  // or export failure text. The library stays loaded while this object lives.
  int bind() { return ExternalFunctionBinder(table_, libraries_); }
  // The address slots that bind() fills.
  ExternalFunctionTable& table() { return table_; }

  // WeChat's window, or 0.
  std::uint32_t QWXJB() const;
  // Non-zero when small occurs in big. The library serves one call at a time: the worker's
  // rounds and a test find on the GUI thread are kept apart here, for this call only.
  std::int32_t ZT(const ByteBuffer& big, const ByteBuffer& small) const;
  // Presses Enter in the window.
  void JPXX(std::uint32_t window) const;
  // The interactive capture: the address of its result text; null when JQMBT is not bound.
  const char* JQMBT() const;

 private:
  ExternalFunctionTable table_;
  BoundLibraries libraries_;
  mutable std::mutex ztGuard_;
};

}  // namespace quorvela::win
