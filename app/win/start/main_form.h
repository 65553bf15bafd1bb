#pragma once
// The program's one top-level window: a fixed frame holding the navigation strip on the left
// and the content area on the right.
#include "app/core/object/event_object_pointer.h"
#include "app/win/framework/form.h"
#include "app/win/framework/panel.h"

namespace quorvela::win {

class MainForm : public VolClass<MainForm, CVolWinForm> {
 public:
  static constexpr const char* kClassName = "quorvela::win::MainForm";
  static constexpr int kContentPanelId = 101;
  static constexpr int kNavPanelId = 102;

  MainForm() { initialise(); }
  MainForm(const MainForm& other) : MainForm() { *this = other; }
  // Copies the base words, the text and the panels; keeps this form's own event record.
  MainForm& operator=(const MainForm& other);
  ~MainForm() override;

  int clientWidth() const override;
  int clientHeight() const override;
  void createChildren() override;
  void bindEvents() override;

  static std::int32_t exitHandler(CVolObject* owner, CVolObject* sender, std::int32_t extra);

  Panel contentPanel;
  Panel navPanel;

 protected:
  void readMembers(VolStream& stream) override;
  void writeMembers(VolStream& stream) const override;

 private:
  void initialise();

  EventRecord events_;
};

}  // namespace quorvela::win
