// The soak: a few hundred seeded games of every kind (idle and aiming bots,
// the aiming one also with every special weapon in turn, one and two
// players), each kind played by the autoplay benchmark beside this program in
// a child process of its own. Built with the sanitizers, any report ends its
// child with a failing status, which the soak counts and makes its own.
//
// Prints one line per kind and the totals: games, frames, seconds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Kind {
    const char* bot;
    bool armed;
    int players;
};

constexpr Kind kKinds[] = {{"idle", false, 1}, {"idle", false, 2}, {"aim", false, 1},
                           {"aim", false, 2},  {"aim", true, 1},   {"aim", true, 2}};

struct Options {
    int games = 50; // per kind
    unsigned seed = 1;
    int frameLimit = 6000;
    std::string data = ".";
};

struct Result {
    int games = 0;
    long long frames = 0;
    bool clean = false;
};

std::string siblingProgram(const char* name) {
    std::vector<char> self(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string path(self.data(), length > 0 ? size_t(length) : 0);
    const size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/" + name;
}

// Runs one kind of game in a child and reads its summary line.
Result playKind(const std::string& autoplay, const Options& o, const Kind& kind) {
    const std::string games = std::to_string(o.games);
    const std::string players = std::to_string(kind.players);
    const std::string seed = std::to_string(o.seed);
    const std::string frames = std::to_string(o.frameLimit);
    std::vector<const char*> argv{autoplay.c_str(), "--games", games.c_str(),  "--players",
                                  players.c_str(),  "--bot",   kind.bot,       "--seed",
                                  seed.c_str(),     "--frames", frames.c_str(), "--data",
                                  o.data.c_str()};
    if (kind.armed) {
        argv.push_back("--armed");
    }
    argv.push_back(nullptr);
    int out[2];
    Result result;
    if (pipe(out) != 0) {
        return result;
    }
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[0], const_cast<char* const*>(argv.data()));
        std::perror(argv[0]);
        std::_Exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, size_t(got));
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    // "<games> games in <s> s: <rate> games/s, <frames> frames"
    const size_t line = text.rfind(" games in ");
    if (line != std::string::npos) {
        const size_t start = text.rfind('\n', line);
        result.games = std::atoi(text.c_str() + (start == std::string::npos ? 0 : start + 1));
        const size_t comma = text.find(", ", line);
        result.frames = comma == std::string::npos ? 0 : std::atoll(text.c_str() + comma + 2);
    }
    result.clean = WIFEXITED(status) && WEXITSTATUS(status) == 0 && result.games == o.games;
    return result;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const char* value = argv[i + 1];
        if (arg == "--games") {
            o.games = std::atoi(value);
        } else if (arg == "--seed") {
            o.seed = unsigned(std::strtoul(value, nullptr, 10));
        } else if (arg == "--frames") {
            o.frameLimit = std::atoi(value);
        } else if (arg == "--data") {
            o.data = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && o.games > 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--games PER_KIND] [--seed S] [--frames LIMIT] [--data DIR]\n",
                     argv[0]);
        return 2;
    }
    const std::string autoplay = siblingProgram("bench_autoplay");
    const auto start = std::chrono::steady_clock::now();
    const auto seconds = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    int games = 0;
    long long frames = 0;
    int failed = 0;
    for (const Kind& kind : kKinds) {
        const double before = seconds();
        const Result r = playKind(autoplay, options, kind);
        games += r.games;
        frames += r.frames;
        failed += r.clean ? 0 : 1;
        std::printf("%-4s%-6s %dp: %d games, %lld frames, %.1f s%s\n", kind.bot,
                    kind.armed ? " armed" : "", kind.players, r.games, r.frames,
                    seconds() - before, r.clean ? "" : "  FAILED");
    }
    std::printf("soak: %d games, %lld frames in %.1f s; %d of %zu kinds failed\n", games, frames,
                seconds(), failed, sizeof kKinds / sizeof kKinds[0]);
    return failed == 0 ? 0 : 1;
}
