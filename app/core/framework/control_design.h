#pragma once
// Where a control goes and what it starts with, in design pixels at 96 DPI.
#include <optional>
#include <span>

namespace quorvela {

struct DesignRect {
  int left, top, width, height;
  bool operator==(const DesignRect&) const = default;
};

struct ControlDesign {
  int id;
  int parentId;            // 0: the page itself
  DesignRect bounds;
  const char* text;        // UTF-8; null: no text
  const char* font;        // font description; null: none set
};

// Each value separately: trunc(v * scale + 0.5).
DesignRect scaledRect(const DesignRect& design, double scale);

// The entry with this id, or nothing.
std::optional<ControlDesign> findDesign(std::span<const ControlDesign> table, int id);

}  // namespace quorvela
