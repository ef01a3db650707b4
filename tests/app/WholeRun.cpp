#include "app/WholeRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "app/Entry.h"
#include "gfx/SteppedClock.h"
#include "store/EncipheredFile.h"

namespace {
constexpr unsigned kChildSeconds = 120;
} // namespace

void push(SDLKey key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

std::function<void()> press(SDLKey key) {
    return [key] {
        push(key, true);
        push(key, false);
    };
}

void pushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void WholeRun::SetUp() {
    for (const char* dir : {"pics", "sounds", "music"}) {
        std::filesystem::create_directory_symlink(std::filesystem::path(KRAVEX_DATA_DIR) / dir,
                                                  work.path() / dir);
    }
    // The shipped texts, but none of what the game writes.
    std::filesystem::create_directory(work.path() / "dat");
    for (const char* text :
         {"comment", "credits01", "general01", "general02", "general03", "general04"}) {
        const std::string name = std::string("dat/") + text + ".dat";
        std::filesystem::copy_file(std::filesystem::path(KRAVEX_DATA_DIR) / name,
                                   work.path() / name);
    }
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
        std::filesystem::current_path(work.path());
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
        kravexMain(int(argv.size()), argv.data(), &clock);
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
    const std::vector<unsigned char> text = work.read("ended-at");
    const std::string digits(text.begin(), text.end());
    return digits.empty() ? UINT32_MAX : uint32_t(std::stoul(digits));
}

std::string WholeRun::drain(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, size_t(got));
    }
    ::close(fd);
    return text;
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

std::string WholeRun::deciphered(const char* name) const {
    WorkingDir here(work.path());
    EncipheredFile crypt;
    crypt.setWriteBack(0);
    std::FILE* plain = std::fopen(crypt.open(name), "r");
    std::string text;
    for (int c; plain != nullptr && (c = std::fgetc(plain)) != EOF;) {
        text += char(c);
    }
    if (plain != nullptr) {
        std::fclose(plain);
    }
    crypt.close();
    return text;
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}
