#pragma once
// The application base: the one application object registers itself before any member of
// the derived application is built.
#include "app/core/object/vol_class.h"

namespace quorvela {

class CVolUserApp : public VolClass<CVolUserApp, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::CVolUserApp";

  CVolUserApp() {
    if (!current_) current_ = this;
  }
  CVolUserApp(const CVolUserApp& other) : VolClass(other) {}
  CVolUserApp& operator=(const CVolUserApp&) = default;
  ~CVolUserApp() override {
    if (current_ == this) current_ = nullptr;
  }

  // The start method; 1 on success.
  virtual int appStart() { return 1; }

  static CVolUserApp* current() { return current_; }

 private:
  static inline CVolUserApp* current_ = nullptr;
};

}  // namespace quorvela
