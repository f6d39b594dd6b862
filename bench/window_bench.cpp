// What the player waits for, with the drawing: a world tick and a level start
// with their drawing into the field picture; then, on the game's own window (on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise) with the repaint that
// follows, a world tick, a level start, a save and a load with their progress
// bar and the saved-game file; and reading a skin.
#include "benchlevels.h"
#include "bmp.h"
#include "fieldwidget.h"
#include "files.h"
#include "headlesshost.h"
#include "levelcheck.h"
#include "levels.h"
#include "menuitems.h"
#include "skin.h"
#include "tform1.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
const std::string SkinFile = KERNMINE_SOURCE_DIR "/assets/pictures/nativeskin.bmp";
constexpr int BusyLevel = 1;  // external level numbers in the game folder
constexpr int IdleLevel = 2;

struct Level {
    bool internal;
    int number;
};
constexpr Level Busy{false, BusyLevel};
constexpr Level Idle{false, IdleLevel};
// The built-in level with the most bombs, diamonds and creatures: all of them
// are redrawn in every tick.
Level busiestBuiltin()
{
    Level busiest{true, 1};
    int most = -1;
    for (int n = 1; n <= BuiltinLevelCount; ++n) {
        const LevelCheck::Counts& cells = checkLevel(builtinLevel(n).value_or(Picture{})).counts;
        const int animated = cells[Bomb] + cells[Diamond] + cells[YellowEnemy] + cells[OliveEnemy];
        if (animated > most) {
            most = animated;
            busiest.number = n;
        }
    }
    return busiest;
}

// A game whose host draws into a field picture of its own, as the window's
// does; nothing shows the field.
class FieldGame : public HeadlessHost {
public:
    explicit FieldGame(Level level)
    {
        this->level = busyOrIdle(level);
        game.internal = level.internal;
        game.counters.lives = 1'000'000;
        game.startlevel(level.number);
        for (int i = 0; i < SettlingTicks; ++i)
            game.Timer1Timer();
    }
    void drawitem(int spritecol, int spriterow, int x, int y) override
    {
        field.drawitem(spritecol, spriterow, x, y);
        ++draws;
    }

    long draws = 0;
    Skin skin;
    FieldWidget field{skin, nullptr};
    Game game{*this};

private:
    static std::optional<Picture> busyOrIdle(Level level)
    {
        if (level.internal)
            return std::nullopt;
        return level.number == BusyLevel ? busyLevel() : idleLevel();
    }
};

// The window in play, in a game folder of its own that holds the busy and the
// idle level as external levels 1 and 2.
class Window {
    QTemporaryDir folder_;  // outlives the window that keeps its files there

public:
    Window()
    {
        const QString levels = folder_.path() + "/levels";
        QDir().mkpath(levels);
        writeLevel(levels.toStdString(), BusyLevel, busyLevel());
        writeLevel(levels.toStdString(), IdleLevel, idleLevel());
        form = std::make_unique<TForm1>(QSize(1024, 768), folder_.path());
        form->show();
        form->session().skipTitle();
        form->session().menus.activatemenuitem(item::ExternalLevels);
        form->session().game.counters.lives = 1'000'000;
        paint();
    }

    // Plays the level until what falls at its start has come to rest.
    void play(Level level)
    {
        form->session().game.internal = level.internal;
        form->session().startlevel(level.number);
        for (int i = 0; i < SettlingTicks; ++i)
            form->Timer1Timer();
        paint();
    }
    // What the event loop does next: repaint what was drawn. The world timer is
    // kept from firing in between; the benchmarks call its handler themselves.
    void paint()
    {
        form->findChild<QTimer*>("Timer1")->stop();
        QCoreApplication::processEvents();
    }
    static constexpr const char* SaveName = "bench.kms";

    std::unique_ptr<TForm1> form;

private:
    static void writeLevel(const std::string& folder, int n, const Picture& level)
    {
        if (!writeWholeFile(levelFilePath(folder, n), writeBmp24(level)))
            std::abort();
    }
};

// Made by the first benchmark that needs it; gone before the application is.
std::unique_ptr<Window> shownWindow;

Window& window()
{
    if (!shownWindow)
        shownWindow = std::make_unique<Window>();
    return *shownWindow;
}

// Names the built-in level a benchmark played, which the level set decides.
void label(benchmark::State& state, Level level)
{
    if (level.internal)
        state.SetLabel("built-in level " + std::to_string(level.number));
}

void BM_TickDrawn(benchmark::State& state, Level level)
{
    label(state, level);
    FieldGame field(level);
    const long before = field.draws;
    for (auto _ : state)
        field.game.Timer1Timer();
    state.counters["draws/tick"] =
        benchmark::Counter(static_cast<double>(field.draws - before) / state.iterations());
}

void BM_LevelStartDrawn(benchmark::State& state)
{
    FieldGame field({true, 1});
    for (auto _ : state)
        field.game.startlevel(1);
}

void BM_WindowTick(benchmark::State& state, Level level)
{
    label(state, level);
    Window& w = window();
    w.play(level);
    for (auto _ : state) {
        w.form->Timer1Timer();
        w.paint();
    }
}

void BM_WindowLevelStart(benchmark::State& state)
{
    Window& w = window();
    w.play({true, 1});
    for (auto _ : state) {
        w.form->session().startlevel(1);
        w.paint();
    }
}

void BM_WindowSave(benchmark::State& state)
{
    Window& w = window();
    w.play({true, 1});
    for (auto _ : state) {
        if (!w.form->session().saveGame(Window::SaveName))
            state.SkipWithError("the game could not be saved");
        w.paint();
    }
}

void BM_WindowLoad(benchmark::State& state)
{
    Window& w = window();
    w.play({true, 1});
    w.form->session().saveGame(Window::SaveName);
    for (auto _ : state) {
        if (!w.form->session().resumeSavedGame(Window::SaveName))
            state.SkipWithError("the game could not be loaded");
        w.paint();
    }
}

void BM_ReadSkin(benchmark::State& state)
{
    Skin skin;
    for (auto _ : state) {
        if (!skin.load(SkinFile))
            state.SkipWithError("the skin could not be read");
    }
}
}  // namespace

BENCHMARK_CAPTURE(BM_TickDrawn, busy, Busy);
BENCHMARK_CAPTURE(BM_TickDrawn, idle, Idle);
BENCHMARK_CAPTURE(BM_TickDrawn, busiest_builtin, busiestBuiltin());
BENCHMARK(BM_LevelStartDrawn);
BENCHMARK_CAPTURE(BM_WindowTick, busy, Busy);
BENCHMARK_CAPTURE(BM_WindowTick, idle, Idle);
BENCHMARK_CAPTURE(BM_WindowTick, busiest_builtin, busiestBuiltin());
BENCHMARK(BM_WindowLevelStart);
BENCHMARK(BM_WindowSave);
BENCHMARK(BM_WindowLoad);
BENCHMARK(BM_ReadSkin);

// The window needs an application object, and settings of its own: never the
// player's.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shownWindow.reset();
    return 0;
}
