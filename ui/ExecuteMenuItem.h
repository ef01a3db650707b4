#pragma once

#include <string>

#include "ui/Menu.h"
#include "ui/MenuItem.h"

// A menu line that chooses an action: it hands the action to its menu, and
// the screen running the menu runs it where place says.
class ExecuteMenuItem : public MenuItem {
  public:
    ExecuteMenuItem(Menu& menu, std::string label, MenuAction action,
                    ActionPlace place = ActionPlace::kAfterScreen);

    void increase() override;

  private:
    MenuAction action;
    ActionPlace place;
};
