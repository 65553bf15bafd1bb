#include "app/win/target_image/target_image_ports.h"

#include <string>

#include "app/win/library_binding/library_calls.h"
#include "app/win/run/find_image_in_shot.h"
#include "app/win/run/press_send_key.h"
#include "app/win/run_log/run_log.h"
#include "app/win/start/program_run.h"
#include "app/win/target_image/picture_from_bytes.h"
#include "app/win/target_image/target_image_file.h"
#include "app/win/target_image/target_image_library.h"

namespace quorvela::win {

namespace {
constexpr int kPlaceholderImage = 506;
}  // namespace

TargetImagePorts MakeTargetImagePorts(PicturePanel& preview) {
  TargetImagePorts ports;
  ports.runCapture = RunTargetCapture;
  ports.readMemory = CopyCapturedBytes;
  ports.searchWindow = CallQwxjb;
  ports.findWeChatWindow = FindWeChatWindow;
  ports.captureWeChatWindow = CaptureWeChatWindow;
  ports.findImageInShot = FindImageInShot;
  ports.pressSendKey = PressSendKey;
  ports.appendRunLog = [](int type, std::string_view text) { AppendRunLog(type, std::string(text)); };
  ports.showPicture = [&preview](const ByteBuffer& bytes) { return SetPictureFromBytes(preview, bytes); };
  ports.showPlaceholder = [&preview] { SetPictureFromResource(preview, kPlaceholderImage); };
  ports.writeTargetFile = StoreTargetImageFile;
  return ports;
}

}  // namespace quorvela::win
