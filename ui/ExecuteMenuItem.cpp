#include "ui/ExecuteMenuItem.h"

#include <utility>

ExecuteMenuItem::ExecuteMenuItem(Menu& menu, std::string label, MenuAction action,
                                 ActionPlace place)
    : MenuItem(menu, std::move(label)), action(std::move(action)), place(place) {}

void ExecuteMenuItem::increase() {
    menu.setPendingAction(action, place);
}
