// One game from the menu's choice to the last trooper leaving the
// playfield, and the frame loop that runs it.
#include <cstdlib>

#include "app/Game.h"
#include "app/GameSession.h"
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
#include "input/InputDevices.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "input/QuitRequest.h"
#include "world/Soldiers.h"

namespace {
constexpr int32_t kStartSignal = 0;
} // namespace

void Game::playGame(int32_t players, uint32_t seed) {
    // The picture that was showing flows off over the first frames.
    fader->start();
    lastPlayers = players;
    playfield.reset();
    playfield = std::make_unique<Image>("pics/tausta2", kScreenWidth, kScreenHeight);
    // Blood and slime are stamped into the picture, so it draws into itself.
    playfield->attachBlitter();
    // Every game picks a piece of its own from the music folder.
    replaceMusic(nullptr);
    currentMusic->play();
    // From here on the game's course follows from the seed and the inputs.
    std::srand(seed);
    world->begin(inputs.player(0), players > 1 ? inputs.player(1) : nullptr);
    devices->focus().current = &devices->keyboard();
    // Presses latched in the front end must not pause or end the game.
    devices->keyboard().consumeEscape();
    devices->keyboard().consumeF1();
    // In play the pads steer troopers: their second button is no Escape. A
    // replay reads no pad, so there they steer the screens as ever.
    devices->joystick().setSteersScreens(inputs.isPlayingBack());
    runFrames();
    devices->joystick().setSteersScreens(true);
    devices->focus().current = nullptr;
    fader->start();
    world->end();
}

void Game::runFrames() {
    generalSounds->play(kStartSignal);
    devices->pump();
    const uint32_t start = clock->now();
    uint32_t paused = 0;
    // A request to quit ends the game as Escape does, but does not wait for
    // the troopers' debris to land.
    while (!world->troopers().isEmpty() && !QuitRequest::isRaised() &&
           (viewer == nullptr || viewer->carriesOn())) {
        paused += runFrame();
    }
    // No game time passes while the game is paused.
    msPlayed += clock->now() - start - paused;
    devices->pump();
}

uint32_t Game::runFrame() {
    if (frameHook) {
        frameHook();
    }
    devices->pump();
    const ReplayInput input = inputs.next(devices->keyboard());
    world->troopers().forEachReadControls();
    if ((input & Replay::kEscapeBit) != 0) {
        world->troopers().killAll();
    }
    // A recorded pause changed nothing in the game, so playback runs on.
    const bool pausing = (input & Replay::kF1Bit) != 0 && !inputs.isPlayingBack();
    const uint32_t paused = pausing ? pause->run(*devices) : 0;
    world->update(*playfield);
    ++framesPlayed;
    endPhase(kPhaseUpdated);
    // Stains stamped by this frame's update are in the picture already.
    playfield->draw(*display);
    endPhase(kPhaseBackground);
    // Light goes onto the background, under the sprites.
    world->addLights(*light);
    endPhase(kPhaseLit);
    world->draw(*display);
    // The old picture flows off over the new one; its columns fall by random
    // numbers of their own, drawn after the world's.
    fader->step();
    if (viewer != nullptr) {
        viewer->drawMark(*display);
    }
    endPhase(kPhaseDrawn);
    if (viewer == nullptr || viewer->waits()) {
        waitForFrame();
    }
    endPhase(kPhaseWaited);
    display->flip();
    endPhase(kPhaseFlipped);
    return paused;
}

void Game::waitForFrame() {
    while (!frameTimer->tick()) {
    }
}
