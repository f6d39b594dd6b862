// The settings store: first run, round trips, damaged files and a store that
// cannot be written. Each test has a configuration folder of its own.
#include "settings.h"

#include "../ordinaryuser.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <fstream>
#include <memory>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

void PrintTo(const Settings& settings, std::ostream* out)
{
    for (const std::uint8_t key : settings.hotkeys)
        *out << int(key) << ' ';
    *out << (settings.english ? "english " : "russian ") << settings.skin;
}

namespace {

const QString Key = "software/orvelund/soft/Kernmine/7.0/";

QString configurationFolder()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

QString settingsFile()
{
    return configurationFolder() + "/orvelund/Kernmine.ini";
}

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// The raw text of a value as another program would see it.
QVariant storedValue(const QString& name)
{
    return QSettings(settingsFile(), QSettings::IniFormat).value(Key + name);
}

Settings changedSettings()
{
    Settings settings;
    for (int i = 0; i < HotkeyCount; ++i)
        settings.hotkeys[i] = static_cast<std::uint8_t>(200 + i);
    settings.hotkeys[0] = 0;
    settings.hotkeys[1] = 255;
    settings.english = false;
    settings.skin = "/home/игрок/skins/red, blue=1; [x].bmp";
    return settings;
}

constexpr rlim_t OneGigabyte = rlim_t(1) << 30;

// Lets the process map at most `more` bytes beyond what it has mapped now, for
// as long as it lives.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t more)
    {
        getrlimit(RLIMIT_AS, &old_);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit limit = old_;
        limit.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + more;
        setrlimit(RLIMIT_AS, &limit);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &old_); }

private:
    rlimit old_{};
};

// Each test starts without settings, also when they share a process.
class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        const QString folder = configurationFolder() + "/orvelund";
        QDir(folder).removeRecursively();
        QFile::remove(folder);
    }
};

TEST_F(SettingsStoreTest, FirstRunWritesTheDefaults)
{
    ASSERT_FALSE(QFile::exists(settingsFile()));
    {
        const SettingsStore store;
        EXPECT_TRUE(store.firstRun());
        EXPECT_EQ(store.fileName(), settingsFile());
        EXPECT_EQ(store.read(), Settings{});
    }
    ASSERT_TRUE(QFile::exists(settingsFile()));
    QSettings file(settingsFile(), QSettings::IniFormat);
    file.beginGroup(Key);
    QStringList names = file.childKeys();
    names.sort();
    EXPECT_EQ(names, QStringList({"bomb", "cell", "down", "english", "exit", "left", "load", "menu",
                                  "pause", "right", "save", "skin", "terminate", "up"}));
    EXPECT_EQ(file.value("up").toString(), "38");
    EXPECT_EQ(file.value("exit").toString(), "121");
    EXPECT_EQ(file.value("english").toString(), "1");
    EXPECT_EQ(file.value("skin").toString(), "<none>");

    const SettingsStore later;
    EXPECT_FALSE(later.firstRun());
    EXPECT_EQ(later.read(), Settings{});
}

TEST_F(SettingsStoreTest, EveryValueComesBack)
{
    const Settings changed = changedSettings();
    {
        SettingsStore store;
        store.write(changed);
        EXPECT_EQ(store.read(), changed);
    }
    const SettingsStore later;
    EXPECT_FALSE(later.firstRun());
    EXPECT_EQ(later.read(), changed);
    EXPECT_EQ(storedValue("english").toString(), "0");
}

