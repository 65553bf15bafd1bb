#pragma once
// What the library frees when it is unloaded. Code that creates module-level state
// registers its release here once (e.g. on first use):
//
//   pixfarrow::win::AtLibraryShutdown(pixfarrow::win::ShutdownStage::CaptureResult, &FreeCapture);
//
// LibraryShutdown runs the stages in order, and within a stage the most recent hook
// first; the frame's own state (hidden owner window, declared calls) goes last.
namespace pixfarrow::win {

enum class ShutdownStage {
  CaptureResult,  // the last capture's result text and image
  ModuleBuffers,  // every other module-level buffer and array
};

using ShutdownHook = void (*)();

void AtLibraryShutdown(ShutdownStage stage, ShutdownHook hook);

// Runs and forgets every registered hook.
void RunShutdownHooks();

}  // namespace pixfarrow::win
