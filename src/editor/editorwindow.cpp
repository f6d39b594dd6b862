#include "editorwindow.h"

#include "boardview.h"
#include "editortexts.h"
#include "levels.h"
#include "playtest.h"
#include "widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QShortcut>
#include <QStackedWidget>

#include <filesystem>

namespace {
// The side columns keep their width; the board takes the rest.
constexpr int LevelColumnWidth = 230;
constexpr int SideColumnWidth = 260;
constexpr QSize StartSize{1280, 860};
constexpr int PaletteIcon = 24;
constexpr int ProblemSpacing = 3;  // pixels between two findings, so each reads on its own
// The keys that choose the tools, in tool order.
const std::array<QKeySequence, EditorWindow::Fill + 1> ToolKeys{
    QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_L), QKeySequence(Qt::Key_R), QKeySequence(Qt::SHIFT | Qt::Key_R),
    QKeySequence(Qt::Key_F)};
// The keys that choose the twelve kinds of cell, in cell-code order.
constexpr std::array<Qt::Key, CellCodeCount> KindKeys{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                                                      Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8,
                                                      Qt::Key_9, Qt::Key_0, Qt::Key_Minus, Qt::Key_Equal};

QPushButton* button(QWidget* parent, const QString& name)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    return b;
}

QLabel* heading(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    setBold(label);
    return label;
}
}  // namespace

EditorWindow::EditorWindow(const std::string& levelsFolder, bool english, const std::string& skin,
                           const Hotkeys& keys, const EditorPlaces& places)
    : folder_(levelsFolder), english_(english), keys_(keys), places_(places), recovery_(places.recoveryCopy)
{
    setObjectName("editor");
    unanswered_ = recovery_.read();
    if (unanswered_ && unanswered_->folder != folder_)
        unanswered_.reset();
    skin_.loadAtStartup(skin);
    pages_ = new QStackedWidget(this);
    auto* editPage = new QWidget(pages_);
    auto* row = new QHBoxLayout(editPage);
    auto* levelColumn = new QWidget(editPage);
    auto* middle = new QWidget(editPage);
    auto* sideColumn = new QWidget(editPage);
    levelColumn->setFixedWidth(LevelColumnWidth);
    sideColumn->setFixedWidth(SideColumnWidth);
    row->addWidget(levelColumn);
    row->addWidget(middle, 1);
    row->addWidget(sideColumn);
    buildLevelColumn(levelColumn);
    buildEditPage(middle);
    buildSideColumn(sideColumn);
    play_ = new PlayTest(skin_, pages_);
    connect(play_, &PlayTest::finished, this, &EditorWindow::endPlayTest);
    pages_->addWidget(editPage);
    pages_->addWidget(play_);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(pages_);
    buildMenus(whole);
    buildShortcuts();
    setTexts();
    resize(StartSize);

    checkFolder();
    if (levelCount(folder_) > 0)
        openLevel(1);
    else
        newLevel();
    chooseKind(Earth);
    if (!std::filesystem::is_directory(folder_))
        report(editortext::noLevelsFolder(folder_));
    answerSession();
    // Asked once the window stands, in front of it.
    if (unanswered_)
        QTimer::singleShot(0, this, &EditorWindow::offerRecovery);
}

QString EditorWindow::say(const MessageText& text) const
{
    return QString::fromStdString(text.in(english_));
}

