// Measures clipwise-cli against a yardstick, as paired runs on the same machine: the machine
// is shared, so only ratios of runs taken side by side mean anything.
//
//   cli-yardstick roundtrip IN OUT
//       The yardstick: pugixml's own load_file of IN and save_file to OUT, nothing else.
//   cli-yardstick save CLI IN [RUNS]
//       RUNS pairs of `CLI save IN OUT` and the roundtrip of IN, in alternating order.
//   cli-yardstick counts CLI SMALL LARGE [RUNS]
//       RUNS pairs of `CLI counts SMALL` and `CLI counts LARGE`.
// Each run reports wall time, CPU time (user + system, and each) and peak resident memory;
// each pair the ratios of the command measured to its yardstick. The commands' output is
// discarded.

#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct TRun {
    double wall = 0;   // seconds
    double cpu = 0;    // seconds, user + system
    double user = 0;   // seconds
    double peakMb = 0; // resident, MB
};

TRun Run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& arg : command) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    std::fflush(stdout); // or the child writes what is buffered once more
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execv(argv[0], argv.data());
        std::perror(argv[0]);
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "cli-yardstick: %s failed\n", argv[0]);
        std::exit(1);
    }
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    TRun run;
    run.wall = std::chrono::duration<double>(end - start).count();
    run.user = seconds(usage.ru_utime);
    run.cpu = run.user + seconds(usage.ru_stime);
    run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double FileMb(const std::string& path) {
    return static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}

void PrintRun(const char* name, const TRun& run, double fileMb) {
    std::printf("  %-10s wall %7.3f s  cpu %7.3f s (user %.3f, system %.3f)  peak %8.1f MB "
                "(%.2f x file)\n",
                name, run.wall, run.cpu, run.user, run.cpu - run.user, run.peakMb,
                run.peakMb / fileMb);
}

void Summarise(const char* what, const std::vector<double>& ratios) {
    std::printf("%-34s median %.2f  min %.2f  max %.2f\n", what, Median(ratios),
                *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()));
}

// Runs pairs of measured and yardstick commands, alternating which goes first.
void Compare(const std::vector<std::string>& measured, double measuredMb,
             const std::vector<std::string>& yardstick, double yardstickMb, int runs,
             const char* measuredName, const char* yardstickName) {
    std::vector<double> wall, cpu, user, system, peak, measuredPeak;
    for (int i = 0; i < runs; ++i) {
        TRun a, b;
        if (i % 2 == 0) {
            a = Run(measured);
            b = Run(yardstick);
        } else {
            b = Run(yardstick);
            a = Run(measured);
        }
        std::printf("pair %d\n", i + 1);
        PrintRun(measuredName, a, measuredMb);
        PrintRun(yardstickName, b, yardstickMb);
        wall.push_back(a.wall / b.wall);
        cpu.push_back(a.cpu / b.cpu);
        user.push_back(a.user / b.user);
        system.push_back((a.cpu - a.user) / std::max(b.cpu - b.user, 1e-3));
        peak.push_back(a.peakMb / b.peakMb);
        measuredPeak.push_back(a.peakMb / measuredMb);
    }
    std::printf("\n%s / %s, over %d pairs:\n", measuredName, yardstickName, runs);
    Summarise("  wall time ratio", wall);
    Summarise("  CPU time ratio", cpu);
    // The kernel's part is mostly first touches of fresh memory, whose cost on a virtual
    // machine depends on how much memory the host has to hand over: shown apart.
    Summarise("    user CPU time ratio", user);
    Summarise("    system CPU time ratio", system);
    Summarise("  peak memory ratio", peak);
    Summarise((std::string("  peak memory of ") + measuredName + " / file").c_str(), measuredPeak);
}

int RoundTrip(const std::string& in, const std::string& out) {
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_file(in.c_str());
    if (!result) {
        std::fprintf(stderr, "cli-yardstick: %s: %s\n", in.c_str(), result.description());
        return 1;
    }
    return document.save_file(out.c_str()) ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr, "usage: cli-yardstick roundtrip IN OUT\n"
                         "       cli-yardstick save CLI IN [RUNS]\n"
                         "       cli-yardstick counts CLI SMALL LARGE [RUNS]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "roundtrip") {
        return RoundTrip(args[1], args[2]);
    }
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    if ((args.size() == 3 || args.size() == 4) && args[0] == "save") {
        const std::string& cli = args[1];
        const std::string& in = args[2];
        const int runs = args.size() == 4 ? std::atoi(args[3].c_str()) : 5;
        const std::string out = in + ".cli-saved";
        const std::string yardstickOut = in + ".pugixml-saved";
        const double mb = FileMb(in);
        std::printf("file %s: %.1f MB\n", in.c_str(), mb);
        Compare({cli, "save", in, out}, mb, {self, "roundtrip", in, yardstickOut}, mb, runs,
                "cli save", "pugixml");
        std::filesystem::remove(out);
        std::filesystem::remove(yardstickOut);
        return 0;
    }
    if ((args.size() == 4 || args.size() == 5) && args[0] == "counts") {
        const std::string& cli = args[1];
        const int runs = args.size() == 5 ? std::atoi(args[4].c_str()) : 3;
        const double smallMb = FileMb(args[2]);
        const double largeMb = FileMb(args[3]);
        std::printf("files %s: %.1f MB, %s: %.1f MB (%.2f x)\n", args[2].c_str(), smallMb,
                    args[3].c_str(), largeMb, largeMb / smallMb);
        Compare({cli, "counts", args[3]}, largeMb, {cli, "counts", args[2]}, smallMb, runs, "large",
                "small");
        return 0;
    }
    return Usage();
}
