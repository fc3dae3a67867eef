// The host program as a batch or a person starts it, timed by the CPU the orvex process used
// (user and system, from wait4): generate of one large grid, of batches of small footprints and
// of a thousand packages from their datasheet dimensions in one go, a library export, and run from
// its start to the first picture of the sheet.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// What one orvex process cost; cpu is negative when it did not end with 0.
struct ChildCost {
    double cpu = -1;     // seconds, user and system
    long peakKb = 0;     // the most it held resident
};

ChildCost CostOf(const fs::path& folder, const std::vector<std::string>& args) {
    std::vector<std::string> full{ORVEX_BINARY, "--home", (folder / "home").string()};
    full.insert(full.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : full) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (folder / "out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, (folder / "err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, ORVEX_BINARY, &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss};
}

double CpuSecondsOf(const fs::path& folder, const std::vector<std::string>& args) { return CostOf(folder, args).cpu; }

// A folder with the plug-in in its host folder and a millimetre design holding one padstack,
// kept as a template that every iteration copies, so each starts from the same file.
class Workshop {
public:
    explicit Workshop(const char* name) : folder_(fs::temp_directory_path() / name) {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "home");
        fs::create_symlink(TESSRA_MODULE, folder_ / "home" / "tessra.dll");
        ready_ = CpuSecondsOf(folder_, {"new", Template(), "--units", "mm"}) >= 0 &&
                 CpuSecondsOf(folder_, {"padstack", "add", Template(), "R60", "--shape", "rect", "--width", "0.6",
                                        "--height", "0.4", "--drill", "0.3"}) >= 0;
    }
    ~Workshop() { fs::remove_all(folder_); }

    bool Ready(benchmark::State& state) const {
        if (!ready_) state.SkipWithError("orvex could not make the design");
        return ready_;
    }
    std::string Template() const { return (folder_ / "template.design").string(); }
    std::string Design() const { return (folder_ / "d.design").string(); }
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name) << text;
        return (folder_ / name).string();
    }
    // One timed run per iteration, each after `prepare` (not timed). The counter peak_mb is the
    // most any of the runs held resident.
    void Time(benchmark::State& state, const std::vector<std::string>& args,
              const std::function<void()>& prepare) const {
        long peakKb = 0;
        for (auto _ : state) {
            prepare();
            const ChildCost cost = CostOf(folder_, args);
            if (cost.cpu < 0) return state.SkipWithError("orvex failed; see its err.txt");
            state.SetIterationTime(cost.cpu);
            peakKb = std::max(peakKb, cost.peakKb);
        }
        state.counters["peak_mb"] = double(peakKb) / 1024;
    }
    // One timed run on a fresh copy of the design.
    void Time(benchmark::State& state, const std::vector<std::string>& args) const {
        Time(state, args, [this] { FreshDesign(); });
    }
    void FreshDesign() const { fs::copy_file(Template(), Design(), fs::copy_options::overwrite_existing); }
    fs::path Folder() const { return folder_; }

private:
    fs::path folder_;
    bool ready_ = false;
};

// A hundred footprints of 8 to 121 pads, the styles in turn.
std::string HundredFootprints() {
    std::string json = "[";
    for (int i = 0; i < 100; ++i) {
        const int pads = 8 + i * 113 / 99;
        const std::string name = "\"footprint\": \"F" + std::to_string(i) + "\", ";
        std::string body;
        switch (i % 5) {
        case 0: body = "\"style\": \"dual\", \"q\": " + std::to_string(pads / 2) + ", \"x\": 6, \"y\": 1.27"; break;
        case 1: body = "\"style\": \"grid\", \"p\": 11, \"q\": " + std::to_string(pads / 11 + 1) + ", \"x\": 1, \"y\": 1"; break;
        case 2: body = "\"style\": \"chip-carrier\", \"p\": " + std::to_string(pads / 4) + ", \"q\": " +
                       std::to_string(pads / 4) + ", \"x\": 0.5, \"y\": 0.5, \"w\": 1, \"z\": 1"; break;
        case 3: body = "\"style\": \"circular\", \"p\": " + std::to_string(pads) + ", \"r\": 10, \"angle\": \"3\""; break;
        default: body = "\"style\": \"stagger-x\", \"p\": " + std::to_string(pads / 2) + ", \"q\": 2, \"x\": 2.54, \"y\": 2.54, \"w\": 1.27"; break;
        }
        json += (i ? ",\n{" : "\n{") + name + body + "}";
    }
    return json + "\n]\n";
}

