#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/ReplayStore.h"

class Game;
class InputDevices;

// The kept replays, best first, a line each with name, score, level tag and
// players, the last game marked and the unplayable ones said to be so. Up
// and Down choose, Return watches the chosen one, Escape leaves.
class ReplayListScreen {
  public:
    static constexpr int32_t kVisibleRows = 14;
    static constexpr size_t kNameChars = 16;

    explicit ReplayListScreen(Game& game);
    // Until Escape or a request to quit.
    void run();

    // What is shown for one kept replay, column by column.
    static std::vector<std::string> columnsFor(const ReplayStore::Entry& entry);

  private:
    void readKeys();
    void move(int32_t rows);
    void draw() const;
    void watchChosen();

    Game& game;
    InputDevices& devices;
    std::vector<ReplayStore::Entry> entries;
    int32_t chosen = 0;
    int32_t top = 0;
    bool leaving = false;
};