// A skin's path holds whatever the player named the file: every one of Qt's "@"
// forms, escapes, quotes, list and comment marks, line breaks, anywhere in it.
// The game reads back what it wrote, and the other settings with it.
TEST_F(SettingsStoreTest, EverySkinPathTheGameWritesReadsBackAsWritten)
{
    const std::string forms[] = {"@Variant(", "@DateTime(", "@ByteArray(", "@Rect(", "@Size(", "@Point(",
                                 "@Invalid()", "@@", "@"};
    const std::string marks[] = {"", "\\", "\"", ",", ";", "\n", " ", "=", "\\x40", "'", "\t"};
    Settings settings = changedSettings();
    for (const std::string& form : forms) {
        for (const std::string& mark : marks) {
            for (const std::string& skin : {"/home/player/skins/" + mark + form + "\\0\\0\\x5).bmp",
                                            mark + form + "x) " + mark, form + mark}) {
                settings.skin = skin;
                SettingsStore(settingsFile()).write(settings);
                const SettingsStore later;
                ASSERT_FALSE(later.firstRun()) << skin;
                ASSERT_EQ(later.read(), settings) << skin;
            }
        }
    }
}

// The store of a given file (as the settings fuzzer opens it) reads and writes
// that file and leaves the player's alone.
TEST_F(SettingsStoreTest, AStoreOfAGivenFileKeepsToThatFile)
{
    const QString path = configurationFolder() + "/orvelund/elsewhere/chosen.ini";
    {
        SettingsStore store(path);
        EXPECT_TRUE(store.firstRun());
        EXPECT_EQ(store.fileName(), path);
        store.write(changedSettings());
    }
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(settingsFile()));
    const SettingsStore again(path);
    EXPECT_FALSE(again.firstRun());
    EXPECT_EQ(again.read(), changedSettings());
    const SettingsStore players;
    EXPECT_TRUE(players.firstRun());
    EXPECT_EQ(players.read(), Settings{});
}

// The level editor reads what the game keeps and never makes the game's first
// run its own.
TEST_F(SettingsStoreTest, PeekingReadsTheSettingsAndWritesNothing)
{
    EXPECT_EQ(SettingsStore::peek(), Settings{});
    EXPECT_FALSE(QFile::exists(settingsFile()));
    const Settings changed = changedSettings();
    SettingsStore().write(changed);
    EXPECT_EQ(SettingsStore::peek(), changed);
    EXPECT_FALSE(SettingsStore().firstRun());
}

// The folder the level editor remembers is its own: kept before the game's
// first run without taking it, and kept through the game's writes.
TEST_F(SettingsStoreTest, TheEditorsPictureFolderLeavesTheGamesSettingsAlone)
{
    const QString folder = QStringLiteral("/home/ёж/level pictures");
    SettingsStore::rememberEditorPictureFolder(folder);
    EXPECT_EQ(SettingsStore::editorPictureFolder(), folder);
    SettingsStore game;
    EXPECT_TRUE(game.firstRun());
    game.write(changedSettings());
    EXPECT_EQ(SettingsStore::peek(), changedSettings());
    EXPECT_EQ(SettingsStore::editorPictureFolder(), folder);
}

TEST_F(SettingsStoreTest, BindingsAreTheLowByteOfTheStoredInteger)
{
    writeFile(settingsFile(), "[software]\n"
                              "orvelund\\soft\\Kernmine\\7.0\\up=300\n"
                              "orvelund\\soft\\Kernmine\\7.0\\down=294\n"
                              "orvelund\\soft\\Kernmine\\7.0\\left=-1\n"
                              "orvelund\\soft\\Kernmine\\7.0\\right=256\n"
                              "orvelund\\soft\\Kernmine\\7.0\\english=7\n");
    const SettingsStore store;
    EXPECT_FALSE(store.firstRun());
    const Settings settings = store.read();
    EXPECT_EQ(settings.hotkeys[0], 44);
    EXPECT_EQ(settings.hotkeys[1], 38);
    EXPECT_EQ(settings.hotkeys[2], 255);
    EXPECT_EQ(settings.hotkeys[3], 0);
    EXPECT_TRUE(settings.english);
}

