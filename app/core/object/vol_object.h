#pragma once
// The base of every class of the program and the operations each class carries.
#include <cstdint>
#include <memory>
#include <string>

#include "app/core/object/class_info.h"
#include "app/core/object/vol_stream.h"

namespace quorvela {

class CVolObject {
 public:
  static constexpr std::int32_t kNullObject = 1;   // stands for no object
  static constexpr std::int32_t kDestroying = 2;   // a form or handler has begun its destruction

  // destroy() flags
  static constexpr int kDestroyFree = 1;
  static constexpr int kDestroyKeepStorage = 4;

  static constexpr const char* kClassName = "quorvela::CVolObject";

  CVolObject() = default;
  CVolObject(const CVolObject&) = default;
  CVolObject& operator=(const CVolObject&) = default;
  virtual ~CVolObject() = default;

  static const ClassInfo& staticClassInfo();
  static bool kindOf(const ClassInfo& info);

  virtual const ClassInfo& classInfo() const;
  virtual bool equals(const CVolObject& other) const;
  virtual std::unique_ptr<CVolObject> createInstance() const;
  virtual std::unique_ptr<CVolObject> clone() const;
  virtual int assignFrom(const CVolObject& other);
  virtual void resetToDefault();
  // Members in reverse order, then the base; the storage is freed when bit 0 is set and
  // bit 2 clear (the object must then come from createInstance or clone).
  virtual void destroy(int flags);
  virtual bool isKindOf(const ClassInfo& info) const;
  std::string describe() const;
  // Nothing happens unless the stream exists and is in order.
  void readFromStream(VolStream* stream);
  void writeToStream(VolStream* stream) const;
  virtual void releaseBeforeAssign() {}

  bool isNullObject() const { return (flags & kNullObject) != 0; }

  std::int32_t flags = 0;
  std::int32_t spareWord = 0;

 protected:
  // The members in their order; only called on a stream in order.
  virtual void readMembers(VolStream&) {}
  virtual void writeMembers(VolStream&) const {}
  // Same class, same null bit and same spare word.
  bool sameBaseWords(const CVolObject& other) const;
};

}  // namespace quorvela
