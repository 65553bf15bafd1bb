#pragma once
// The application object: everything the program keeps, by value, and the library it binds.
#include "app/win/framework/win_app.h"
#include "app/win/library_binding/bound_library.h"
#include "app/win/start/app_components.h"
#include "app/win/start/main_form.h"

namespace quorvela::win {

class Application : public VolClass<Application, CVolWinApp> {
 public:
  static constexpr const char* kClassName = "quorvela::win::Application";

  // Builds the tree and hands each page and handler its links, before any window exists.
  Application();
  // Copies the base words, the form and the components; keeps this object's library and
  // links.
  Application& operator=(const Application& other);

  // Binds the library, creates the main form's window, places the pages; 1.
  int appStart() override;

  // Destroyed last: nothing of the tree calls the library once it is gone.
  BoundLibrary library;
  MainForm mainForm;
  AppComponents components;

 protected:
  void readMembers(VolStream& stream) override {
    mainForm.readFromStream(&stream);
    components.readFromStream(&stream);
  }
  void writeMembers(VolStream& stream) const override {
    mainForm.writeToStream(&stream);
    components.writeToStream(&stream);
  }
};

}  // namespace quorvela::win
