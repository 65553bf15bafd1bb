#pragma once
// The body of JQMBT: the interactive capture of a screen region.
namespace pixfarrow::capture {

// Runs the capture windows modally on the calling thread and returns the address of
// CaptureResultText, which names CapturedImage.
const char* CaptureScreenRegion();

// Frees what the capture keeps for the process (results, pictures, window classes); the
// library's unload runs it.
void ReleaseCapture();

}  // namespace pixfarrow::capture