TEST_F(SettingsStoreTest, BadValuesHaveTheirDefaultsAndTheOthersAreKept)
{
    writeFile(settingsFile(), "\x01\x02 garbage ==\n"
                              "[software]\n"
                              "orvelund\\soft\\Kernmine\\7.0\\down=hello\n"
                              "orvelund\\soft\\Kernmine\\7.0\\left=37, 38\n"
                              "orvelund\\soft\\Kernmine\\7.0\\right=99999999999\n"
                              "orvelund\\soft\\Kernmine\\7.0\\bomb=18\n"
                              "orvelund\\soft\\Kernmine\\7.0\\pause=@Invalid()\n"
                              "orvelund\\soft\\Kernmine\\7.0\\terminate=65\n"
                              "orvelund\\soft\\Kernmine\\7.0\\exit=\xff\xfe\n"
                              "orvelund\\soft\\Kernmine\\7.0\\english=0\n"
                              "orvelund\\soft\\Kernmine\\7.0\\skin=a, b\n"
                              "[unclosed\n"
                              "\xff\xfe garbage\n");
    SettingsStore store;
    EXPECT_FALSE(store.firstRun());
    Settings expected;
    expected.hotkeys[4] = 18;
    expected.hotkeys[7] = 65;
    expected.english = false;
    EXPECT_EQ(store.read(), expected);

    // Written once, the file is whole again.
    testing::internal::CaptureStderr();
    store.write(expected);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    QSettings file(settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(file.status(), QSettings::NoError);
    EXPECT_EQ(SettingsStore().read(), expected);
}

TEST_F(SettingsStoreTest, OtherEnglishAndSkinTypesHaveTheirDefaults)
{
    writeFile(settingsFile(), "[software]\n"
                              "orvelund\\soft\\Kernmine\\7.0\\english=false\n"
                              "orvelund\\soft\\Kernmine\\7.0\\skin=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    EXPECT_EQ(SettingsStore().read(), Settings{});
}

// A value that Qt decodes as a type of its own may claim gigabytes (these two,
// found by the settings fuzzer, ask for 6.7 GB and 23 GB). On a machine without
// that much memory the allocation is refused; the game must start all the same.
// Since the store takes a file with such a value for damaged, it never lets Qt
// ask: the defaults go in.
TEST_F(SettingsStoreTest, ValuesClaimingGigabytesAreSurvivedWithoutTheMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit this test sets";
#else
    const char unnamed[] = "=@Variant(\0\0\0\\:1::\xcd\x90)";
    const std::pair<QByteArray, Settings> cases[] = {
        {"[software]\n"
         "orvelund\\soft\\Kernmine\\7.0\\english=@Variant(\\0\\0\\0\\xG2\\0\\0\\0\\x1)\n"
         "orvelund\\soft\\Kernmine\\7.0\\bomb=\\x31\\x38\n",
         Settings{}},
        {QByteArray(unnamed, sizeof unnamed - 1), Settings{}},
    };
    for (const auto& [text, expected] : cases) {
        writeFile(settingsFile(), text);
        Settings read;
        {
            const AddressSpaceLimit limit(OneGigabyte);
            read = SettingsStore().read();
        }
        EXPECT_EQ(read, expected) << text.toStdString();
    }
#endif
}

// Qt decodes a "@Variant(...)" value as any type it knows, some of them taking
// what the value claims at its word: this file, found by the settings fuzzer,
// holds a polygon of 2,004,318,071 points, which Qt grows until the memory
// runs out (here, 1 GB beyond what the test holds), and then writes through a
// null pointer. The game never writes such a value: a file holding one is
// damaged, a first run, and the defaults are written over it.
TEST_F(SettingsStoreTest, AFileWithAValueQtWouldDecodeIsAFirstRun)
{
    writeFile(settingsFile(), "[software]\nor=@Variant(\\0\\0\\20" + QByteArray(95, 'w') + "\\Gx)\noi38\n");
    {
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer reserves more address space than the limit
        const AddressSpaceLimit limit(OneGigabyte);
#endif
        const SettingsStore store;
        EXPECT_TRUE(store.firstRun());
        EXPECT_EQ(store.read(), Settings{});
    }
    EXPECT_EQ(storedValue("up").toString(), "38");
    EXPECT_FALSE(storedValue("or").isValid());
}

// An integer in the spellings that Qt decodes: as Qt writes it, with the @
// escaped in hexadecimal (five digits: Qt keeps the low 16 bits) or octal,
// broken up by quotes, by an escape Qt skips and by an escaped line break, as
// the second item of a list, and as a date and time, which Qt reads as any type
// too. Each is found, whatever the spelling, and the other values go with the
// file.
TEST_F(SettingsStoreTest, ADecodedValueIsFoundInEverySpelling)
{
    const QByteArray five = "\\0\\0\\0\\x2\\0\\0\\0\\x5)";
    const QByteArray spellings[] = {"@Variant(" + five,      "\\x10040Variant(" + five, "\\100Variant(" + five,
                                    "\"@Var\"iant(" + five,   "@Va\\qriant(" + five,     "@Vari\\\nant(" + five,
                                    "1, @Variant(" + five,   "@DateTime(" + five};
    for (const QByteArray& spelling : spellings) {
        writeFile(settingsFile(), "[software]\n"
                                  "orvelund\\soft\\Kernmine\\7.0\\bomb=18\n"
                                  "orvelund\\soft\\Kernmine\\7.0\\english=" + spelling + "\n");
        ASSERT_NE(storedValue("english").typeId(), QMetaType::QString) << spelling.toStdString();
        const SettingsStore store;
        EXPECT_TRUE(store.firstRun()) << spelling.toStdString();
        EXPECT_EQ(store.read(), Settings{}) << spelling.toStdString();
    }
}

// An empty file, or one with no line of ours in it, is a first run: the
// defaults go in and the file is whole from then on.
void expectAFirstRunOver(const QByteArray& text)
{
    writeFile(settingsFile(), text);
    testing::internal::CaptureStderr();
    {
        const SettingsStore store;
        EXPECT_TRUE(store.firstRun());
        EXPECT_EQ(store.read(), Settings{});
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).status(), QSettings::NoError);
    const SettingsStore later;
    EXPECT_FALSE(later.firstRun());
    EXPECT_EQ(later.read(), Settings{});
}

TEST_F(SettingsStoreTest, AnEmptyFileIsAFirstRun)
{
    expectAFirstRunOver({});
}

TEST_F(SettingsStoreTest, AGarbledFileIsAFirstRun)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char(i * 37 % 251));
    expectAFirstRunOver(garbage);
}