void EditorWindow::buildLevelColumn(QWidget* column)
{
    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    levelsHeading_ = heading(column, "levelsHeading");
    levels_ = new QListWidget(column);
    levels_->setObjectName("levels");
    addButton_ = button(column, "add");
    duplicateButton_ = button(column, "duplicate");
    deleteButton_ = button(column, "delete");
    upButton_ = button(column, "up");
    downButton_ = button(column, "down");
    openButton_ = button(column, "openPicture");
    builtins_ = new QComboBox(column);
    builtins_->setObjectName("builtins");
    copyButton_ = button(column, "copyBuiltin");
    layout->addWidget(levelsHeading_, 0, 0, 1, 2);
    layout->addWidget(levels_, 1, 0, 1, 2);
    layout->addWidget(addButton_, 2, 0);
    layout->addWidget(duplicateButton_, 2, 1);
    layout->addWidget(upButton_, 3, 0);
    layout->addWidget(downButton_, 3, 1);
    layout->addWidget(deleteButton_, 4, 0);
    layout->addWidget(openButton_, 5, 0, 1, 2);
    layout->addWidget(builtins_, 6, 0, 1, 2);
    layout->addWidget(copyButton_, 7, 0, 1, 2);

    connect(levels_, &QListWidget::itemClicked, this, [this] {
        act([this] {
            const int n = levels_->currentRow() + 1;
            if (n != number_ && n <= levelCount(folder_) && mayLeaveLevel())
                openLevel(n);
            else
                listLevels();
        });
    });
}

void EditorWindow::buildEditPage(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* actions = new QHBoxLayout;
    saveButton_ = button(page, "save");
    undoButton_ = button(page, "undo");
    redoButton_ = button(page, "redo");
    playButton_ = button(page, "playTest");
    findWinButton_ = button(page, "findWin");
    grid_ = new QCheckBox(page);
    grid_->setObjectName("grid");
    for (QWidget* w : std::initializer_list<QWidget*>{saveButton_, undoButton_, redoButton_, playButton_, findWinButton_, grid_})
        actions->addWidget(w);
    actions->addStretch(1);
    board_ = new BoardView(page);
    board_->setObjectName("board");
    // A click on the board takes the keys there, so the number keys choose kinds.
    board_->setFocusPolicy(Qt::ClickFocus);
    std::array<QImage, CellCodeCount> tiles;
    for (std::uint8_t code = 0; code < CellCodeCount; ++code) {
        const Sprite sprite = levelStartSprite(code);
        tiles[code] = skin_.tile(sprite.col, sprite.row);
    }
    board_->setTiles(tiles);
    // A zoomed board larger than its place scrolls.
    auto* boardArea = new QScrollArea(page);
    boardArea->setWidget(board_);
    boardArea->setWidgetResizable(true);
    boardArea->setFrameShape(QFrame::NoFrame);
    auto* under = new QHBoxLayout;
    pointer_ = new QLabel(page);
    pointer_->setObjectName("pointer");
    proof_ = new QLabel(page);
    proof_->setObjectName("proof");
    under->addWidget(pointer_, 1);
    under->addWidget(proof_);
    status_ = new QLabel(page);
    status_->setObjectName("status");
    status_->setWordWrap(true);
    layout->addLayout(actions);
    layout->addWidget(boardArea, 1);
    layout->addLayout(under);
    layout->addWidget(status_);
    buildSearchBar(page, layout);

    connect(grid_, &QCheckBox::toggled, board_, &BoardView::setGrid);
    connect(board_, &BoardView::pressed, this,
            [this](BoardCell cell, Qt::MouseButton button) { act([&] { pressed(cell, button); }); });
    connect(board_, &BoardView::dragged, this, &EditorWindow::dragged);
    connect(board_, &BoardView::released, this, &EditorWindow::released);
    connect(board_, &BoardView::hovered, this, &EditorWindow::showPointer);
}

