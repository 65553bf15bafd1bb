#pragma once
// The application object: everything the program keeps, by value.
#include "app/win/framework/win_app.h"
#include "app/win/start/app_components.h"
#include "app/win/start/main_form.h"

namespace quorvela::win {

class Application : public VolClass<Application, CVolWinApp> {
 public:
  static constexpr const char* kClassName = "quorvela::win::Application";

  // Binds the library, creates the main form's window; 1.
  int appStart() override;

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

// The one application object (set before any of its members is built).
Application& theApplication();

}  // namespace quorvela::win