// Neither a file where the folder should be nor a folder where the file should
// be stops the game: it keeps what it was given and says once per write that
// it could not store it. (Qt keeps unwritten values for the whole process, so
// each case has a test, and a process, of its own.)
std::string unwrittenLine()
{
    return "Kernmine: the settings could not be written to " + settingsFile().toStdString() + "\n";
}

// Opens the store on a first run whose defaults cannot be written: one line on
// standard error says so, and the defaults are read.
std::unique_ptr<SettingsStore> openUnwritableFirstRun()
{
    testing::internal::CaptureStderr();
    auto store = std::make_unique<SettingsStore>();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), unwrittenLine());
    EXPECT_TRUE(store->firstRun());
    EXPECT_EQ(store->read(), Settings{});
    return store;
}

void expectWritesToFailWithoutHarm()
{
    const auto store = openUnwritableFirstRun();
    testing::internal::CaptureStderr();
    store->write(changedSettings());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), unwrittenLine());
    EXPECT_EQ(store->read(), changedSettings());
}

// Qt locks the file for each write with a lock file beside it. One that cannot
// be taken (a pipe or a folder in its place, which Qt would wait on for ever,
// or a fresh lock of another machine, half a minute) costs the game a moment:
// the first run's defaults and each write are said to fail, nothing is
// written, and the store says it cannot keep the settings. A hang here is a
// failure by the test's time-out.
void expectALockNeverWaitedFor()
{
    {
        const auto store = openUnwritableFirstRun();
        EXPECT_FALSE(store->writable());
        testing::internal::CaptureStderr();
        store->write(changedSettings());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), unwrittenLine());
    }
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

