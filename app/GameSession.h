#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "app/EventScheduler.h"

class ActionSource;
struct AudioSettings;
class Aliens;
class Buffer;
class Collision;
class Image;
class LevelTable;
class Light;
class PowerUps;
class Soldiers;

// One game's world: the troopers, the aliens and the power-ups, the map in
// which they meet, and the scheduler and difficulty that bring the aliens.
class GameSession {
  public:
    // Loads what troopers, aliens and power-ups show, on a playfield of
    // width x height; levels (not owned, may be null) picks the level tag.
    // Their sounds play at the effects volume of audio, which must outlive
    // the session.
    GameSession(int32_t width, int32_t height, LevelTable* levels, const AudioSettings& audio);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // A new game: the world empties, the score is 0, the scheduler starts
    // afresh, and a trooper comes for each player's keys (player2 null for
    // a game of one).
    void begin(const ActionSource* player1, const ActionSource* player2);
    // No more arrivals until the next game.
    void end();
    // Empties the aliens, the troopers and the power-ups; the score is 0.
    void reset();
    // Everything that moves, turns, counts, spawns, scores, settles or stamps
    // stains (into the playfield picture), in the order that play and its
    // random numbers have always taken.
    void update(Image& playfield);
    // The lights of the world, then its sprites; neither changes the world.
    void addLights(Light& light) const;
    void draw(Buffer& screen) const;

    Soldiers& troopers() { return *troopList; }
    Aliens& aliens() { return *alienList; }
    PowerUps& powerUps() { return *powerUpList; }
    const Soldiers& troopers() const { return *troopList; }
    const Aliens& aliens() const { return *alienList; }
    const PowerUps& powerUps() const { return *powerUpList; }
    // One point per alien killed in the game under way or the last one; the
    // front end marks it -1 until the first game.
    int32_t score() const;
    // The menu's shows play through this world, and put its score back.
    void setScore(int32_t points);
    // Null between games.
    const EventScheduler* scheduler() const { return arrivals ? &*arrivals : nullptr; }

  private:
    void stepDifficulty();

    // Made in this order, which is the order of the loading report; each is
    // gone before what it refers to: aliens before the troopers they hunt.
    std::unique_ptr<Collision> map;
    std::unique_ptr<Soldiers> troopList;
    std::unique_ptr<Aliens> alienList;
    std::unique_ptr<PowerUps> powerUpList;
    std::optional<EventScheduler> arrivals;
    int32_t mark = 0;
};
