#include "app/core/object/class_info.h"

namespace quorvela {

std::int32_t classNameHash(std::string_view name) {
  if (name.empty()) return 0;
  std::uint32_t h = 0;
  for (char c : name) h = h * 5u + static_cast<unsigned char>(c);
  return static_cast<std::int32_t>((h | 1u) & 0x7FFFFFFFu);
}

ClassInfo::ClassInfo(std::string_view className, Factory makeObject)
    : factory(makeObject),
      name(className),
      nameLength(static_cast<std::int32_t>(className.size())),
      nameHash(classNameHash(className)) {}

bool ClassInfo::denotesSameClass(const ClassInfo& other) const {
  if (this == &other) return true;
  return nameHash == other.nameHash && nameLength == other.nameLength && name == other.name;
}

}  // namespace quorvela