const QString LockFile = "/orvelund/Kernmine.ini.lock";

TEST_F(SettingsStoreTest, ALockThatIsAPipe)
{
    ASSERT_TRUE(QDir().mkpath(configurationFolder() + "/orvelund"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(configurationFolder() + LockFile).constData(), 0600), 0);
    expectALockNeverWaitedFor();
}

TEST_F(SettingsStoreTest, ALockThatIsAFolder)
{
    ASSERT_TRUE(QDir().mkpath(configurationFolder() + LockFile));
    expectALockNeverWaitedFor();
}

TEST_F(SettingsStoreTest, AFreshLockOfAnotherMachine)
{
    writeFile(configurationFolder() + LockFile, "4242\nkernmine\nanother-machine\n");
    expectALockNeverWaitedFor();
}

TEST_F(SettingsStoreTest, AFileWhereTheFolderShouldBe)
{
    writeFile(configurationFolder() + "/orvelund", "not a folder");
    expectWritesToFailWithoutHarm();
}

// A pipe (which would be waited on for ever) or a file far too large for a
// settings file is never read: the defaults, the write said to fail, and the
// file left as it is.
TEST_F(SettingsStoreTest, AFileThatMustNotBeReadIsLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settingsFile()).path()));
    for (const bool pipe : {true, false}) {
        QFile::remove(settingsFile());
        if (pipe) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(settingsFile()).constData(), 0600), 0);
        } else {
            writeFile(settingsFile(), "");
            ASSERT_TRUE(QFile(settingsFile()).resize(qint64(6) << 30));
        }
        testing::internal::CaptureStderr();
        SettingsStore store;
        EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
        EXPECT_EQ(store.read(), Settings{});
        EXPECT_FALSE(store.writable());
        const QFileInfo left(settingsFile());
        EXPECT_EQ(left.isFile(), !pipe);
        EXPECT_EQ(left.size(), pipe ? 0 : qint64(6) << 30);
    }
    QFile::remove(settingsFile());
}

TEST_F(SettingsStoreTest, AFolderWhereTheFileShouldBe)
{
    ASSERT_TRUE(QDir().mkpath(settingsFile()));
    expectWritesToFailWithoutHarm();
}

// A read-only file in a read-only folder: the values are read, the write is
// reported and the file stays as it was.
void expectAReadOnlyFileKept(const QByteArray& text)
{
    writeFile(settingsFile(), text);
    const QString folder = QFileInfo(settingsFile()).path();
    QFile::setPermissions(settingsFile(), QFile::ReadOwner);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    {
        const AsOrdinaryUser user;
        SettingsStore store;
        EXPECT_FALSE(store.firstRun());
        EXPECT_EQ(store.read().hotkeys[0], 65);
        testing::internal::CaptureStderr();
        store.write(changedSettings());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Kernmine: the settings could not be written to " + settingsFile().toStdString() + "\n");
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}

const QByteArray WholeFile = "[software]\norvelund\\soft\\Kernmine\\7.0\\up=65\n";

TEST_F(SettingsStoreTest, AFileThatCannotBeWritten)
{
    expectAReadOnlyFileKept(WholeFile);
}

// A damaged file hides a failed write from Qt's status.
TEST_F(SettingsStoreTest, ADamagedFileThatCannotBeWritten)
{
    expectAReadOnlyFileKept(WholeFile + "[unclosed\n");
}

// A file with a value Qt would decode that cannot be emptied is not read:
// the defaults, each write reported, the file as it was.
TEST_F(SettingsStoreTest, AFileWithAValueQtWouldDecodeThatCannotBeWritten)
{
    const QByteArray text = WholeFile + "orvelund\\soft\\Kernmine\\7.0\\english=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n";
    writeFile(settingsFile(), text);
    const QString folder = QFileInfo(settingsFile()).path();
    QFile::setPermissions(settingsFile(), QFile::ReadOwner);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    {
        const AsOrdinaryUser user;
        openUnwritableFirstRun();
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}
}  // namespace