// A thousand packages from their datasheet dimensions, the families in turn: duals of 8 to 56
// gull-wing leads, quads of 32 to 256, QFNs of 16 to 64 pads with an exposed pad, and ball grids
// of 16 to 256 balls.
std::string ThousandPackages() {
    const auto limits = [](double middle, double half) {
        return "\"" + std::to_string(middle - half) + ".." + std::to_string(middle + half) + "\"";
    };
    // n pads on each of four rows about a square body.
    const auto square = [&](int n, double body, double half) {
        return "\"num_pins_x\": " + std::to_string(n) + ", \"num_pins_y\": " + std::to_string(n) +
               ", \"body_size_x\": " + limits(body, half) + ", \"body_size_y\": " + limits(body, half);
    };
    std::string json = "[";
    for (int i = 0; i < 1000; ++i) {
        const int k = i / 4;
        std::string package;
        if (i % 4 == 0) {
            const int n = 4 + k % 25;
            package = "\"family\": \"gullwing\", \"pitch\": 1.27, \"num_pins_y\": " + std::to_string(n) +
                      ", \"body_size_x\": \"3.8..4.0\", \"body_size_y\": " + limits(n * 1.27 + 0.5, 0.1) +
                      ", \"overall_size_x\": \"5.8..6.2\", \"lead_width\": \"0.31..0.51\", \"lead_len\": \"0.4..1.27\"";
        } else if (i % 4 == 1) {
            const int n = 8 + k % 57;
            const double body = n * 0.5 + 1;
            package = "\"family\": \"gullwing\", \"pitch\": 0.5, " + square(n, body, 0.2) +
                      ", \"overall_size_x\": " + limits(body + 2, 0.2) + ", \"overall_size_y\": " +
                      limits(body + 2, 0.2) + ", \"lead_width\": \"0.17..0.27\", \"lead_len\": \"0.45..0.75\"";
        } else if (i % 4 == 2) {
            const int n = 4 + k % 13;
            const double body = n * 0.5 + 1;
            package = "\"family\": \"nolead\", \"pitch\": 0.5, " + square(n, body, 0.1) +
                      ", \"lead_width\": \"0.18..0.3\", \"lead_len\": \"0.3..0.5\", \"EP_size_x\": " +
                      std::to_string(body - 2.2) + ", \"EP_size_y\": " + std::to_string(body - 2.2);
        } else {
            const int n = 4 + k % 13;
            package = "\"family\": \"bga\", \"pitch\": 0.8, \"cols\": " + std::to_string(n) + ", \"rows\": " +
                      std::to_string(n) + ", \"body_size_x\": " + std::to_string(n * 0.8 + 1) +
                      ", \"body_size_y\": " + std::to_string(n * 0.8 + 1) + ", \"ball_diameter\": \"0.45..0.55\"";
        }
        json += (i ? ",\n" : "\n") + std::string("{\"footprint\": \"P") + std::to_string(i) + "\", \"package\": {" +
                package + "}}";
    }
    return json + "\n]\n";
}

void BM_GenerateGrid80x40(benchmark::State& state) {
    Workshop shop("tessra_orvex_grid_bench");
    if (!shop.Ready(state)) return;
    shop.Time(state, {"generate", shop.Design(), "BGA3200", "--style", "grid", "--p", "80", "--q", "40",
                      "--x", "1", "--y", "1", "--padstack", "R60"});
}
BENCHMARK(BM_GenerateGrid80x40)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// One batch file through generate --from-json, in a folder of its own.
void TimeBatch(benchmark::State& state, const char* folder, const std::string& batch) {
    Workshop shop(folder);
    if (!shop.Ready(state)) return;
    shop.Time(state, {"generate", shop.Design(), "--from-json", shop.Write("batch.json", batch)});
}

