// kernmine-editor's window: the level list of the levels folder, the board with
// its palette and tools, the checker's findings, and the play-test. It shows and
// wires; the editing itself is EditSession's, the files are levelfolder's.
#pragma once

#include "editsession.h"
#include "hotkeys.h"
#include "levelcheck.h"
#include "levelfolder.h"
#include "recoverycopy.h"
#include "skin.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the editor keeps and finds what lies outside its levels folder.
struct EditorPlaces {
    std::string recoveryCopy;  // the copy of unsaved changes; none: no copy is kept
    QString guide;             // the editor's guide, in the player's language
    QString pictureFolder;     // where the last picture was opened from
};

class BoardView;
class PlayTest;
class QProgressBar;
class WinFinder;
struct SolveProgress;
struct SolveResult;
struct TapeKey;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // The tools of the board, in the order the tool buttons stand.
    enum Tool { Pencil, Line, Rectangle, FilledRectangle, Fill };

    EditorWindow(const std::string& levelsFolder, bool english, const std::string& skin, const Hotkeys& keys,
                 const EditorPlaces& places = {});

    // What the board is being edited as: level `number` of the folder, saved
    // there already or not yet.
    int levelNumber() const { return number_; }
    const EditSession& session() const { return session_; }
    const LevelCheck& findings() const { return check_; }
    void chooseKind(std::uint8_t code);
    void chooseTool(Tool tool);

    // The list: opens level n of the folder; the operations on the selected level.
    void openLevel(int n);
    void newLevel();
    void addLevel(const LevelBoard& board);  // a new level, not yet saved, made from a board
    bool save();
    void playTest();

signals:
    // A picture was opened from the folder: the next start begins there.
    void pictureFolderChosen(const QString& folder);

protected:
    // Unsaved changes are left only when the author says so.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLevelColumn(QWidget* column);
    void buildEditPage(QWidget* page);
    void buildSideColumn(QWidget* column);
    void buildShortcuts();
    void buildMenus(QVBoxLayout* window);
    void answerSession();
    void setTexts();
    QString say(const MessageText& text) const;

    // Each change of the board shows it again, checks it and lists the findings.
    void boardChanged();
    // The title with its unsaved mark, and the recovery copy, after every
    // change, save or level opened.
    void showState();
    void offerRecovery();
    // Every action of the author runs here: the line under the board is the
    // action's own report, or empty, never the one of an action before.
    void act(const std::function<void()>& action);
    void showFindings();
    void showCounts();
    void checkFolder();
    void listLevels();
    void showPointer(std::optional<BoardCell> cell);
    void showPointedCell();

    void pressed(BoardCell cell, Qt::MouseButton button);
    void dragged(BoardCell cell);
    void released();

    // Whether the player answers the question with `yes` rather than cancel.
    bool confirm(const MessageText& question, const MessageText& yes);
    // The same, where the safe answer is `yes` and the other leaves something.
    bool confirmSafe(const MessageText& question, const MessageText& yes, const MessageText& no);
    void warn(const MessageText& text);
    // False when the player keeps unsaved changes rather than lose them.
    bool mayLeaveLevel();
    void runPlan(const LevelPlan& plan, int selectAfter);
    void duplicateLevel();
    void deleteLevel();
    void moveLevel(int by);
    void openPicture();
    void copyBuiltin();
    void endPlayTest();
    // A tape that wins the board as it stands becomes its proof, its first line
    // saying how it was won; false when it does not win.
    bool acceptProof(const std::vector<TapeKey>& keys, std::string_view wonBy);

    // "Find a win": the solver searches in the background while the board stays
    // editable; an edit ends the search.
    void buildSearchBar(QWidget* page, QVBoxLayout* layout);
    void findWin();
    void showSearch(const SolveProgress& progress);
    void searchEnded(const SolveResult& result);
    void stopSearch(const MessageText& why);
    // Called with each change of the board: the search of another board ends,
    // and the board the solver found no win for lists it as a problem.
    void answerSearchFor(const LevelBoard& board);
    void report(const MessageText& text);
    void openGuide();
    // A name with the keys that do the same, for a tooltip.
    static QString withKeys(const QString& name, const QList<QKeySequence>& keys);

    std::string folder_;
    bool english_;
    Hotkeys keys_;
    Skin skin_;
    EditSession session_;
    LevelCheck check_;
    std::vector<LevelState> states_;  // of the folder's levels, from level 1
    bool checking_ = false;           // states_ are being found, off the interface's thread
    int checkRun_ = 0;                // the latest check; the results of earlier ones are dropped
    void takeFolderCheck(std::vector<LevelState> states);
    const LevelState* knownState(int n) const;  // nothing while unknown
    int number_ = 1;
    bool inFolder_ = false;
    std::uint8_t kind_ = Earth;
    Tool tool_ = Pencil;
    std::optional<BoardCell> anchor_;  // where the stroke began; the pencil's last cell
    std::optional<BoardCell> pointed_;  // the cell under the pointer
    EditorPlaces places_;
    RecoveryCopy recovery_;
    // A copy found at the start, kept as it is until the author answers for it.
    std::optional<RecoveredLevel> unanswered_;

    QStackedWidget* pages_;
    PlayTest* play_;
    BoardView* board_;
    QLabel* levelsHeading_;
    QListWidget* levels_;
    QPushButton* addButton_;
    QPushButton* duplicateButton_;
    QPushButton* deleteButton_;
    QPushButton* upButton_;
    QPushButton* downButton_;
    QPushButton* openButton_;
    QComboBox* builtins_;
    QPushButton* copyButton_;
    QPushButton* saveButton_;
    QPushButton* undoButton_;
    QPushButton* redoButton_;
    QPushButton* playButton_;
    QPushButton* findWinButton_;
    WinFinder* finder_;
    std::optional<LevelBoard> searched_;  // the board being searched
    std::optional<LevelBoard> noWin_;     // the board the solver proved has no win
    QWidget* searchBar_;
    QProgressBar* searchProgress_;
    QLabel* searchState_;
    QPushButton* cancelSearch_;
    QCheckBox* grid_;
    QLabel* pointer_;
    QLabel* proof_;
    QLabel* status_;
    QListWidget* palette_;
    QButtonGroup* tools_;
    QLabel* problemsHeading_;
    QListWidget* problems_;
    QLabel* countsHeading_;
    QLabel* counts_;
};
