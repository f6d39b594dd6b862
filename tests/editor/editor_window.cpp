// The editor's window driven by the mouse and keys as a person drives it; the
// play-test's world ticks are run by hand.
#include "boardview.h"
#include "editorwindow.h"
#include "bmp.h"
#include "levels.h"
#include "playtest.h"
#include "replay.h"
#include "winfinder.h"

#include <QLabel>
#include <QAbstractButton>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The middle of a cell on the board as it stands in its widget.
QPoint pointOf(const BoardView& view, BoardCell cell)
{
    for (int x = 0; x < view.width(); ++x)
        for (int y = 0; y < view.height(); ++y)
            if (view.cellAt({x, y}) == cell) {
                int right = x, bottom = y;
                while (view.cellAt({right + 1, y}) == cell)
                    ++right;
                while (view.cellAt({x, bottom + 1}) == cell)
                    ++bottom;
                return {(x + right) / 2, (y + bottom) / 2};
            }
    qFatal("cell (%d, %d) is not on the board", cell.x, cell.y);
}

void mouse(BoardView& view, QEvent::Type type, BoardCell cell, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF at = pointOf(view, cell);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, view.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

// A drag from the first cell through the others, released on the last.
void drag(BoardView& view, std::initializer_list<BoardCell> cells)
{
    mouse(view, QEvent::MouseButtonPress, *cells.begin());
    for (const BoardCell cell : cells)
        mouse(view, QEvent::MouseMove, cell);
    mouse(view, QEvent::MouseButtonRelease, *(cells.end() - 1));
}

QByteArray levelFile(const std::string& folder, int n)
{
    QFile file(QString::fromStdString(levelFilePath(folder, n)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the next question the editor asks with the button of that caption,
// and tells what the question was. A question that never comes is given up
// after a while, so that it answers none of a later test.
std::shared_ptr<QString> answerNextQuestion(const QString& answer)
{
    auto asked = std::make_shared<QString>();
    const auto look = [answer, asked](auto& self, int triesLeft) -> void {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (triesLeft > 0)
                QTimer::singleShot(10, [self, triesLeft] { self(self, triesLeft - 1); });
            return;
        }
        *asked = box->text();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == answer)
                button->click();
    };
    QTimer::singleShot(0, [look] { look(look, 500); });
    return asked;
}

struct Editor {
    QTemporaryDir folder;
    std::unique_ptr<EditorWindow> window;
    BoardView* board = nullptr;
    PlayTest* play = nullptr;

    explicit Editor(const QString& levels = {}, const Hotkeys& keys = DefaultHotkeys, bool english = true,
                    const EditorPlaces& places = {})
    {
        window = std::make_unique<EditorWindow>((levels.isEmpty() ? folder.path() : levels).toStdString(), english,
                                                std::string(BuiltInSkin), keys, places);
        window->show();
        QApplication::processEvents();  // a question the editor asks as it starts is answered here
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the editor was not shown");
        board = window->findChild<BoardView*>("board");
        play = window->findChild<PlayTest*>("playtest");
        board->setFocus();
    }
    std::string levels() const { return folder.path().toStdString(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }
    bool playing() const { return window->findChild<QStackedWidget*>()->currentWidget() == play; }
    QString status() const { return window->findChild<QLabel*>("status")->text(); }
    void click(const char* button) { window->findChild<QPushButton*>(button)->click(); }
};
}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aDragIsOneStrokeUndoneAndRedoneByKeys();
    void shapesFollowTheirTool();
    void theFindingsFollowEveryStroke();
    void aPlayTestThatWinsProvesTheLevelUntilItChanges();
    void aMissingFolderIsToldAndNothingIsSaved();
    void theListMovesLevelsWithTheirTapes();
    void aDamagedLevelIsListedWithItsCauseAndMoves();
    void findAWinProvesRefutesOrStopsWithTheBoard();
    void aLongTapeIsReplayedWithoutTheWindowWaiting();
    void pixelsOfNoLevelColourAreToldBeforeTheyAreSavedOver();
    void theEditorSaysWhyAndAsksOnlyWhatIsTrue();
    void aNewLevelTakesTheNextNumberWhenItsOwnWasTaken();
    void anUnsavedLevelIsMarkedAndClosedOnlyWhenLeft();
    void theLineUnderTheBoardTellsOfTheLastActionOnly();
    void thePointedCellIsNamedAsAStrokeLeftIt();
    void aZoomedBoardGrowsByWholePixels();
    void aKilledEditorBringsItsChangesBack();
    void everyCaptionFitsOnASmallScreen_data();
    void everyCaptionFitsOnASmallScreen();
};

void EditorWindowTest::aDragIsOneStrokeUndoneAndRedoneByKeys()
{
    Editor editor;
    const LevelBoard before = editor.window->session().board();
    editor.key(Qt::Key_6);  // stone
    drag(*editor.board, {{5, 5}, {9, 5}, {9, 8}});
    const LevelBoard after = editor.window->session().board();
    for (const BoardCell c : {BoardCell{5, 5}, BoardCell{7, 5}, BoardCell{9, 5}, BoardCell{9, 7}, BoardCell{9, 8}})
        QCOMPARE(after.at(c), std::uint8_t{Stone});
    editor.key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(editor.window->session().board() == before);
    editor.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(editor.window->session().board() == after);
    editor.key(Qt::Key_Z, Qt::ControlModifier);
    editor.key(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(editor.window->session().board() == after);
}

void EditorWindowTest::shapesFollowTheirTool()
{
    Editor editor;
    editor.key(Qt::Key_0);  // purple wall
    editor.window->chooseTool(EditorWindow::Rectangle);
    drag(*editor.board, {{10, 10}, {30, 30}, {14, 13}});
    const LevelBoard& board = editor.window->session().board();
    QCOMPARE(board.at({14, 13}), std::uint8_t{PurpleWall});
    QCOMPARE(board.at({12, 12}), std::uint8_t{Earth});
    QCOMPARE(board.at({20, 20}), std::uint8_t{Earth});  // passed on the way, not kept

    editor.window->chooseTool(EditorWindow::Fill);
    editor.key(Qt::Key_1);  // empty
    mouse(*editor.board, QEvent::MouseButtonPress, {12, 12});
    mouse(*editor.board, QEvent::MouseButtonRelease, {12, 12});
    QCOMPARE(board.at({11, 11}), std::uint8_t{Empty});
    QCOMPARE(board.at({13, 12}), std::uint8_t{Empty});
    QCOMPARE(board.at({15, 15}), std::uint8_t{Earth});

    // A right click takes the kind of the cell.
    mouse(*editor.board, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    editor.window->chooseTool(EditorWindow::Pencil);
    drag(*editor.board, {{40, 30}});
    QCOMPARE(board.at({40, 30}), std::uint8_t{PurpleWall});
}

void EditorWindowTest::theFindingsFollowEveryStroke()
{
    Editor editor;
    auto* problems = editor.window->findChild<QListWidget*>("problems");
    QCOMPARE(problems->count(), 1);  // a new level has nothing to win
    editor.key(Qt::Key_8);
    drag(*editor.board, {{20, 20}});
    editor.key(Qt::Key_2);
    drag(*editor.board, {{30, 30}});
    editor.key(Qt::Key_3);
    drag(*editor.board, {{0, 12}});
    QCOMPARE(problems->count(), 2);
    QVERIFY(problems->item(0)->text().contains("2 players"));
    QVERIFY(problems->item(1)->text().contains("(0, 12)"));
    QVERIFY((editor.window->findings().problems[0].cells == std::vector<BoardCell>{{1, 1}, {30, 30}}));
    editor.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(problems->count(), 1);
}

void EditorWindowTest::aPlayTestThatWinsProvesTheLevelUntilItChanges()
{
    Editor editor;
    editor.key(Qt::Key_8);  // a diamond to the player's right
    drag(*editor.board, {{2, 1}});
    editor.key(Qt::Key_F5);
    QVERIFY(editor.playing());
    QTest::keyClick(editor.play, Qt::Key_Right);
    editor.play->tick();
    QVERIFY(editor.play->won());
    QTest::keyClick(editor.play, Qt::Key_Return);
    QVERIFY(!editor.playing());
    QVERIFY(editor.window->session().proof());

    QVERIFY(editor.window->save());
    QCOMPARE(levelStatus(editor.levels(), 1), LevelStatus::Proven);
    QVERIFY(QFile::exists(QString::fromStdString(levelTapePath(editor.levels(), 1))));

    editor.key(Qt::Key_6);
    drag(*editor.board, {{30, 30}});
    QVERIFY(!editor.window->session().proof());
    QVERIFY(editor.window->save());
    QVERIFY(!QFile::exists(QString::fromStdString(levelTapePath(editor.levels(), 1))));
    QCOMPARE(levelStatus(editor.levels(), 1), LevelStatus::Unproven);
}

// The solver's win becomes the level's proof, saved as a played one is; a board
// it proves unwinnable lists that as a problem; an edit ends the search.
void EditorWindowTest::findAWinProvesRefutesOrStopsWithTheBoard()
{
    Editor editor;
    auto* finder = editor.window->findChild<WinFinder*>();
    const auto proofLabel = [&] { return editor.window->findChild<QLabel*>("proof")->text(); };
    editor.key(Qt::Key_8);
    drag(*editor.board, {{3, 1}});
    editor.key(Qt::Key_F6);
    finder->wait();
    QCOMPARE(proofLabel(), QString("Proven: the solver found a win"));
    QVERIFY(editor.window->save());
    std::string error;
    QFile saved(QString::fromStdString(levelTapePath(editor.levels(), 1)));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const auto tape = parseTape(saved.readAll().toStdString(), error);
    QVERIFY(tape && tapeWins(editor.window->session().board().toPicture(), 1, *tape));

    // Red wall everywhere but the player and a diamond: nothing can move.
    editor.window->chooseTool(EditorWindow::Fill);
    editor.key(Qt::Key_9);
    drag(*editor.board, {{20, 20}});
    editor.window->chooseTool(EditorWindow::Pencil);
    editor.key(Qt::Key_8);
    drag(*editor.board, {{10, 10}});
    editor.key(Qt::Key_F6);
    finder->wait();
    QVERIFY(editor.window->findChild<QListWidget*>("problems")->findItems("No win exists", Qt::MatchStartsWith).size() == 1);

    editor.key(Qt::Key_3);
    drag(*editor.board, {{10, 10}});
    editor.click("findWin");  // nothing the search reports arrives before the edit
    drag(*editor.board, {{20, 20}});
    QVERIFY(!editor.window->findChild<QWidget*>("searchProgress")->isVisible());
    finder->wait();
    QCOMPARE(editor.status(), QString("The search for a win stopped: the board was changed"));
    QCOMPARE(proofLabel(), QString("Not proven: play-test it to a win"));
}

void EditorWindowTest::aMissingFolderIsToldAndNothingIsSaved()
{
    QTemporaryDir parent;
    const QString missing = parent.path() + "/levels";
    Editor editor(missing);
    auto* status = editor.window->findChild<QLabel*>("status");
    QVERIFY(status->text().contains("missing"));
    editor.key(Qt::Key_8);
    drag(*editor.board, {{2, 1}});
    QVERIFY(!editor.window->save());
    // There was no file to keep as it was.
    QVERIFY(status->text().contains("no file was written"));
    QVERIFY(!QFile::exists(missing));
}

void EditorWindowTest::theListMovesLevelsWithTheirTapes()
{
    Editor editor;
    editor.key(Qt::Key_8);
    drag(*editor.board, {{2, 1}});
    editor.key(Qt::Key_F5);
    QTest::keyClick(editor.play, Qt::Key_Right);
    editor.play->tick();
    QTest::keyClick(editor.play, Qt::Key_Escape);
    QVERIFY(editor.window->save());
    const auto click = [&](const char* button) { editor.window->findChild<QPushButton*>(button)->click(); };
    click("add");
    editor.key(Qt::Key_8);
    drag(*editor.board, {{10, 10}});
    editor.key(Qt::Key_S, Qt::ControlModifier);
    auto* levels = editor.window->findChild<QListWidget*>("levels");
    const auto listed = [&] {
        QStringList texts;
        for (int row = 0; row < levels->count(); ++row)
            texts << levels->item(row)->text();
        return texts;
    };
    QTRY_COMPARE(listed(), QStringList({"Level 1 — proven", "Level 2 — unproven"}));
    const QByteArray unproven = levelFile(editor.levels(), 2);

    click("up");
    QCOMPARE(editor.window->levelNumber(), 1);
    QTRY_COMPARE(listed(), QStringList({"Level 1 — unproven", "Level 2 — proven"}));
    QCOMPARE(levelFile(editor.levels(), 1), unproven);

    click("duplicate");
    QCOMPARE(editor.window->levelNumber(), 2);
    QTRY_COMPARE(listed(), QStringList({"Level 1 — unproven", "Level 2 — unproven", "Level 3 — proven"}));
    QCOMPARE(levelFile(editor.levels(), 2), unproven);
}

// A level file cut short is listed as damaged, with the reader's cause, and can
// be selected and moved like any other.
void EditorWindowTest::aDamagedLevelIsListedWithItsCauseAndMoves()
{
    QTemporaryDir levels;
    const std::string folder = levels.path().toStdString();
    QCOMPARE(saveLevel(folder, 1, LevelBoard(), std::nullopt), SaveOutcome::Saved);
    const std::vector<std::uint8_t> whole = levelFileBytes(LevelBoard());
    QFile cut(QString::fromStdString(levelFilePath(folder, 2)));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(reinterpret_cast<const char*>(whole.data()), 200);
    cut.close();
    Editor editor(levels.path());
    auto* list = editor.window->findChild<QListWidget*>("levels");
    QTRY_COMPARE(list->item(1)->text(), QString("Level 2 — damaged"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(editor.window->levelNumber(), 2);
    QVERIFY(editor.window->findChild<QLabel*>("status")->text().endsWith("truncated pixel data"));
    editor.window->findChild<QPushButton*>("up")->click();
    QCOMPARE(editor.window->levelNumber(), 1);
    QCOMPARE(QFileInfo(QString::fromStdString(levelFilePath(folder, 1))).size(), 200);

    // A picture opened over it takes its place.
    QTemporaryDir elsewhere;
    LevelBoard good;
    good.set({9, 9}, Diamond);
    QCOMPARE(saveLevel(elsewhere.path().toStdString(), 1, good, std::nullopt), SaveOutcome::Saved);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(QString::fromStdString(levelFilePath(elsewhere.path().toStdString(), 1)));
        static_cast<QDialog*>(dialog)->accept();
    });
    editor.window->findChild<QPushButton*>("openPicture")->click();
    QCOMPARE(editor.window->levelNumber(), 1);
    QVERIFY(editor.window->save());
    QCOMPARE(QFileInfo(QString::fromStdString(levelFilePath(folder, 1))).size(), static_cast<qint64>(whole.size()));
    QCOMPARE(levelCount(folder), 2);
}

// A tape that waits ten million ticks is replayed off the window's thread: the
// window is up at once, its list saying so until the replay ends.
void EditorWindowTest::aLongTapeIsReplayedWithoutTheWindowWaiting()
{
    QTemporaryDir levels;
    const std::string folder = levels.path().toStdString();
    LevelBoard diamondLeftAlone;
    diamondLeftAlone.set({5, 5}, Diamond);
    QCOMPARE(saveLevel(folder, 1, diamondLeftAlone, ".*10000000"), SaveOutcome::Saved);
    EditorWindow window(folder, true, std::string(BuiltInSkin), DefaultHotkeys);
    auto* list = window.findChild<QListWidget*>("levels");
    QCOMPARE(list->item(0)->text(), QString("Level 1 — checking…"));
    QTRY_COMPARE(list->item(0)->text(), QString("Level 1 — unproven"));
}

void EditorWindowTest::pixelsOfNoLevelColourAreToldBeforeTheyAreSavedOver()
{
    QTemporaryDir levels;
    LevelBoard board;
    board.set({9, 9}, Diamond);
    Picture picture = board.toPicture();
    picture.setPixel(5, 5, {254, 0, 0});
    const std::vector<std::uint8_t> bytes = writeBmp24(picture);
    QFile file(QString::fromStdString(levelFilePath(levels.path().toStdString(), 1)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();
    Editor editor(levels.path());
    const QString finding = "(5, 5) is 254,0,0, close to red wall 255,0,0";
    QCOMPARE(editor.window->findChild<QListWidget*>("problems")->item(0)->text(), finding);
    const auto asked = answerNextQuestion("Cancel");
    QVERIFY(!editor.window->save());
    QVERIFY(asked->contains(finding));
    QCOMPARE(file.size(), static_cast<qint64>(bytes.size()));
}

void EditorWindowTest::theEditorSaysWhyAndAsksOnlyWhatIsTrue()
{
    QTemporaryDir levels;
    LevelBoard board;
    board.set({9, 9}, Diamond);
    QCOMPARE(saveLevel(levels.path().toStdString(), 1, board, std::nullopt), SaveOutcome::Saved);
    Editor editor(levels.path());
    const auto asked = answerNextQuestion("Cancel");
    editor.window->findChild<QPushButton*>("delete")->click();
    QCOMPARE(*asked, QString("Delete level 1? The levels after it move up."));

    editor.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
    editor.board->setFocus();
    editor.key(Qt::Key_1);  // empty, over the player
    drag(*editor.board, {{1, 1}});
    editor.key(Qt::Key_F5);
    QVERIFY(!editor.playing());
    QCOMPARE(editor.window->findChild<QLabel*>("status")->text(), QString("Nobody to play: put a player on the board first"));
}

// Another editor saved its own level 1 meanwhile: it is kept, and this one
// becomes level 2.
void EditorWindowTest::aNewLevelTakesTheNextNumberWhenItsOwnWasTaken()
{
    Editor editor;
    editor.key(Qt::Key_8);
    drag(*editor.board, {{2, 1}});
    LevelBoard other;
    other.set({30, 30}, Diamond);
    QCOMPARE(saveLevel(editor.levels(), 1, other, std::nullopt), SaveOutcome::Saved);
    const QByteArray kept = levelFile(editor.levels(), 1);
    QVERIFY(!editor.window->save());
    QVERIFY(editor.window->findChild<QLabel*>("status")->text().contains("appeared meanwhile"));
    QCOMPARE(editor.window->levelNumber(), 2);
    QVERIFY(editor.window->save());
    QCOMPARE(levelFile(editor.levels(), 1), kept);
    QCOMPARE(levelCount(editor.levels()), 2);
}

// The close button's request, and Ctrl+Q, ask before unsaved changes are lost.
void EditorWindowTest::anUnsavedLevelIsMarkedAndClosedOnlyWhenLeft()
{
    Editor editor;
    QVERIFY(!editor.window->isWindowModified());
    editor.key(Qt::Key_6);
    drag(*editor.board, {{5, 5}});
    QVERIFY(editor.window->isWindowModified());
    QVERIFY(editor.window->windowTitle().contains("[*]"));

    const auto asked = answerNextQuestion("Cancel");
    editor.window->windowHandle()->close();
    QCOMPARE(*asked, QString("The level has changes that are not saved. Leave them?"));
    QVERIFY(editor.window->isVisible());
    QCOMPARE(editor.window->session().board().at({5, 5}), std::uint8_t{Stone});

    answerNextQuestion("Leave them");
    editor.window->activateWindow();  // as the desktop does when the question goes
    editor.board->setFocus();
    editor.key(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!editor.window->isVisible());
}

void EditorWindowTest::theLineUnderTheBoardTellsOfTheLastActionOnly()
{
    Editor editor;
    editor.key(Qt::Key_8);
    drag(*editor.board, {{2, 1}});
    QVERIFY(editor.window->save());
    editor.click("add");
    QCOMPARE(editor.status(), QString());
    drag(*editor.board, {{2, 1}});
    editor.key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(editor.status().contains("level2.bmp"));
    answerNextQuestion("Delete");
    editor.click("delete");
    QCOMPARE(levelCount(editor.levels()), 1);
    QCOMPARE(editor.status(), QString());
}

// The pointer stands still over the cell that a click changes.
void EditorWindowTest::thePointedCellIsNamedAsAStrokeLeftIt()
{
    Editor editor;
    auto* pointer = editor.window->findChild<QLabel*>("pointer");
    mouse(*editor.board, QEvent::MouseMove, {7, 7});
    QVERIFY(pointer->text().endsWith(QString::fromStdString(cellKindName(Earth).english)));
    editor.key(Qt::Key_6);
    mouse(*editor.board, QEvent::MouseButtonPress, {7, 7});
    mouse(*editor.board, QEvent::MouseButtonRelease, {7, 7});
    QVERIFY(pointer->text().endsWith(QString::fromStdString(cellKindName(Stone).english)));
}

// Zoomed from one screen pixel a skin pixel to two by the keys, each pixel of
// the board becomes two by two pixels of its own colour: nothing smoothed.
void EditorWindowTest::aZoomedBoardGrowsByWholePixels()
{
    Editor editor;
    // A quarter of the field each way, as the board shows it at the scale.
    const auto zoomedTo = [&](double scale) {
        for (int step = 0; step < 20 && editor.board->scale() > scale; ++step)
            editor.key(Qt::Key_Minus, Qt::ControlModifier);
        for (int step = 0; step < 20 && editor.board->scale() < scale; ++step)
            editor.key(Qt::Key_Plus, Qt::ControlModifier);
        QApplication::processEvents();
        const int cell = int(CellPixels * scale);
        const QPoint origin = pointOf(*editor.board, {0, 0}) - QPoint((cell - 1) / 2, (cell - 1) / 2);
        return editor.board->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(
            QRect(origin, QSize(FieldWidth, FieldHeight) * scale / 4));
    };
    const QImage one = zoomedTo(1);
    QCOMPARE(editor.board->scale(), 1.0);
    const QImage two = zoomedTo(2);
    QCOMPARE(editor.board->scale(), 2.0);
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            for (const QPoint part : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                if (two.pixel(2 * QPoint(x, y) + part) != one.pixel(x, y))
                    QFAIL(qPrintable(QString("skin pixel %1, %2").arg(x).arg(y)));
    editor.key(Qt::Key_0, Qt::ControlModifier);
    QVERIFY(editor.board->scale() < 1);  // fitted to the window again
}

// A window that ends without closing, as a killed editor does, leaves its
// copy; the next start on the folder brings the level back as one undo step.
void EditorWindowTest::aKilledEditorBringsItsChangesBack()
{
    QTemporaryDir players;
    const EditorPlaces places{players.filePath("recovery").toStdString(), {}, {}};
    auto editor = std::make_unique<Editor>(QString(), DefaultHotkeys, true, places);
    editor->key(Qt::Key_8);
    drag(*editor->board, {{2, 1}});
    QVERIFY(editor->window->save());
    const LevelBoard saved = editor->window->session().board();
    drag(*editor->board, {{4, 4}, {9, 4}});
    const LevelBoard changed = editor->window->session().board();
    const QString levels = editor->folder.path();
    editor->folder.setAutoRemove(false);
    editor.reset();

    const auto asked = answerNextQuestion("Bring back");
    Editor again(levels, DefaultHotkeys, true, places);
    QVERIFY(asked->contains("level 1 was saved"));
    QVERIFY(again.window->session().board() == changed);
    QVERIFY(again.window->isWindowModified());
    again.key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(again.window->session().board() == saved);
    QDir(levels).removeRecursively();
}

void EditorWindowTest::everyCaptionFitsOnASmallScreen_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("English") << true;
    QTest::newRow("Russian") << false;
}

// On a screen of 1024 x 768 every button, tool and kind of cell shows its
// whole caption, in either language.
void EditorWindowTest::everyCaptionFitsOnASmallScreen()
{
    QFETCH(bool, english);
    Editor editor({}, DefaultHotkeys, english);
    editor.window->resize(1024, 768);
    QApplication::processEvents();
    for (const QAbstractButton* button : editor.window->findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }
    const auto* palette = editor.window->findChild<QListWidget*>("palette");
    for (int row = 0; row < palette->count(); ++row) {
        const QListWidgetItem* item = palette->item(row);
        QVERIFY2(palette->visualItemRect(item).width() <= palette->viewport()->width(), qPrintable(item->text()));
        QVERIFY2(palette->iconSize().width() + palette->fontMetrics().horizontalAdvance(item->text()) <
                     palette->viewport()->width(),
                 qPrintable(item->text()));
    }
}

QTEST_MAIN(EditorWindowTest)
#include "editor_window.moc"
