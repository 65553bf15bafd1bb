#pragma once
// Holders of the application's parts. The pages and handlers join them in later steps.
#include "app/core/empty_component.h"
#include "app/core/run_state.h"

namespace quorvela::win {

class PageSet : public VolClass<PageSet, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::PageSet";
};

class HandlerSet : public VolClass<HandlerSet, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::HandlerSet";

  EmptyComponent emptyComponent;

 protected:
  void readMembers(VolStream& stream) override { emptyComponent.readFromStream(&stream); }
  void writeMembers(VolStream& stream) const override { emptyComponent.writeToStream(&stream); }
};

class AppComponents : public VolClass<AppComponents, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::AppComponents";

  PageSet pageSet;
  HandlerSet handlerSet;
  RunState runState;

 protected:
  void readMembers(VolStream& stream) override {
    pageSet.readFromStream(&stream);
    handlerSet.readFromStream(&stream);
    runState.readFromStream(&stream);
  }
  void writeMembers(VolStream& stream) const override {
    pageSet.writeToStream(&stream);
    handlerSet.writeToStream(&stream);
    runState.writeToStream(&stream);
  }
};

}  // namespace quorvela::win
