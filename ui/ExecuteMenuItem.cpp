#include "ui/ExecuteMenuItem.h"

#include <utility>

ExecuteMenuItem::ExecuteMenuItem(Menu& menu, std::string label, MenuAction action)
    : MenuItem(menu, std::move(label)), action(std::move(action)) {}

void ExecuteMenuItem::increase() {
    menu.setPendingAction(action);
}
