#include "app/win/start/main_form.h"

#include "app/core/framework/ui_scale.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/start/program_main.h"

namespace quorvela::win {

namespace {
constexpr int kDesignWidth = 700;
constexpr int kDesignHeight = 500;
constexpr int kNavWidth = 47;
constexpr int kContentWidth = 653;
constexpr int kIconResource = 100;
}  // namespace

void MainForm::initialise() {
  text = "Quorvela2025版";
  properties.sizable = false;
  properties.maximizeBox = false;
  properties.minimizeBox = true;
  properties.centred = true;
  properties.visible = true;
  properties.iconResource = kIconResource;
  properties.background = kSystemColour;
}

int MainForm::clientWidth() const { return UiScale::px(kDesignWidth); }
int MainForm::clientHeight() const { return UiScale::px(kDesignHeight); }

void MainForm::createChildren() {
  bindEvents();
  HWND window = windowOf(*this);

  contentPanel.background = 0xFFFFFF;
  contentPanel.create({window, this, UiScale::px(kNavWidth), UiScale::px(0), UiScale::px(kContentWidth),
                       UiScale::px(kDesignHeight), kContentPanelId, ""});

  navPanel.background = kSystemColour;
  navPanel.create({window, this, 0, 0, UiScale::px(kNavWidth), UiScale::px(kDesignHeight), kNavPanelId, ""});
}

void MainForm::bindEvents() {
  destroyedEvent.bind(&MainForm::exitHandler, events_.record(), 0);
  listenToWindow();
}

std::int32_t MainForm::exitHandler(CVolObject*, CVolObject*, std::int32_t) { ExitProgramNow(); }

}  // namespace quorvela::win
