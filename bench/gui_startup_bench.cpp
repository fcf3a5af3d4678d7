// Process start to first composed frame: `bexlan --screenshot` on the virtual mouse (which
// answers at once, so no mandated wait is included) beside a plain Qt window that loads one
// skin, paints it and saves it the same way. Both are whole processes timed from spawn to
// exit under the offscreen platform.
//
// Run without arguments. The program is also the plain window: gui_startup_bench
// --plain-window SKIN OUT.png.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::filesystem::path binDirectory()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

std::filesystem::path scratch()
{
    static const std::filesystem::path dir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "bexlan-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    return dir;
}

// Runs a program to its end; false when it could not start or failed.
bool runProcess(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_BexlanStartToFirstFrame(benchmark::State& run)
{
    const std::string program = (binDirectory() / "bexlan").string();
    const std::string user = (scratch() / "user").string();
    const std::string shot = (scratch() / "bexlan.png").string();
    for (auto _ : run) {
        if (!runProcess({program, "--virtual-mouse", "--user-dir", user, "--screenshot", shot})) {
            run.SkipWithError("bexlan --screenshot failed");
            break;
        }
    }
}
BENCHMARK(BM_BexlanStartToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainQtWindowStartToFirstFrame(benchmark::State& run)
{
    const std::string self = (binDirectory() / "gui_startup_bench").string();
    const std::string skin = (binDirectory() / "skins" / "main_normal.jpg").string();
    const std::string shot = (scratch() / "plain.png").string();
    for (auto _ : run) {
        if (!runProcess({self, "--plain-window", skin, shot})) {
            run.SkipWithError("the plain window failed");
            break;
        }
    }
}
BENCHMARK(BM_PlainQtWindowStartToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// A window that is nothing but one skin.
class PlainWindow : public QWidget {
public:
    explicit PlainWindow(const QImage& picture) : m_picture(picture)
    {
        setFixedSize(picture.size());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_picture); }

private:
    QImage m_picture;
};

int plainWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QImage picture(QString::fromLocal8Bit(argv[2]));
    PlainWindow window(picture);
    // Saved with the same compression as bexlan's screenshots.
    return window.grab().toImage().save(QString::fromLocal8Bit(argv[3]), "png", 50) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc == 4 && std::strcmp(argv[1], "--plain-window") == 0) {
        return plainWindow(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(scratch(), ignored);
    return 0;
}
