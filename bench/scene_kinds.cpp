#include "bench/scene_kinds.h"

#include <cmath>

#include "bench/ui_scene.h"

namespace pixfarrow::bench {
namespace {

std::uint32_t Mix(std::uint32_t h) {
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  return h ^ (h >> 16);
}

std::uint32_t Lattice(std::uint32_t seed, int x, int y) {
  return Mix(seed ^ Mix(static_cast<std::uint32_t>(x) * 0x9E3779B1u ^ static_cast<std::uint32_t>(y) * 0x85EBCA77u));
}

std::uint8_t Channel(double v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

std::uint32_t Rgb(double r, double g, double b) {
  return static_cast<std::uint32_t>(Channel(r)) << 16 | static_cast<std::uint32_t>(Channel(g)) << 8 | Channel(b);
}

// Soft colour fields that cross each other: every pixel a little different from the next.
std::uint32_t GradientColour(int x, int y) {
  const double fx = x, fy = y;
  const double r = 128 + 120 * std::sin(fx / 97 + std::sin(fy / 53));
  const double g = 128 + 120 * std::sin(fy / 71 + 1.3 * std::cos(fx / 89));
  const double b = 128 + 120 * std::sin((fx + fy) / 131 + std::sin(fx / 37) / 2);
  return Rgb(r, g, b);
}

// Value noise of one channel at one grid size: smooth between random lattice points.
double Smooth(std::uint32_t seed, int x, int y, int cell) {
  const int cx = x / cell, cy = y / cell;
  const double tx = static_cast<double>(x % cell) / cell, ty = static_cast<double>(y % cell) / cell;
  const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  auto at = [&](int i, int j) { return static_cast<double>(Lattice(seed, cx + i, cy + j) & 0xFF); };
  const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * sx;
  const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * sx;
  return top + (bottom - top) * sy;
}

// Shapes at several scales with the grain of a camera: like a photo or a sticker.
std::uint32_t PhotoColour(int x, int y) {
  double c[3];
  for (std::uint32_t k = 0; k < 3; ++k) {
    c[k] = 0.55 * Smooth(11 + k, x, y, 96) + 0.3 * Smooth(23 + k, x, y, 24) + 0.15 * Smooth(37 + k, x, y, 6);
    c[k] += static_cast<double>(Lattice(53 + k, x, y) % 13) - 6;
  }
  return Rgb(c[0], c[1], c[2]);
}

}  // namespace

const char* SceneKindName(SceneKind kind) {
  switch (kind) {
    case SceneKind::FlatUi: return "flat UI";
    case SceneKind::Gradients: return "gradients";
    case SceneKind::PhotoLike: return "photo-like";
    case SceneKind::Noise: return "noise";
  }
  return "?";
}

std::uint32_t NoiseColour(std::uint32_t seed, int x, int y) { return Lattice(seed, x, y) & 0xFFFFFF; }

std::uint32_t SceneKindColour(SceneKind kind, int x, int y) {
  switch (kind) {
    case SceneKind::FlatUi: return SceneColour(x, y);
    case SceneKind::Gradients: return GradientColour(x, y);
    case SceneKind::PhotoLike: return PhotoColour(x, y);
    case SceneKind::Noise: return NoiseColour(0x5EED, x, y);
  }
  return 0;
}

}  // namespace pixfarrow::bench
