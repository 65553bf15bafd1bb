#include "bench/scenes.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "library/core/nearest_color.h"
#include "ui_scene.h"

namespace pixfarrow::bench {
namespace {

std::uint32_t Rgb(double r, double g, double b) {
  auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(std::fmin(255.0, std::fmax(0.0, v)))); };
  return (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

std::uint32_t Wave(int x, int y, double phase) {
  const double r = 128 + 127 * std::sin(x * 0.011 + 2 * std::sin(y * 0.007 + phase));
  const double g = 128 + 127 * std::sin(y * 0.013 + 1.7 * std::cos(x * 0.005 - phase));
  const double b = 128 + 127 * std::sin((x + y) * 0.009 + 1.3 * phase);
  return Rgb(r, g, b);
}

// Ellipses with their own shading over slow waves, and grain on everything.
void PaintPhoto(Scene& scene, std::mt19937& random) {
  struct Blob {
    double cx, cy, rx, ry;
    std::uint32_t colour;
  };
  std::vector<Blob> blobs(24);
  for (Blob& b : blobs) {
    b = {static_cast<double>(random() % scene.width), static_cast<double>(random() % scene.height),
         30.0 + random() % 200, 30.0 + random() % 150, static_cast<std::uint32_t>(random() & 0xFFFFFF)};
  }
  std::uniform_int_distribution<int> grain(-10, 10);
  for (int y = 0; y < scene.height; ++y) {
    for (int x = 0; x < scene.width; ++x) {
      double r = 90 + 60 * std::sin(x * 0.003 + y * 0.002), g = 110 + 50 * std::sin(y * 0.004), b = 80 + 70 * std::cos(x * 0.002);
      for (const Blob& blob : blobs) {
        const double dx = (x - blob.cx) / blob.rx, dy = (y - blob.cy) / blob.ry, d = dx * dx + dy * dy;
        if (d < 1) {
          const double shade = 0.6 + 0.4 * (1 - d);
          r = ((blob.colour >> 16) & 0xFF) * shade, g = ((blob.colour >> 8) & 0xFF) * shade, b = (blob.colour & 0xFF) * shade;
        }
      }
      scene.colours.push_back(Rgb(r + grain(random), g + grain(random), b + grain(random)));
    }
  }
}

// Where targets are cut: an avatar of the chat list in the chat window, the middle elsewhere.
void CropOrigin(const Scene& scene, int size, int& left, int& top) {
  if (scene.kind == SceneKind::kFlatUi) {
    left = 72 + (40 - std::min(size, 40)) / 2, top = 3 * 64 + 12;  // an avatar, and what lies around it
  } else {
    left = scene.width / 2 - size / 2, top = scene.height / 2 - size / 2;
  }
}

ByteSet Crop(const Scene& scene, int size, int left, int top) {
  return Bmp24(size, size, [&](int x, int y) { return scene.At(left + x, top + y); });
}

// The colour that most of the scene's pixels share.
std::uint32_t CommonColour(const Scene& scene) {
  std::vector<std::uint32_t> sorted(scene.colours);
  std::sort(sorted.begin(), sorted.end());
  std::uint32_t best = sorted[0];
  std::size_t bestCount = 0;
  for (std::size_t i = 0, j = 0; i < sorted.size(); i = j) {
    while (j < sorted.size() && sorted[j] == sorted[i]) ++j;
    if (j - i > bestCount) best = sorted[i], bestCount = j - i;
  }
  return best;
}

}  // namespace

const char* NameOf(SceneKind kind) {
  switch (kind) {
    case SceneKind::kFlatUi: return "flat UI";
    case SceneKind::kGradient: return "gradient";
    case SceneKind::kPhoto: return "photo";
    case SceneKind::kNoise: return "noise";
  }
  return "?";
}

Scene MakeScene(SceneKind kind, int width, int height, std::uint32_t seed) {
  Scene scene{kind, width, height, {}, {}};
  scene.colours.reserve(static_cast<std::size_t>(width) * height);
  std::mt19937 random(seed);
  switch (kind) {
    case SceneKind::kFlatUi:
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) scene.colours.push_back(SceneColour(x % kSceneWidth, y % kSceneHeight));
      }
      break;
    case SceneKind::kGradient:
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) scene.colours.push_back(Wave(x, y, seed * 0.7));
      }
      break;
    case SceneKind::kPhoto: PaintPhoto(scene, random); break;
    case SceneKind::kNoise:
      for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) scene.colours.push_back(random() & 0xFFFFFF);
      break;
  }
  scene.file = Bmp24(width, height, [&](int x, int y) { return scene.At(x, y); });
  return scene;
}

ByteSet PresentTarget(const Scene& scene, int size) {
  int left = 0, top = 0;
  CropOrigin(scene, size, left, top);
  return Crop(scene, size, left, top);
}

ByteSet AbsentTarget(const Scene& scene, int size) {
  int left = 0, top = 0;
  CropOrigin(scene, size, left, top);
  // The top-left corner takes the nearest colour left of the crop's bottom row that has
  // another index than the corner's.
  const std::uint8_t corner = FixedPaletteIndex(scene.At(left, top));
  std::uint32_t other = scene.At(left, top) ^ 0x808080;
  for (int x = left - 1; x >= 0; --x) {
    if (FixedPaletteIndex(scene.At(x, top + size - 1)) != corner) {
      other = scene.At(x, top + size - 1);
      break;
    }
  }
  return Bmp24(size, size, [&](int x, int y) { return x == 0 && y == 0 ? other : scene.At(left + x, top + y); });
}

ByteSet FlatTarget(const Scene& scene, int width, int height) {
  const std::uint32_t colour = CommonColour(scene);
  return Bmp24(width, height, [&](int, int) { return colour; });
}

std::string CaseName(SceneKind kind, const Shot& shot, bool present, int size) {
  return std::string(NameOf(kind)) + " " + std::to_string(shot.width) + "x" + std::to_string(shot.height) +
         (present ? " present " : " absent ") + std::to_string(size);
}

}  // namespace pixfarrow::bench
