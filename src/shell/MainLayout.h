#pragma once
// The main window's whole menu, toolbar, status bar and panel layout as data,
// for controls::ToolBarControl::Build. Needs a QApplication (it draws icons).
#include "controls/ToolBarControl.h"

namespace shell {

controls::ToolBarLayout MainLayout();

}  // namespace shell
