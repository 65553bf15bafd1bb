#pragma once
// One record per class: factory, qualified name and its hash.
#include <cstdint>
#include <memory>
#include <string_view>

namespace quorvela {

class CVolObject;

// h = h * 5 + byte over the name (32-bit wrap), stored as (h | 1) & 0x7FFFFFFF; empty gives 0.
std::int32_t classNameHash(std::string_view name);

struct ClassInfo {
  using Factory = std::unique_ptr<CVolObject> (*)();

  ClassInfo(std::string_view className, Factory makeObject);

  Factory factory;
  std::string_view name;
  std::int32_t nameLength;
  std::int32_t nameHash;

  // Same record, or equal hash, length and name bytes.
  bool denotesSameClass(const ClassInfo& other) const;
};

}  // namespace quorvela
