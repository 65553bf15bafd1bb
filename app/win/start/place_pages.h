#pragma once
namespace quorvela::win {

// Creates the page windows inside the main form's panels: the navigation bar in NavPanel,
// then the control centre in ContentPanel, each filling its panel.
void PlacePages();

}  // namespace quorvela::win
