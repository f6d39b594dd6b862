// Reads a settings file of arbitrary contents through the game's settings
// store. Whatever the file holds, the store must open and read it; and what it
// read, written back, must read back the same in the next run.
#include "settings.h"

#include "checks.h"

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

// Values written "@Variant(...)" are decoded by Qt as any type it knows,
// pictures and pixmaps among them, as in the game: with an application of the
// window system's, here on the offscreen platform. Its warnings are not kept.
void startQt()
{
    static int argc = 1;
    static char name[] = "settings-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            std::abort();
        }
    });
    static QGuiApplication app(argc, argv);
}

// The settings file, in a folder of the fuzzer's own, in memory where there is
// a place for it: every write of the store waits for the disk. The store opens
// it by its path, which spares it the search of the folders where Qt looks for
// the player's file (none of them is there, and no input changes that).
const std::filesystem::path& settingsFile()
{
    static QTemporaryDir folder((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath()) + "/settings-fuzz-XXXXXX");
    static const std::filesystem::path file = [] {
        require(folder.isValid());
        startQt();
        return std::filesystem::path(folder.path().toStdString()) / "Kernmine.ini";
    }();
    return file;
}

// Qt reads a settings file again only when its size or time of change differs
// from what it read before: every input gets a time of its own.
void writeInput(const std::uint8_t* data, std::size_t size)
{
    static const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    static long inputs = 0;
    const std::filesystem::path& file = settingsFile();
    FILE* out = std::fopen(file.c_str(), "wb");
    require(out != nullptr);
    require(size == 0 || std::fwrite(data, 1, size, out) == size);  // an empty input may come without data
    require(std::fclose(out) == 0);
    std::filesystem::last_write_time(file, longAgo + std::chrono::seconds(++inputs));
}
}  // namespace

// Qt takes the length a "@Variant" value claims at its word and asks for it,
// gigabytes at a time. Here such a request is refused, as on a machine without
// that much memory, and the game copes with that (the settings tests read two
// such files under a memory limit). Granted, the sanitizer would mark every byte
// of it, on allocation and again on freeing, in memory the game never uses.
//
// The sanitizer keeps the call stack of every allocation, each distinct one for
// good. Qt is built without frame pointers, so beyond the first two frames the
// quick unwinding reads whatever its registers held: nearly every allocation
// in Qt was a new stack, and a long run grew by 1.5 kB an input and slowed to
// half its speed. Two frames name where in Qt memory was asked for and by whom.
extern "C" const char* __asan_default_options()
{
    return "max_allocation_size_mb=2048:allocator_may_return_null=1:malloc_context_size=2";
}

// A file without the settings is a first run: the store writes the defaults
// over it as it opens and must then read the defaults; any other file is read
// and written back. Either way the next store reads back what was read. (A
// first run written back again would only repeat the store's own write.)
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeInput(data, size);
    const QString file = QString::fromStdString(settingsFile().string());
    Settings read;
    {
        SettingsStore store(file);
        read = store.read();
        if (store.firstRun())
            require(read == Settings{});
        else
            store.write(read);
    }
    require(SettingsStore(file).read() == read);
    return 0;
}
