// Unload order: the capture's result first, then the other buffers; each hook once.
#include "library/win/frame/shutdown_hooks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using pixfarrow::win::AtLibraryShutdown;
using pixfarrow::win::RunShutdownHooks;
using pixfarrow::win::ShutdownStage;

std::string gOrder;

TEST(ShutdownHooks, RunByStageThenLatestFirstAndOnlyOnce) {
  gOrder.clear();
  AtLibraryShutdown(ShutdownStage::ModuleBuffers, [] { gOrder += "b1 "; });
  AtLibraryShutdown(ShutdownStage::CaptureResult, [] { gOrder += "c1 "; });
  AtLibraryShutdown(ShutdownStage::ModuleBuffers, [] { gOrder += "b2 "; });
  AtLibraryShutdown(ShutdownStage::CaptureResult, [] { gOrder += "c2 "; });
  AtLibraryShutdown(ShutdownStage::CaptureResult, nullptr);
  RunShutdownHooks();
  EXPECT_EQ(gOrder, "c2 c1 b2 b1 ");
  RunShutdownHooks();
  EXPECT_EQ(gOrder, "c2 c1 b2 b1 ");
}

}  // namespace
