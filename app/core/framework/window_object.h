#pragma once
// The portable part of every form and control: its text, its shared window and the events
// that every window raises. A copy shares the window and takes over no event binding.
#include <memory>
#include <string>

#include "app/core/framework/window_link.h"
#include "app/core/framework/window_message.h"
#include "app/core/object/event_slot.h"
#include "app/core/object/vol_class.h"

namespace quorvela {

class WindowObject : public VolClass<WindowObject, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::WindowObject";

  WindowObject() : link_(std::make_shared<WindowLink>()) {}
  WindowObject(const WindowObject& other) : VolClass(other), text(other.text), link_(other.link_) {}
  WindowObject& operator=(const WindowObject& other);
  ~WindowObject() override { withdrawAsListener(); }

  // Withdraws this object as its window's listener.
  void releaseBeforeAssign() override { withdrawAsListener(); }

  // From now on the window reports its messages to this object.
  void listenToWindow() { link_->listen(this); }
  bool isListening() const { return link_->listener() == this; }

  const std::shared_ptr<WindowLink>& link() const { return link_; }
  std::uintptr_t windowHandle() const { return link_->handle(); }
  bool hasWindow() const { return windowHandle() != 0; }

  // Called by the framework for each message of the window while this object listens;
  // true when the message was handled and its result set.
  virtual bool onMessage(WindowMessage&) { return false; }

  std::string text;
  EventSlot<> createdEvent;
  EventSlot<> destroyedEvent;

 protected:
  void readMembers(VolStream& stream) override { stream.readText(text); }
  void writeMembers(VolStream& stream) const override { stream.writeText(text); }

 private:
  void withdrawAsListener() {
    if (link_) link_->withdraw(this);
  }

  std::shared_ptr<WindowLink> link_;
};

// A handler adopts a page's control: its own copy is released from its window, then
// becomes a copy of the page's control, sharing that control's window.
template <class Control>
void Adopt(Control& copy, const Control& pageControl) {
  copy.releaseBeforeAssign();
  copy = pageControl;
}

inline WindowObject& WindowObject::operator=(const WindowObject& other) {
  if (this != &other) {
    withdrawAsListener();
    CVolObject::operator=(other);
    text = other.text;
    link_ = other.link_;
  }
  return *this;
}

}  // namespace quorvela
