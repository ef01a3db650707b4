#pragma once

#include "world/GLinkedList.h"
#include "world/TrooperKit.h"

class ActionSource;
class Soldier;
struct AudioSettings;

// The troopers in play, one or two. The game runs while the list holds one.
// It loads and owns the pictures and sounds that troopers and their weapons
// share.
class Soldiers : public GLinkedList {
  public:
    // Loads the shared pictures and sounds from the data folders; the sounds
    // play at the effects volume of audio, which must outlive the list.
    explicit Soldiers(const AudioSettings& audio);
    // Leaves the kit empty: troopers then draw nothing and make no sound.
    Soldiers();
    // The troopers go before the kit they draw with.
    ~Soldiers() override;

    // Player 1's trooper into an empty list, player 2's otherwise; keys (not
    // owned) say which of that player's actions are held.
    Soldier* addTrooper(const ActionSource* keys);
    // Every living trooper dies, as when the players give up.
    void killAll();


    static constexpr int32_t kPlayer1X = 160;
    static constexpr int32_t kPlayer2X = 480;
    static constexpr int32_t kStartY = 240;
    static constexpr int32_t kPlayer1HudY = 440;
    static constexpr int32_t kPlayer2HudY = 10;

  private:
    TrooperKit kit;
};
