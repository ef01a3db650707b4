#include "app/GameSession.h"

#include "world/Aliens.h"
#include "world/Collision.h"
#include "world/PowerUps.h"
#include "world/Soldiers.h"

namespace {
// Contacts are looked up in cells of 4x4 pixels.
constexpr int32_t kCollisionShift = 2;
constexpr int32_t kMaxPowerUps = 8;
constexpr int32_t kSchedulerCapacity = 10;
// Event 0 brings aliens, event 1 power-ups.
constexpr int32_t kAlienEvent = 0;
constexpr int32_t kFirstAlienInterval = 8;
constexpr int32_t kPowerUpInterval = 100;
// Aliens come one frame sooner each time the score has grown by more than
// this, but never more often than every kShortestAlienInterval frames.
constexpr int32_t kPointsPerStep = 20;
constexpr int32_t kShortestAlienInterval = 2;
} // namespace

GameSession::GameSession(int32_t width, int32_t height, LevelTable* levels,
                         const AudioSettings& audio)
    : map(std::make_unique<Collision>(width, height, kCollisionShift)),
      troopList(std::make_unique<Soldiers>(audio)),
      alienList(std::make_unique<Aliens>(*troopList, levels, audio)),
      powerUpList(std::make_unique<PowerUps>(kMaxPowerUps, audio)) {}

GameSession::~GameSession() = default;

void GameSession::begin(const ActionSource* player1, const ActionSource* player2) {
    arrivals.emplace(kSchedulerCapacity);
    arrivals->addRepeating(kFirstAlienInterval, [this] { alienList->spawn(); });
    arrivals->addRepeating(kPowerUpInterval, [this] { powerUpList->spawn(); });
    mark = 0;
    reset();
    troopList->addTrooper(player1);
    if (player2 != nullptr) {
        troopList->addTrooper(player2);
    }
}

int32_t GameSession::score() const {
    return alienList->getScore();
}

void GameSession::setScore(int32_t points) {
    alienList->setScore(points);
}

void GameSession::end() {
    arrivals.reset();
}

void GameSession::reset() {
    alienList->clear();
    troopList->clear();
    powerUpList->clear();
    alienList->setScore(0);
}

void GameSession::update(Image& playfield) {
    // Newcomers arrive before the map is drawn up, so they are in it.
    if (arrivals) {
        arrivals->tick();
    }
    map->clear();
    alienList->forEachRegister(*map);
    powerUpList->forEachRegister(*map);
    // Troopers walk, fire and fly their shots through the map; what the
    // shots meet is hurt there and then.
    troopList->forEachAct(*map);
    // Debris at rest becomes stains in the background, and whoever is done
    // leaves: a dead alien scores as it goes.
    troopList->forEachAfterAct(playfield);
    alienList->forEachAfterAct(playfield);
    // What the light pass shows: muzzle flashes, sparks, embers, death rings.
    troopList->forEachUpdateLights();
    // Then what the sprites show: power-ups drift, debris flies, flames
    // flicker, troopers take this frame's picture. Aliens walk last, as they
    // always have, toward the troopers where they now stand.
    powerUpList->forEachUpdate();
    troopList->forEachUpdate();
    alienList->forEachUpdate();
    // The frame's score is settled: aliens may come sooner from the next on.
    stepDifficulty();
}

void GameSession::addLights(Light& light) const {
    // Light goes onto the background, under the sprites.
    troopList->forEachAddLights(light);
    alienList->forEachAddLights(light);
    powerUpList->forEachAddLights(light);
}

void GameSession::draw(Buffer& screen) const {
    powerUpList->forEachDraw(screen);
    troopList->forEachDraw(screen);
    // Aliens over everything else, then the score and the level tag.
    alienList->drawFrame(screen);
}

void GameSession::stepDifficulty() {
    const int32_t score = alienList->getScore();
    if (score <= mark + kPointsPerStep || !arrivals) {
        return;
    }
    const ScheduledEvent* aliensEvent = arrivals->event(kAlienEvent);
    if (aliensEvent != nullptr && aliensEvent->interval > kShortestAlienInterval) {
        arrivals->setInterval(kAlienEvent, aliensEvent->interval - 1);
    }
    mark = score;
}