void EditorWindow::buildSideColumn(QWidget* column)
{
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    palette_ = new QListWidget(column);
    palette_->setObjectName("palette");
    palette_->setIconSize({PaletteIcon, PaletteIcon});
    for (std::uint8_t code = 0; code < CellCodeCount; ++code) {
        const Sprite sprite = levelStartSprite(code);
        palette_->addItem(new QListWidgetItem(QPixmap::fromImage(skin_.tile(sprite.col, sprite.row)), {}));
    }
    palette_->setFixedHeight(palette_->sizeHintForRow(0) * CellCodeCount + 2 * palette_->frameWidth());
    layout->addWidget(palette_);
    tools_ = new QButtonGroup(column);
    auto* toolGrid = new QGridLayout;
    for (int tool = Pencil; tool <= Fill; ++tool) {
        auto* choice = new QRadioButton(column);
        choice->setObjectName(QString("tool%1").arg(tool));
        tools_->addButton(choice, tool);
        toolGrid->addWidget(choice, tool / 2, tool % 2);
    }
    layout->addLayout(toolGrid);
    problemsHeading_ = heading(column, "problemsHeading");
    problems_ = new QListWidget(column);
    problems_->setObjectName("problems");
    problems_->setWordWrap(true);
    problems_->setSpacing(ProblemSpacing);
    countsHeading_ = heading(column, "countsHeading");
    counts_ = new QLabel(column);
    counts_->setObjectName("counts");
    counts_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // Figures of one width, so the counts stand in a column.
    counts_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(problemsHeading_);
    layout->addWidget(problems_, 1);
    layout->addWidget(countsHeading_);
    layout->addWidget(counts_);

    connect(palette_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            kind_ = static_cast<std::uint8_t>(row);
    });
    connect(tools_, &QButtonGroup::idClicked, this, [this](int tool) { tool_ = static_cast<Tool>(tool); });
    connect(problems_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(check_.problems.size()))
            board_->markCells(check_.problems[row].cells);
    });
    tools_->button(Pencil)->setChecked(true);
}

void EditorWindow::buildShortcuts()
{
    // The editing keys act on the edit page only: in a play-test every key is the game's.
    QWidget* editPage = pages_->widget(0);
    const auto shortcut = [&](const QKeySequence& keys, auto action) {
        auto* s = new QShortcut(keys, editPage);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    for (std::uint8_t code = 0; code < CellCodeCount; ++code)
        shortcut(QKeySequence(KindKeys[code]), [this, code] { chooseKind(code); });
    for (int tool = Pencil; tool <= Fill; ++tool)
        shortcut(ToolKeys[tool], [this, tool] { chooseTool(static_cast<Tool>(tool)); });
}

void EditorWindow::setTexts()
{
    levelsHeading_->setText(say(editortext::levelsHeading()));
    addButton_->setText(say(editortext::addLevel()));
    duplicateButton_->setText(say(editortext::duplicateLevel()));
    deleteButton_->setText(say(editortext::deleteLevel()));
    upButton_->setText(say(editortext::moveUp()));
    downButton_->setText(say(editortext::moveDown()));
    openButton_->setText(say(editortext::openPicture()));
    copyButton_->setText(say(editortext::copyBuiltin()));
    for (int n = 1; n <= BuiltinLevelCount; ++n)
        builtins_->addItem(say(editortext::builtinLevel(n)));
    saveButton_->setText(say(editortext::save()));
    undoButton_->setText(say(editortext::undo()));
    redoButton_->setText(say(editortext::redo()));
    playButton_->setText(say(editortext::playTest()));
    findWinButton_->setText(say(editortext::findWin()));
    cancelSearch_->setText(say(editortext::cancel()));
    grid_->setText(say(editortext::grid()));
    const MessageText toolNames[] = {editortext::pencil(), editortext::line(), editortext::rectangle(),
                                     editortext::filledRectangle(), editortext::fill()};
    for (int tool = Pencil; tool <= Fill; ++tool) {
        tools_->button(tool)->setText(say(toolNames[tool]));
        tools_->button(tool)->setToolTip(withKeys(say(toolNames[tool]), {ToolKeys[tool]}));
    }
    for (std::uint8_t code = 0; code < CellCodeCount; ++code)
        palette_->item(code)->setText(QKeySequence(KindKeys[code]).toString() + "  " + say(cellKindName(code)));
    problemsHeading_->setText(say(editortext::problemsHeading()));
    countsHeading_->setText(say(editortext::countsHeading()));
}
