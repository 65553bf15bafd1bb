#pragma once
// Scenes of every kind a chat window shows, for the benchmarks: a flat UI (the chat scene),
// smooth gradients, photo-like content and random noise. Each is a colour per pixel
// (0x00RRGGBB), y from the top, the same on every call.
#include <cstdint>
#include <functional>

namespace pixfarrow::bench {

enum class SceneKind { FlatUi, Gradients, PhotoLike, Noise };

inline constexpr SceneKind kSceneKinds[] = {SceneKind::FlatUi, SceneKind::Gradients, SceneKind::PhotoLike,
                                            SceneKind::Noise};

const char* SceneKindName(SceneKind kind);

std::uint32_t SceneKindColour(SceneKind kind, int x, int y);

// Noise of its own seed: a patch of it is absent from every scene above.
std::uint32_t NoiseColour(std::uint32_t seed, int x, int y);

inline std::function<std::uint32_t(int, int)> SceneKindPainter(SceneKind kind) {
  return [kind](int x, int y) { return SceneKindColour(kind, x, y); };
}

}  // namespace pixfarrow::bench
