#pragma once
// The captures and targets of the ZT benchmarks: every kind of content a chat window shows,
// at the two shot sizes, with targets of 16 to 64 pixels that are present or absent.
#include <cstdint>
#include <string>
#include <vector>

#include "library/core/byte_set.h"

namespace pixfarrow::bench {

enum class SceneKind {
  kFlatUi,    // the chat window of ui_scene.h, repeated to fill larger shots
  kGradient,  // smooth waves of colour: many colours, soft gradients
  kPhoto,     // smooth shapes with edges and grain, like a photo or sticker
  kNoise,     // every pixel random
};
inline constexpr SceneKind kSceneKinds[] = {SceneKind::kFlatUi, SceneKind::kGradient, SceneKind::kPhoto,
                                            SceneKind::kNoise};
const char* NameOf(SceneKind kind);

struct Shot {
  int width;
  int height;
};
inline constexpr Shot kShots[] = {{800, 600}, {1920, 1080}};
inline constexpr int kTargetSizes[] = {16, 32, 64};

// A 24-bit bottom-up capture (pixel data at offset 54) and its colours, y from the top.
struct Scene {
  SceneKind kind = SceneKind::kFlatUi;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> colours;  // 0x00RRGGBB, row by row from the top
  ByteSet file;
  std::uint32_t At(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
};

// Seeds give other scenes of the same kind (another noise, other waves).
Scene MakeScene(SceneKind kind, int width, int height, std::uint32_t seed = 1);

// A size x size crop of the scene from inside it (present), and the same crop with one
// corner pixel in another common colour of the scene (absent: every byte is one the scene
// holds and most of the crop matches, so candidates are verified all over).
ByteSet PresentTarget(const Scene& scene, int size);
ByteSet AbsentTarget(const Scene& scene, int size);

// A block of the scene's most common colour: in the chat window, at 200 x 120, larger than
// any area of it, so that a match is tried all over its flat areas and fails late.
ByteSet FlatTarget(const Scene& scene, int width, int height);

// "noise 800x600 absent 32", for the tables.
std::string CaseName(SceneKind kind, const Shot& shot, bool present, int size);

}  // namespace pixfarrow::bench
