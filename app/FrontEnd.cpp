// The front end: the title, the main menu over the playfield with the
// high-score table, the setup and key screens, help and credits. Every
// screen pumps events, draws, waits for the frame tick and flips once.
#include <SDL.h>
#include <cmath>
#include <cstdio>

#include "app/Game.h"
#include "app/GameSession.h"
#include "app/Title.h"
#include "audio/ModMusic.h"
#include "gfx/Bob.h"
#include "gfx/Buffer.h"
#include "gfx/FlowFader.h"
#include "gfx/Font.h"
#include "gfx/FrameTimer.h"
#include "gfx/Image.h"
#include "gfx/Light.h"
#include "input/Focus.h"
#include "input/Input.h"
#include "input/InputDevices.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "input/QuitRequest.h"
#include "store/ScoreComment.h"
#include "ui/Help.h"
#include "ui/HighScoreTable.h"
#include "ui/Menu.h"
#include "ui/ScreenFrame.h"

namespace {
constexpr int32_t kLogoX = 549;
constexpr int32_t kLogoY = 456;
constexpr int32_t kLogoWidth = 90;
constexpr int32_t kLogoHeight = 16;
constexpr int32_t kMenuPhases = 125;
// The two cones sweep round the left of the menu, in light cells.
constexpr int32_t kConeX = 140;
constexpr int32_t kUpperConeY = 90;
constexpr int32_t kLowerConeY = 150;
constexpr int32_t kConeRadius = 75;
constexpr int32_t kConeWidth = 8;
constexpr int32_t kConeLeft = 24;
constexpr double kConeSwing = 5.0;
constexpr double kConeSpeed = 0.25;
constexpr int32_t kTableX = 50;
constexpr int32_t kTableY = 70;
constexpr int32_t kScoreOffset = 200;
constexpr int32_t kMessageX = 50;
constexpr int32_t kMessageY = 450;
constexpr int32_t kHeadingY = 40;
constexpr int32_t kNoScore = -1;
constexpr const char* kNewName = "Mister X";
constexpr int32_t kHelpPages = 4;
constexpr int32_t kHelpSpeed = 6;
constexpr int32_t kCreditPages = 1;
constexpr int32_t kCreditsSpeed = 4;
constexpr int64_t kMsPerSecond = 1000;

void waitFor(FrameTimer& timer) {
    while (!timer.tick()) {
    }
}
} // namespace

void Game::run() {
    showTitle();
    while (quit == 0) {
        mainMenuPass();
    }
    // Whoever closes the window or stops the program wants it gone now.
    if (!QuitRequest::isRaised()) {
        showCredits();
    }
    if (currentMusic != nullptr) {
        currentMusic->stop();
    }
    const int64_t seconds = msPlayed / kMsPerSecond;
    if (seconds > 0) {
        std::printf("You played for %d seconds with %d fps\n", static_cast<int>(seconds),
                    static_cast<int>(framesPlayed * kMsPerSecond / msPlayed));
    }
}

void Game::showTitle() {
    Title title(*display, goldFont.get(), *clock, audio);
    ModMusic::setContinuation(ModMusic::kContinueLoop);
    // The title runs in silence; the menu's piece waits for the menu.
    replaceMusic("sounds/menu");
    title.run(*devices);
    devices->pump();
}

void Game::mainMenuPass() {
    if (playfield == nullptr) {
        playfield = std::make_unique<Image>("pics/tausta2", kScreenWidth, kScreenHeight);
        playfield->attachBlitter();
        world->setScore(kNoScore);
        lastPlayers = 1;
    }
    if (!hiscores->loadFrom(tableFileFor(lastPlayers))) {
        hiscores->resetDefaults();
    }
    const int32_t score = world->score();
    const bool inserted = score != kNoScore && hiscores->insert(score, kNewName);
    if (inserted) {
        devices->focus().current = hiscores->getInput();
    } else {
        devices->focus().current = mainMenu.get();
    }
    if (score != kNoScore) {
        comments->load(score);
    }
    playfield->attachBlitter();
    menuPhase = 0;
    stampLogo();
    // Kept before the menu shows, so that its Replays list holds it; a game
    // that made the table waits for its name.
    if (replayUnkept && !inserted) {
        keepReplay(false);
    }
    // Pads plugged in since are found here, and only here: a game never
    // sees its pads renumbered.
    devices->joystick().reopen();
    if (!QuitRequest::isRaised()) {
        playMenuMusic();
        menuScreen();
    }
    if (inserted) {
        nameNewEntry();
    }
    hiscores->save();
    if (replayUnkept) {
        keepReplay(inserted);
    }
    // Only a new entry pushes another out of its table.
    if (inserted) {
        pruneReplays();
    }
    if (mainMenu->isEscaped() || QuitRequest::isRaised()) {
        quit = 1;
    } else {
        mainMenu->runPendingAction();
    }
    mainMenu->clearEscaped();
}

// The new entry's name is remembered for the run. An entry left unfinished
// because the program is quitting takes what was typed into it, or else the
// name last entered in this run, or else the name it was given.
void Game::nameNewEntry() {
    if (hiscores->isEntering()) {
        const Input& input = *hiscores->getInput();
        const std::string typed = input.getText().substr(0, size_t(input.getPosition()));
        const bool blank = typed.find_first_not_of(' ') == std::string::npos;
        hiscores->abandonEntry(!blank ? typed : !lastName.empty() ? lastName : kNewName);
    }
    const std::string& name = hiscores->entry(hiscores->getNewIndex()).name;
    if (name != HighScoreTable::kUnnamed) {
        lastName = name;
    }
}

