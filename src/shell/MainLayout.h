#pragma once
// The main window's whole menu, toolbar, status bar and panel layout as data,
// for controls::ToolBarControl::Build: the commands' tools from their rows in
// Commands.def, the other tools and the bands here. Needs a QApplication (it draws icons).
#include "controls/ToolBarControl.h"

namespace shell {

controls::ToolBarLayout MainLayout();

}  // namespace shell
