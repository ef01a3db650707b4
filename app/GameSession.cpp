// The game session: one game from the menu's choice to the last trooper
// leaving the playfield, and the frame loop that runs it.
#include <cstdlib>

#include "app/EventScheduler.h"
#include "app/Game.h"
#include "app/Globals.h"
#include "app/Pause.h"
#include "app/ReplayViewer.h"
#include "audio/ModMusic.h"
#include "audio/Sounds.h"
#include "gfx/Buffer.h"
#include "gfx/FlowFader.h"
#include "gfx/FrameTimer.h"
#include "gfx/Image.h"
#include "gfx/Light.h"
#include "input/Focus.h"
#include "input/GuideKeys.h"
#include "input/Interfaces.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "input/QuitRequest.h"
#include "world/Aliens.h"
#include "world/Collision.h"
#include "world/PowerUps.h"
#include "world/Soldiers.h"

namespace {
constexpr int32_t kSchedulerCapacity = 10;
// Event 0 brings aliens, event 1 power-ups.
constexpr int32_t kAlienEvent = 0;
constexpr int32_t kFirstAlienInterval = 8;
constexpr int32_t kPowerUpInterval = 100;
// Aliens come one frame sooner each time the score has grown by more than
// this, but never more often than every kShortestAlienInterval frames.
constexpr int32_t kPointsPerStep = 20;
constexpr int32_t kShortestAlienInterval = 2;
constexpr int32_t kStartSignal = 0;

void spawnAlien() {
    currentGame->aliens->spawn();
}

void spawnPowerUp() {
    currentGame->powerUps->spawn();
}
} // namespace

void Game::playGame(int32_t players, uint32_t seed) {
    // The picture that was showing flows off over the first frames.
    fader->start();
    lastPlayers = players;
    delete background;
    background = new Image("pics/tausta2", kScreenWidth, kScreenHeight);
    // Blood and slime are stamped into the picture, so it draws into itself.
    background->attachBlitter();
    session = new EventScheduler(kSchedulerCapacity);
    session->addRepeating(kFirstAlienInterval, spawnAlien);
    session->addRepeating(kPowerUpInterval, spawnPowerUp);
    levelMark = 0;
    // Every game picks a piece of its own from the music folder.
    replaceMusic(nullptr);
    currentMusic->play();
    // From here on the game's course follows from the seed and the inputs.
    std::srand(seed);
    resetWorld();
    troopers->addTrooper(inputs.player(0));
    if (players > 1) {
        troopers->addTrooper(inputs.player(1));
    }
    inputFocus->current = keyboard;
    // Presses latched in the front end must not pause or end the game.
    keyboard->consumeEscape();
    keyboard->consumeF1();
    // In play the pads steer troopers: their second button is no Escape. A
    // replay reads no pad, so there they steer the screens as ever.
    joystick->setSteersScreens(inputs.isPlayingBack());
    runFrames();
    joystick->setSteersScreens(true);
    inputFocus->current = nullptr;
    fader->start();
    delete session;
    session = nullptr;
}

void Game::resetWorld() {
    aliens->clear();
    troopers->clear();
    powerUps->clear();
    score = 0;
}

void Game::runFrames() {
    generalSounds->play(kStartSignal);
    pumpEvents();
    const uint32_t start = clock->now();
    uint32_t paused = 0;
    // A request to quit ends the game as Escape does, but does not wait for
    // the troopers' debris to land.
    while (!troopers->isEmpty() && !QuitRequest::isRaised() &&
           (viewer == nullptr || viewer->carriesOn())) {
        paused += runFrame();
    }
    // No game time passes while the game is paused.
    msPlayed += clock->now() - start - paused;
    pumpEvents();
}

uint32_t Game::runFrame() {
    if (frameHook) {
        frameHook();
    }
    pumpEvents();
    const ReplayInput input = inputs.next();
    troopers->forEachReadControls();
    if ((input & Replay::kEscapeBit) != 0) {
        troopers->killAll();
    }
    // A recorded pause changed nothing in the game, so playback runs on.
    const bool pausing = (input & Replay::kF1Bit) != 0 && !inputs.isPlayingBack();
    const uint32_t paused = pausing ? pause->run() : 0;
    updateWorld();
    endPhase(kPhaseUpdated);
    // Stains stamped by this frame's update are in the picture already.
    background->draw();
    endPhase(kPhaseBackground);
    // Light goes onto the background, under the sprites.
    troopers->forEachAddLights(*light);
    aliens->forEachAddLights(*light);
    powerUps->forEachAddLights(*light);
    endPhase(kPhaseLit);
    powerUps->forEachDraw();
    troopers->forEachDraw();
    // Aliens over everything else, then the score and the level tag.
    aliens->drawFrame();
    // The old picture flows off over the new one; its columns fall by random
    // numbers of their own, drawn after the world's.
    fader->step();
    if (viewer != nullptr) {
        viewer->drawMark();
    }
    endPhase(kPhaseDrawn);
    if (viewer == nullptr || viewer->waits()) {
        waitForFrame();
    }
    endPhase(kPhaseWaited);
    screen->flip();
    endPhase(kPhaseFlipped);
    return paused;
}

// Everything that moves, turns, counts, spawns, scores, settles or stamps
// stains, in the order that play and its random numbers have always taken.
void Game::updateWorld() {
    // Newcomers arrive before the map is drawn up, so they are in it.
    session->tick();
    collision->clear();
    aliens->forEachRegister(*collision);
    powerUps->forEachRegister(*collision);
    // Troopers walk, fire and fly their shots through the map; what the
    // shots meet is hurt there and then.
    troopers->forEachAct(*collision);
    // Debris at rest becomes stains in the background, and whoever is done
    // leaves: a dead alien scores as it goes.
    troopers->forEachAfterAct();
    aliens->forEachAfterAct();
    // What the light pass shows: muzzle flashes, sparks, embers, death rings.
    troopers->forEachUpdateLights();
    // Then what the sprites show: power-ups drift, debris flies, flames
    // flicker, troopers take this frame's picture. Aliens walk last, as they
    // always have, toward the troopers where they now stand.
    powerUps->forEachUpdate();
    troopers->forEachUpdate();
    aliens->forEachUpdate();
    // The frame's score is settled: aliens may come sooner from the next on.
    stepDifficulty();
    ++framesPlayed;
}

void Game::waitForFrame() {
    while (!frameTimer->tick()) {
    }
}

void Game::stepDifficulty() {
    if (score <= levelMark + kPointsPerStep) {
        return;
    }
    const ScheduledEvent* aliensEvent = session->event(kAlienEvent);
    if (aliensEvent != nullptr && aliensEvent->interval > kShortestAlienInterval) {
        session->setInterval(kAlienEvent, aliensEvent->interval - 1);
    }
    levelMark = score;
}