// Our maker's mark goes into the corner of the playfield picture.
void Game::stampLogo() {
    Bob logo("pics/qsvlogo", kLogoWidth, kLogoHeight);
    logo.drawOnBackground(*playfield, kLogoX, kLogoY);
    playfield->attachBlitter();
}

void Game::menuScreen() {
    devices->pump();
    devices->keyboard().forgetScreenKeys();
    bool entering = hiscores->isEntering();
    uint32_t idleSince = clock->now();
    uint32_t presses = devices->keyboard().presses();
    while (!mainMenu->isEscaped() && !QuitRequest::isRaised()) {
        devices->pump();
        if (presses != devices->keyboard().presses() || devices->joystick().anyButtonOn()) {
            presses = devices->keyboard().presses();
            idleSince = clock->now();
        }
        // mainMenuPass makes the playfield; the menu alone draws over the screen.
        if (playfield != nullptr) {
            playfield->draw(*display);
        }
        menuPhase = menuPhase >= kMenuPhases - 1 ? 0 : menuPhase + 1;
        if (faderFinished()) {
            drawMenuCones();
        }
        devices->pump();
        hiscores->draw(*display, kTableX, kTableY, kScoreOffset);
        if (hiscores->isEntering()) {
            goldFont->drawString(*display, "Please write your name to hiscore list.", kMessageX,
                                 kMessageY);
        } else {
            if (entering) {
                // An Escape typed into the name must not leave the menu.
                devices->keyboard().clearPressed(SDLK_ESCAPE);
                entering = false;
                if (replayUnkept) {
                    keepReplay(true);
                }
            }
            drawMainMenu();
        }
        goldFont->drawString(*display, lastPlayers == 1 ? "Best troopers" : "Best double-troopers",
                             kMessageX, kHeadingY);
        stepFader();
        waitFor(*frameTimer);
        display->flip();
        if (mainMenu->hasPendingAction()) {
            if (!mainMenu->pendingRunsWithin()) {
                break;
            }
            mainMenu->runPendingAction();
            devices->focus().current = mainMenu.get();
            idleSince = clock->now();
        }
        if (attractDue(idleSince)) {
            attractMode();
            presses = devices->keyboard().presses();
            idleSince = clock->now();
        }
    }
    devices->focus().current = nullptr;
}

void Game::drawMainMenu() {
    devices->focus().current = mainMenu.get();
    mainMenu->drawGlow(*light);
    mainMenu->draw(*display);
    if (comments->text() != nullptr) {
        goldFont->drawString(*display, comments->text(), kMessageX, kMessageY);
    }
}

// Two cones sweep in opposite senses round the left of the menu.
void Game::drawMenuCones() {
    if (!light->isOn()) {
        return;
    }
    const double swing = kConeSwing * std::sin(kConeSpeed * menuPhase);
    light->coneLight(kConeX, kUpperConeY, kConeRadius, static_cast<int32_t>(swing + kConeLeft),
                     kConeWidth, 150, 150, 255);
    light->coneLight(kConeX, kLowerConeY, kConeRadius, static_cast<int32_t>(-swing + kConeLeft),
                     kConeWidth, 150, 150, 255);
}

void Game::setupScreen() {
    Image picture("pics/setup", kScreenWidth, kScreenHeight);
    devices->pump();
    devices->keyboard().forgetScreenKeys();
    devices->focus().current = setupMenu.get();
    while (!setupMenu->isEscaped() && !QuitRequest::isRaised()) {
        runScreenFrame(*display, *devices, *frameTimer, [&] {
            picture.draw(*display);
            setupMenu->draw(*display);
        });
        if (setupMenu->hasPendingAction()) {
            if (!setupMenu->pendingRunsWithin()) {
                break;
            }
            setupMenu->runPendingAction();
            // The key screen's last line leads straight to the main menu.
            if (setupMenu->hasPendingAction()) {
                break;
            }
            devices->focus().current = setupMenu.get();
        }
    }
    setupMenu->clearEscaped();
    devices->focus().current = nullptr;
}

bool Game::keyScreen() {
    Image picture("pics/keyset", kScreenWidth, kScreenHeight);
    devices->pump();
    devices->keyboard().forgetScreenKeys();
    devices->focus().current = keysMenu.get();
    while (!keysMenu->isEscaped() && !keysMenu->hasPendingAction() && !QuitRequest::isRaised()) {
        runScreenFrame(*display, *devices, *frameTimer, [&] {
            picture.draw(*display);
            keysMenu->draw(*display);
        });
    }
    const bool toMainMenu = keysMenu->hasPendingAction();
    keysMenu->clearPendingAction();
    keysMenu->clearEscaped();
    devices->focus().current = nullptr;
    return toMainMenu;
}

void Game::showHelp() {
    Image picture("pics/gunpic", kScreenWidth, kScreenHeight);
    Help help(*display, kHelpPages, "dat/general", goldFont.get(), &picture, kHelpSpeed, *clock);
    help.setSounds("sounds/help", audio);
    help.run(*devices);
    devices->pump();
}

void Game::showCredits() {
    Image picture("pics/console", kScreenWidth, kScreenHeight);
    Help credits(*display, kCreditPages, "dat/credits", goldFont.get(), &picture, kCreditsSpeed,
                 *clock);
    credits.setInteractive(0);
    credits.setFading(1);
    credits.run(*devices);
    devices->pump();
}

bool Game::faderFinished() const {
    return fader->isFinished();
}

// The last game's picture flows off and reveals the menu.
void Game::stepFader() {
    if (!fader->isFinished()) {
        fader->step();
    }
}
