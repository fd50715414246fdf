#pragma once
// The title block of the design in the window, for the printout and the
// exported pictures: its file, wire and activation, dated today, numbers in
// the user's locale.

#include <vector>

#include "render/title_block.h"

namespace torvik {

class TMainForm;

// The rows of TitleRows for the open design, its file and the activation
// settings, with today's date as YYYY-MM-DD.
std::vector<TTitleRow> WindowTitleRows(TMainForm& aForm);

}  // namespace torvik
