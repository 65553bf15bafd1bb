#pragma once
// The program's one top-level window: a fixed frame holding the navigation strip on the left
// and the content area on the right.
#include <tuple>

#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/win/framework/form.h"
#include "app/win/framework/panel.h"

namespace quorvela::win {

class MainForm : public MembersClass<MainForm, CVolWinForm> {
 public:
  static constexpr const char* kClassName = "quorvela::win::MainForm";
  static constexpr int kContentPanelId = 101;
  static constexpr int kNavPanelId = 102;
  // After the text that every framework control carries.
  static auto members(auto& self) { return std::tie(self.contentPanel, self.navPanel); }

  MainForm() { initialise(); }

  int clientWidth() const override;
  int clientHeight() const override;
  void createChildren() override;
  void bindEvents() override;

  static std::int32_t exitHandler(CVolObject* owner, CVolObject* sender, std::int32_t extra);

  Panel contentPanel;
  Panel navPanel;

 private:
  void initialise();

  EventOwner events_{*this};
};

}  // namespace quorvela::win
