#include "library/win/frame/declared_call.h"

#include <iterator>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "library/win/frame/fatal_error.h"
#include "library/win/frame/fatal_error_text.h"
#include "library/win/frame/module_folder.h"
#include "library/win/frame/unique_module.h"

namespace pixfarrow::win {

namespace {

constexpr DeclaredEntry kEntries[] = {
#define PIXFARROW_DECLARED_ENTRY(tag, file, type) {file, #tag},
    PIXFARROW_DECLARED_CALLS(PIXFARROW_DECLARED_ENTRY)
#undef PIXFARROW_DECLARED_ENTRY
};
static_assert(std::size(kEntries) == api::kDeclaredCallCount);

std::atomic<const void*> gSlots[api::kDeclaredCallCount];

struct LoadedLibrary {
  std::string file;
  UniqueModule module;
};

// Library files loaded for declared calls; touched only while an address is first resolved.
std::mutex gLoadLock;
std::vector<LoadedLibrary> gLoaded;

bool SameFileName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                                b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

HMODULE LibraryFor(const char* file) {
  for (const LoadedLibrary& loaded : gLoaded) {
    if (SameFileName(loaded.file, file)) return loaded.module.get();
  }
  // The host program's folder first, then the normal search.
  HMODULE module = nullptr;
  const std::string folder = HostExecutableFolderA();
  if (!folder.empty()) module = LoadLibraryA((folder + file).c_str());
  if (!module) module = LoadLibraryA(file);
  if (!module) return nullptr;
  gLoaded.push_back({file, UniqueModule(module)});
  return module;
}

}  // namespace

const DeclaredEntry& DeclaredCallEntry(std::size_t index) { return kEntries[index]; }

std::atomic<const void*>& DeclaredCallSlot(std::size_t index) { return gSlots[index]; }

const void* TryResolveDeclared(const DeclaredEntry& entry, std::atomic<const void*>& slot) {
  if (const void* cached = slot.load(std::memory_order_acquire)) return cached;
  if (!entry.library || !*entry.library || !entry.function) return nullptr;
  std::lock_guard lock(gLoadLock);
  if (const void* cached = slot.load(std::memory_order_acquire)) return cached;
  HMODULE module = LibraryFor(entry.library);
  if (!module) return nullptr;
  const void* address = reinterpret_cast<const void*>(GetProcAddress(module, entry.function));
  if (address) slot.store(address, std::memory_order_release);
  return address;
}

const void* ResolveDeclared(const DeclaredEntry& entry, std::atomic<const void*>& slot) {
  if (const void* address = TryResolveDeclared(entry, slot)) return address;
  const char* library = entry.library ? entry.library : "";
  RuntimeFatalError(std::nullopt, MissingFunctionMessage(library, entry.function ? entry.function : ""));
}

void ReleaseDeclaredCalls() {
  std::lock_guard lock(gLoadLock);
  for (auto& slot : gSlots) slot.store(nullptr, std::memory_order_release);
  gLoaded.clear();
}

void DeclaredStackMismatch() { RuntimeFatalError(kStackMismatchCode, StackMismatchMessage()); }

}  // namespace pixfarrow::win
