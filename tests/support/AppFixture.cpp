#include "support/AppFixture.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "app/Entry.h"
#include "audio/Sound.h"
#include "gfx/Buffer.h"
#include "input/InputDevices.h"
#include "support/AudioFixture.h"

namespace fs = std::filesystem;

namespace {
constexpr unsigned kChildSeconds = 120;
constexpr uint64_t kFnvOffset = 0xcbf29ce484222325ULL;
constexpr uint64_t kFnvPrime = 0x100000001b3ULL;
const char* const kShippedTexts[] = {"comment",   "credits01", "general01",
                                     "general02", "general03", "general04"};

// Everything until the child closes its end; what it prints is small.
std::string drain(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, size_t(got));
    }
    ::close(fd);
    return text;
}
} // namespace

const fs::path& linkGameData(const fs::path& folder, bool texts) {
    for (const char* dir : {"pics", "sounds", "music"}) {
        fs::create_directory_symlink(fs::path(KRAVEX_DATA_DIR) / dir, folder / dir);
    }
    fs::create_directory(folder / "dat");
    if (texts) {
        for (const char* text : kShippedTexts) {
            const std::string name = std::string("dat/") + text + ".dat";
            fs::copy_file(fs::path(KRAVEX_DATA_DIR) / name, folder / name);
        }
    }
    return folder;
}

std::function<void()> keyPress(SDLKey key) {
    return [key] {
        pushKey(SDL_KEYDOWN, key);
        pushKey(SDL_KEYUP, key);
    };
}

void addPresses(std::vector<Step>& steps, uint32_t at, const std::vector<SDLKey>& keys) {
    for (SDLKey key : keys) {
        steps.push_back({at, keyPress(key)});
        at += kKeyGapMs;
    }
}

void pushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void note(const char* file, const std::string& text) {
    std::FILE* out = std::fopen(file, "a");
    std::fputs(text.c_str(), out);
    std::fclose(out);
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// FNV-1a's steps over the rows eight bytes at a time, honouring the pitch,
// then mixed so that the top byte depends on every pixel.
uint64_t screenHash(Buffer& screen) {
    const SDL_Surface* shown = screen.getSurface();
    const size_t rowBytes = size_t(shown->w) * shown->format->BytesPerPixel;
    uint64_t hash = kFnvOffset;
    for (int y = 0; y < shown->h; ++y) {
        const auto* row = static_cast<const uint8_t*>(shown->pixels) + size_t(y) * shown->pitch;
        for (size_t at = 0; at < rowBytes; at += sizeof(uint64_t)) {
            uint64_t word = 0;
            std::memcpy(&word, row + at, std::min(sizeof word, rowBytes - at));
            hash = (hash ^ word) * kFnvPrime;
        }
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    return hash ^ (hash >> 33);
}

void GameTest::SetUpTestSuite() {
    work = std::make_unique<TempDir>();
    here = std::make_unique<WorkingDir>(linkGameData(work->path()));
    frameClock = std::make_unique<SteppedClock>();
    game = new Game();
    game->clock = frameClock.get();
    ready = game->init(kWindowModeWindow) && game->load(16);
}

void GameTest::TearDownTestSuite() {
    delete game;
    game = nullptr;
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0) {
        Mix_CloseAudio();
    }
    SDL_Quit();
    frameClock.reset();
    here.reset();
    work.reset();
}

std::string WholeRun::run(const std::vector<const char*>& args, std::vector<Step> steps,
                          const char* audio, const std::function<void()>& inChild) {
    std::fflush(stdout);
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        ADD_FAILURE() << "no pipes";
        return "";
    }
    const pid_t child = fork();
    if (child == 0) {
        fs::current_path(work.path());
        // Pipes, not files: a test may keep the child from growing files.
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        setenv("SDL_AUDIODRIVER", audio, 1);
        if (inChild) {
            inChild();
        }
        // A run that waits for a key nobody presses fails rather than hangs.
        alarm(kChildSeconds);
        SteppedClock clock;
        for (Step& step : steps) {
            clock.at(step.at, std::move(step.act));
        }
        std::vector<const char*> argv{"kravex"};
        argv.insert(argv.end(), args.begin(), args.end());
        kravexMain(int(argv.size()), argv.data(), &clock, [](Game& game) { running = &game; });
        std::FILE* ended = std::fopen("ended-at", "w");
        std::fprintf(ended, "%u", clock.now());
        std::fclose(ended);
        std::exit(0);
    }
    ::close(out[1]);
    ::close(err[1]);
    const std::string output = drain(out[0]);
    stderrText = drain(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string tail = "Cleaning up..\nHave a nice day!\n";
    if (cleanEnd) {
        EXPECT_EQ(output.substr(output.size() - std::min(output.size(), tail.size())), tail);
    }
    return output;
}

uint32_t WholeRun::endedAt() const {
    const std::string digits = text("ended-at");
    return digits.empty() ? UINT32_MAX : uint32_t(std::stoul(digits));
}

std::string WholeRun::text(const std::string& name) const {
    const std::vector<unsigned char> bytes = work.read(name);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<int32_t> WholeRun::settings() const {
    const std::vector<unsigned char> file = work.read("dat/config.dat");
    EXPECT_EQ(file.size(), 24u);
    std::vector<int32_t> values(file.size() / 4);
    for (size_t i = 0; i < file.size(); ++i) {
        values[i / 4] = int32_t(uint32_t(values[i / 4]) | uint32_t(file[i]) << (8 * (i % 4)));
    }
    return values;
}

std::pair<int, std::string> WholeRun::prove(const std::string& replay) const {
    const std::string command = "cd " + work.path().string() +
                                " && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + KRAVEX_BINARY +
                                " --replay " + replay + " > proof.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text("proof.txt")};
}

void MenuScreen::SetUp() {
    ASSERT_TRUE(input.ok) << SDL_GetError();
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_NO_FATAL_FAILURE(openMixer(audio));
    screen = std::make_unique<Buffer>(640, 480, 16, kWindowModeWindow);
    ASSERT_TRUE(screen->isReady()) << SDL_GetError();
    font = std::make_unique<Font>("pics/font_gold", 502, 200);
    cursor = std::make_unique<Bob>("pics/cursor", 40, 32);
    ASSERT_NE(cursor->getSurface(), nullptr);
    sounds = std::make_unique<Sounds>(audio, kMenuSounds);
    ASSERT_TRUE(sounds->load("sounds/menu"));
}

void MenuScreen::TearDown() {
    input.focus().current = nullptr;
    menu.reset();
    sounds.reset();
    Mix_CloseAudio();
    screen.reset();
}

Menu& MenuScreen::makeMenu(int32_t x, int32_t y, int32_t valueColumn, int32_t spacing) {
    menu = std::make_unique<Menu>(x, y, valueColumn, spacing, cursor.get(), font.get(),
                                  sounds.get(), input.devices());
    input.focus().current = menu.get();
    return *menu;
}

std::vector<int> MenuScreen::soundsOf(const std::function<void()>& f) {
    for (int i = 0; i < kMenuSounds; ++i) {
        sounds->stop(i);
    }
    f();
    std::vector<int> played;
    for (int i = 0; i < kMenuSounds; ++i) {
        if (sounds->get(i)->getChannel() != -1) {
            played.push_back(i);
        }
    }
    return played;
}
