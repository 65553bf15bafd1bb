#include "app/core/object/vol_object.h"

#include <cstdio>
#include <memory>

namespace quorvela {

namespace {
std::unique_ptr<CVolObject> makeBase() { return std::make_unique<CVolObject>(); }
}  // namespace

const ClassInfo& CVolObject::staticClassInfo() {
  static const ClassInfo info(kClassName, &makeBase);
  return info;
}

bool CVolObject::kindOf(const ClassInfo& info) { return staticClassInfo().denotesSameClass(info); }

const ClassInfo& CVolObject::classInfo() const { return staticClassInfo(); }

bool CVolObject::sameBaseWords(const CVolObject& other) const {
  return classInfo().denotesSameClass(other.classInfo()) &&
         (flags & kNullObject) == (other.flags & kNullObject) && spareWord == other.spareWord;
}

bool CVolObject::equals(const CVolObject& other) const { return sameBaseWords(other) && &other == this; }

std::unique_ptr<CVolObject> CVolObject::createInstance() const { return makeBase(); }

std::unique_ptr<CVolObject> CVolObject::clone() const {
  auto copy = createInstance();
  copy->assignFrom(*this);
  return copy;
}

int CVolObject::assignFrom(const CVolObject& other) {
  if (!other.isKindOf(classInfo())) return 0;
  releaseBeforeAssign();
  flags = other.flags;
  spareWord = other.spareWord;
  return 1;
}

void CVolObject::resetToDefault() {
  const CVolObject fresh;
  releaseBeforeAssign();
  *this = fresh;
}

void CVolObject::destroy(int destroyFlags) {
  if ((destroyFlags & kDestroyFree) && !(destroyFlags & kDestroyKeepStorage)) {
    delete this;
  } else {
    std::destroy_at(this);
  }
}

bool CVolObject::isKindOf(const ClassInfo& info) const { return kindOf(info); }

std::string CVolObject::describe() const {
  char address[32];
  std::snprintf(address, sizeof address, "%llX",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(this)));
  std::string text = "无法解析的对象数据,其输出类名为: \"";
  text += classInfo().name;
  text += "\", 地址为: 0x";
  text += address;
  if (isNullObject()) text += ", 为空对象";
  return text;
}

void CVolObject::readFromStream(VolStream* stream) {
  if (stream && stream->state() == VolStream::kInOrder) readMembers(*stream);
}

void CVolObject::writeToStream(VolStream* stream) const {
  if (stream && stream->state() == VolStream::kInOrder) writeMembers(*stream);
}

}  // namespace quorvela