void BM_GenerateFromJson100(benchmark::State& state) {
    TimeBatch(state, "tessra_orvex_json_bench", HundredFootprints());
}
BENCHMARK(BM_GenerateFromJson100)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// N footprints of 4 x 4 pads on the design's one padstack, named as a library batch names them:
// the size a library generator makes by the thousand.
std::string GridBatch(int64_t count) {
    std::string json = "[";
    for (int64_t i = 0; i < count; ++i) {
        json += (i ? ",\n{" : "\n{") + ("\"footprint\": \"G" + std::to_string(i)) +
                "\", \"style\": \"grid\", \"p\": 4, \"q\": 4, \"x\": 1, \"y\": 1, "
                "\"padstack\": \"R60\", \"pin1-padstack\": \"R60\"}";
    }
    return json + "\n]\n";
}

constexpr int64_t LibrarySize = 10000;

// The design a batch of LibrarySize left, kept for the export so that it is made once a run.
fs::path LibraryDesign() { return fs::temp_directory_path() / "tessra_orvex_library.design"; }
bool libraryMade = false;

// Time per batch; the summary divides by the batch's size. A batch of ten thousand takes long
// enough to be timed once.
void BM_GenerateGrid16Batch(benchmark::State& state) {
    Workshop shop("tessra_orvex_batch_bench");
    if (!shop.Ready(state)) return;
    const std::string json = shop.Write("batch.json", GridBatch(state.range(0)));
    shop.Time(state, {"generate", shop.Design(), "--from-json", json});
    if (state.range(0) == LibrarySize && !state.error_occurred())
        libraryMade = fs::copy_file(shop.Design(), LibraryDesign(), fs::copy_options::overwrite_existing);
}
BENCHMARK(BM_GenerateGrid16Batch)->Arg(100)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GenerateGrid16Batch)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_GenerateGrid16Batch)->Arg(LibrarySize)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(1)->Repetitions(1);

void BM_GeneratePackages1000(benchmark::State& state) {
    TimeBatch(state, "tessra_orvex_package_bench", ThousandPackages());
}
BENCHMARK(BM_GeneratePackages1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// From the start of orvex to the sheet's first picture: the script asks for nothing else, and
// the sheet it leaves up is cancelled.
void BM_RunToFirstSheet(benchmark::State& state) {
    Workshop shop("tessra_orvex_run_bench");
    if (!shop.Ready(state)) return;
    const std::string script = shop.Write("first.txt", "shot sheet " + shop.Write("sheet.png", "") + "\ncancel\n");
    shop.Time(state, {"run", shop.Design(), "QFP48", "--script", script});
}
BENCHMARK(BM_RunToFirstSheet)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Every footprint of the library into a new KiCad library folder.
void BM_ExportLibrary(benchmark::State& state) {
    Workshop shop("tessra_orvex_export_bench");
    if (!shop.Ready(state)) return;
    if (!libraryMade) {
        shop.FreshDesign();
        const std::string json = shop.Write("batch.json", GridBatch(LibrarySize));
        if (CpuSecondsOf(shop.Folder(), {"generate", shop.Design(), "--from-json", json}) < 0)
            return state.SkipWithError("orvex could not make the library; see its err.txt");
        libraryMade = fs::copy_file(shop.Design(), LibraryDesign(), fs::copy_options::overwrite_existing);
    }
    // A new folder each time, all in one repetition: files deleted just before make the file
    // system search longer for room for new ones, which would be timed as ours. The workshop
    // removes them at the end, which is why this comes last.
    int made = 0;
    std::vector<std::string> args{"export", LibraryDesign().string(), "--kicad", ""};
    shop.Time(state, args, [&] { args.back() = (shop.Folder() / ("lib" + std::to_string(made++) + ".pretty")).string(); });
}
BENCHMARK(BM_ExportLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove(LibraryDesign());
    return 0;
}
