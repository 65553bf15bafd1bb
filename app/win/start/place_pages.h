#pragma once
#include "app/win/start/app_components.h"
#include "app/win/start/main_form.h"

namespace quorvela::win {

// Creates the page windows inside the main form's panels: the navigation bar in NavPanel,
// then the control centre in ContentPanel, each filling its panel.
void PlacePages(MainForm& form, PageSet& pages);

}  // namespace quorvela::win
