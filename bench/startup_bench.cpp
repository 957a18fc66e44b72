// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Start-up of tolvaric against the floor of a bare Qt window with the same 42
// controls, and against the second floor of those controls in the window's
// faces: time from exec to the first paint, and peak memory, as whole
// processes, alternating them. Offscreen always; on X too when DISPLAY is set.
// Then `tolvaric --sheet` of one file, to its end, against a bare
// QCoreApplication that starts and ends, and against the same linked with
// the Qt libraries tolvaric links.
//   bench_startup [rounds]
// With "instructions", each window program runs once offscreen under
// valgrind's callgrind instead, which counts the instructions to the first
// paint: the same count whatever else the machine is doing.
//   bench_startup instructions
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Sample {
    double milliseconds = 0;
    double megabytes = 0;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The null-terminated array of C strings that exec takes, into `strings`.
std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& string : strings) {
        pointers.push_back(string.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

bool runOnce(const std::string& program, const std::string& platform, Sample& sample,
             const std::string& option = {}) {
    int channel[2];
    if (pipe(channel) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        if (std::string(*entry).rfind("QT_QPA_PLATFORM=", 0) != 0) {
            variables.emplace_back(*entry);
        }
    }
    variables.push_back("QT_QPA_PLATFORM=" + platform);
    std::vector<char*> environment = pointersTo(variables);
    std::string path = program;
    std::string extra = option;
    char* arguments[] = {path.data(), option.empty() ? nullptr : extra.data(), nullptr};

    pid_t child = 0;
    const long long started = monotonicNanoseconds();
    const int spawned =
        posix_spawn(&child, path.c_str(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawned != 0) {
        close(channel[0]);
        return false;
    }
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long long painted = 0;
    long peakKilobytes = 0;
    if (std::sscanf(output.c_str(), "painted %lld %ld", &painted, &peakKilobytes) != 2) {
        return false;
    }
    sample.milliseconds = static_cast<double>(painted - started) / 1e6;
    sample.megabytes = static_cast<double>(peakKilobytes) / 1024;
    return true;
}

// Milliseconds from exec to the end of `arguments`, output thrown away.
bool timeToEnd(std::vector<std::string> arguments, double& milliseconds) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv = pointersTo(arguments);
    pid_t child = 0;
    const long long started = monotonicNanoseconds();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child) {
        return false;
    }
    milliseconds = static_cast<double>(monotonicNanoseconds() - started) / 1e6;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A working folder with default data, so start-up asks no question; entered
// while it lasts, and removed with its files at the end.
struct WorkFolder {
    char path[29] = "/tmp/tolvaric-startup-XXXXXX";
    bool entered = false;

    WorkFolder() {
        if (!mkdtemp(path) || chdir(path) != 0) {
            return;
        }
        std::ofstream("tolvaric.dat", std::ios::binary)
            << std::ifstream(TOLVARIC_SAMPLE_DATA, std::ios::binary).rdbuf();
        std::ofstream("owner", std::ios::binary) << "\"Owner\"\r\n";
        entered = true;
    }
    ~WorkFolder() {
        std::remove("tolvaric.dat");
        std::remove("owner");
        rmdir(path);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
};

// The instructions `program` runs to its first paint, offscreen, or -1.
long long instructionsToPaint(const std::string& program) {
    const std::string command = "QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind "
                                "--callgrind-out-file=/dev/null '" +
                                program + "' 2>&1 >/dev/null";
    FILE* output = popen(command.c_str(), "r");
    if (!output) {
        return -1;
    }
    long long collected = -1;
    char line[512];
    while (std::fgets(line, sizeof line, output)) {
        const char* found = std::strstr(line, "Collected : ");
        if (found) {
            collected = std::atoll(found + std::strlen("Collected : "));
        }
    }
    return pclose(output) == 0 ? collected : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool instructions = argc > 1 && std::strcmp(argv[1], "instructions") == 0;
    const int rounds = argc > 1 && !instructions ? std::atoi(argv[1]) : 15;
    char* self = realpath("/proc/self/exe", nullptr);
    std::string folder = self ? self : "";
    std::free(self);
    folder = folder.substr(0, folder.rfind('/') + 1);
    const std::string tolvaric = folder + "bench_startup_tolvaric";
    const std::string floor = folder + "bench_startup_floor";
    const std::string facesFloor = folder + "bench_startup_floor_faces";

    const WorkFolder work;
    if (!work.entered) {
        return 1;
    }

    if (instructions) {
        const long long counts[] = {instructionsToPaint(tolvaric), instructionsToPaint(floor),
                                    instructionsToPaint(facesFloor)};
        if (counts[0] <= 0 || counts[1] <= 0 || counts[2] <= 0) {
            std::printf("instructions: valgrind did not count all three\n");
            return 1;
        }
        std::printf("instructions to the first paint: tolvaric %lld | floor %lld (ratio %.3f) | "
                    "floor in the window's faces %lld (ratio %.3f)\n",
                    counts[0], counts[1], double(counts[0]) / double(counts[1]), counts[2],
                    double(counts[0]) / double(counts[2]));
        return 0;
    }
    std::vector<std::string> platforms = {"offscreen"};
    if (std::getenv("DISPLAY") && *std::getenv("DISPLAY")) {
        platforms.emplace_back("xcb");
    }
    int failures = 0;
    for (const auto& platform : platforms) {
        // tolvaric, the floor, tolvaric --metric (millimetres and bar), and
        // the floor in the window's faces.
        std::vector<double> times[4], memory[4];
        const std::string programs[] = {tolvaric, floor, tolvaric, facesFloor};
        for (int round = 0; round < rounds; ++round) {
            for (int which = 0; which < 4; ++which) {
                Sample sample;
                if (runOnce(programs[which], platform, sample, which == 2 ? "--metric" : "")) {
                    times[which].push_back(sample.milliseconds);
                    memory[which].push_back(sample.megabytes);
                } else {
                    ++failures;
                }
            }
        }
        if (times[0].empty() || times[1].empty() || times[2].empty() || times[3].empty()) {
            std::printf("%s: no runs completed\n", platform.c_str());
            continue;
        }
        const double time0 = median(times[0]), time1 = median(times[1]);
        const double memory0 = median(memory[0]), memory1 = median(memory[1]);
        std::printf("%-9s tolvaric %6.1f ms %6.1f MiB | floor %6.1f ms %6.1f MiB | ratio time "
                    "%.2f memory %.2f (medians of %zu)\n",
                    platform.c_str(), time0, memory0, time1, memory1, time0 / time1,
                    memory0 / memory1, times[0].size());
        std::printf("%-9s tolvaric --metric %6.1f ms | ratio to the inch window %.3f\n",
                    platform.c_str(), median(times[2]), median(times[2]) / time0);
        std::printf("%-9s floor in the window's faces %6.1f ms %6.1f MiB | ratio time %.2f "
                    "memory %.2f\n",
                    platform.c_str(), median(times[3]), median(memory[3]), time0 / median(times[3]),
                    memory0 / median(memory[3]));
    }
    // The sheet against a bare QCoreApplication, and against one that loads
    // the same Qt libraries as tolvaric does.
    const std::string sheetFloors[] = {folder + "bench_sheet_floor",
                                       folder + "bench_sheet_floor_linked"};
    std::vector<double> sheet[3];
    for (int round = 0; round < std::max(rounds, 21); ++round) {
        double milliseconds = 0;
        if (timeToEnd({TOLVARIC_PROGRAM, "--sheet"}, milliseconds)) {
            sheet[0].push_back(milliseconds);
        } else {
            ++failures;
        }
        for (int which = 0; which < 2; ++which) {
            if (timeToEnd({sheetFloors[which]}, milliseconds)) {
                sheet[which + 1].push_back(milliseconds);
            } else {
                ++failures;
            }
        }
    }
    if (!sheet[0].empty() && !sheet[1].empty() && !sheet[2].empty()) {
        const double time0 = median(sheet[0]), time1 = median(sheet[1]), time2 = median(sheet[2]);
        std::printf("--sheet   tolvaric %6.1f ms | QtCore floor %6.1f ms (ratio %.2f) | floor "
                    "with tolvaric's Qt libraries %6.1f ms (ratio %.2f) (medians of %zu)\n",
                    time0, time1, time0 / time1, time2, time0 / time2, sheet[0].size());
    }
    return failures == 0 ? 0 : 1;
}
