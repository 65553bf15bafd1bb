#pragma once
// The application object: everything the program keeps, by value, and the library it binds.
#include <tuple>

#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
#include "app/win/framework/win_app.h"
#include "app/win/library_binding/bound_library.h"
#include "app/win/start/app_components.h"
#include "app/win/start/main_form.h"

namespace quorvela::win {

class Application : public MembersClass<Application, CVolWinApp> {
 public:
  static constexpr const char* kClassName = "quorvela::win::Application";
  static auto members(auto& self) { return std::tie(self.mainForm, self.components); }

  // Builds the tree and hands each page and handler its links, before any window exists.
  Application();

  // Binds the library, creates the main form's window, places the pages; 1.
  int appStart() override;

  // Each application binds its own; destroyed last, when nothing of the tree calls it.
  PerObject<BoundLibrary> library;
  MainForm mainForm;
  AppComponents components;
};

}  // namespace quorvela::win
