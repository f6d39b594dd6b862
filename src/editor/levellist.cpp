// The editor window's level list and files: opening, saving, renumbering, and
// the play-test that proves a level.
#include "editorwindow.h"

#include "bmp.h"
#include "editortexts.h"
#include "winfinder.h"
#include "levels.h"
#include "playtest.h"
#include "replay.h"

#include <QPushButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStackedWidget>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <memory>

// Each level's tape is replayed once, when the folder is read or the level
// changes on disk, and on a thread of its own: a long tape keeps the list
// saying "checking" a while, never the window waiting.
void EditorWindow::checkFolder()
{
    if (const std::optional<int> back = bringBackStranded(folder_))
        report(editortext::broughtBack(*back));
    const int run = ++checkRun_;
    checking_ = true;
    auto found = std::make_shared<std::vector<LevelState>>();
    QThread* thread = QThread::create([folder = folder_, found] {
        for (int n = 1, count = levelCount(folder); n <= count; ++n)
            found->push_back(examineLevel(folder, n));
    });
    connect(thread, &QThread::finished, this, [this, run, found] {
        if (run == checkRun_)
            takeFolderCheck(std::move(*found));
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void EditorWindow::takeFolderCheck(std::vector<LevelState> states)
{
    states_ = std::move(states);
    checking_ = false;
    // The level open as it is on disk takes the proof found beside it.
    const LevelState* open = inFolder_ ? knownState(number_) : nullptr;
    if (open && !session_.modified() && open->proof && open->board == session_.board())
        session_.setProof(*open->proof);
    listLevels();
    boardChanged();
}

const LevelState* EditorWindow::knownState(int n) const
{
    return checking_ || n > static_cast<int>(states_.size()) ? nullptr : &states_[n - 1];
}

void EditorWindow::listLevels()
{
    levels_->clear();
    for (int n = 1, count = levelCount(folder_); n <= count; ++n) {
        const LevelState* state = knownState(n);
        MessageText status = editortext::checking();
        switch (state ? state->status : LevelStatus::Missing) {
        case LevelStatus::Proven: status = editortext::proven(); break;
        case LevelStatus::Unproven: status = editortext::unproven(); break;
        case LevelStatus::Broken: status = editortext::broken(); break;
        case LevelStatus::Damaged: status = editortext::damaged(); break;
        case LevelStatus::Missing: if (state) status = editortext::missing(); break;
        }
        auto* item = new QListWidgetItem(say(editortext::listedLevel(n)) + " — " + say(status));
        if (state && state->status == LevelStatus::Damaged)
            item->setToolTip(say(state->damage));
        levels_->addItem(item);
    }
    if (!inFolder_)
        levels_->addItem(say(editortext::newLevel(number_)));
    levels_->setCurrentRow(number_ - 1);
}

void EditorWindow::openLevel(int n)
{
    MessageText damage;
    const std::optional<Picture> level = readBmpFile(levelFilePath(folder_, n), &damage);
    // A damaged level is selected with an empty board, for the list's buttons
    // and Open picture to act on it.
    session_ = EditSession(level ? LevelBoard::fromPicture(*level) : LevelBoard::fromPicture(Picture{}));
    const MessageText unreadable = editortext::unreadablePicture(levelFilePath(folder_, n), damage);
    session_.setReadingProblems(level ? readingProblems(*level) : std::vector<LevelProblem>{{unreadable, {}}});
    number_ = n;
    inFolder_ = true;
    const LevelState* known = knownState(n);
    if (!level)
        report(unreadable);
    else if (known && known->board == session_.board() && known->proof)
        session_.setProof(*known->proof);
    else if (known && known->board != session_.board())
        checkFolder();  // changed on disk since the folder was checked
    listLevels();
    boardChanged();
}

void EditorWindow::newLevel()
{
    addLevel(LevelBoard());
}

void EditorWindow::addLevel(const LevelBoard& board)
{
    session_ = EditSession(board);
    number_ = levelCount(folder_) + 1;
    inFolder_ = false;
    listLevels();
    boardChanged();
}

// Qt's own buttons and file dialog speak English only: every answer is
// written out in the editor's language.
bool EditorWindow::confirm(const MessageText& question, const MessageText& yes)
{
    QMessageBox box(QMessageBox::Warning, say(editortext::windowTitle()), say(question), QMessageBox::NoButton, this);
    const QPushButton* accept = box.addButton(say(yes), QMessageBox::AcceptRole);
    // Enter cancels: nothing is lost by a key pressed in haste.
    box.setDefaultButton(box.addButton(say(editortext::cancel()), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == accept;
}

void EditorWindow::warn(const MessageText& text)
{
    QMessageBox box(QMessageBox::Warning, say(editortext::windowTitle()), say(text), QMessageBox::NoButton, this);
    box.addButton(say(editortext::ok()), QMessageBox::AcceptRole);
    box.exec();
}

bool EditorWindow::mayLeaveLevel()
{
    return !session_.modified() || confirm(editortext::discardChanges(), editortext::discard());
}

bool EditorWindow::save()
{
    if (!check_.valid()) {
        std::string problems;
        for (const LevelProblem& problem : check_.problems)
            problems += "• " + problem.text.in(english_) + "\n";
        if (!confirm(editortext::saveAnyway(problems), editortext::save()))
            return false;
    }
    const std::string path = levelFilePath(folder_, number_);
    const bool existed = std::filesystem::exists(path);
    switch (saveLevel(folder_, number_, session_.board(), session_.proof(), !inFolder_)) {
    case SaveOutcome::NothingChanged:
        report(existed ? editortext::cannotSave(path) : editortext::cannotSaveNew(path));
        return false;
    case SaveOutcome::NumberTaken:
        // The other program's level joins the list; this one waits for the next number.
        checkFolder();
        number_ = levelCount(folder_) + 1;
        listLevels();
        report(editortext::numberTaken(path, number_));
        return false;
    case SaveOutcome::Saved: report(editortext::saved(path)); break;
    case SaveOutcome::TapeNotSaved: report(editortext::tapeNotSaved(path, levelTapePath(folder_, number_))); break;
    case SaveOutcome::OldTapeLeft: report(editortext::oldTapeLeft(path, levelTapePath(folder_, number_))); break;
    }
    session_.markSaved();
    inFolder_ = true;
    showState();
    checkFolder();
    listLevels();
    return true;
}

void EditorWindow::runPlan(const LevelPlan& plan, int selectAfter)
{
    DiskFiles disk;
    const PlanOutcome outcome = carryOut(plan, folder_, disk);
    if (!outcome.report.english.empty())
        warn(outcome.report);
    checkFolder();
    const int count = levelCount(folder_);
    if (count == 0)
        newLevel();
    else
        openLevel(std::clamp(outcome.done ? selectAfter : number_, 1, count));
}

void EditorWindow::duplicateLevel()
{
    if (inFolder_ && mayLeaveLevel())
        runPlan(planDuplicate(number_, levelCount(folder_)), number_ + 1);
}

void EditorWindow::deleteLevel()
{
    if (!inFolder_) {
        if (mayLeaveLevel())
            runPlan({}, number_ - 1);
        return;
    }
    const bool tape = std::filesystem::exists(levelTapePath(folder_, number_));
    if (confirm(editortext::deleteQuestion(number_, tape), editortext::deleteLevel()))
        runPlan(planRemove(number_, levelCount(folder_)), number_);
}

void EditorWindow::moveLevel(int by)
{
    const int other = number_ + by;
    if (inFolder_ && other >= 1 && other <= levelCount(folder_) && mayLeaveLevel())
        runPlan(planSwap(number_, other), other);
}

void EditorWindow::openPicture()
{
    if (!mayLeaveLevel())
        return;
    QFileDialog dialog(this, say(editortext::openPicture()),
                       places_.pictureFolder.isEmpty() ? QString::fromStdString(folder_) : places_.pictureFolder,
                       say(editortext::pictureFilter()));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const std::pair<QFileDialog::DialogLabel, MessageText> labels[] = {
        {QFileDialog::LookIn, editortext::lookIn()},     {QFileDialog::FileName, editortext::fileName()},
        {QFileDialog::FileType, editortext::fileType()}, {QFileDialog::Accept, editortext::open()},
        {QFileDialog::Reject, editortext::cancel()}};
    for (const auto& [label, text] : labels)
        dialog.setLabelText(label, say(text));
    if (!dialog.exec() || dialog.selectedFiles().isEmpty())
        return;
    places_.pictureFolder = dialog.directory().absolutePath();
    emit pictureFolderChosen(places_.pictureFolder);
    const std::string path = dialog.selectedFiles().front().toStdString();
    MessageText cause;
    const std::optional<Picture> picture = readBmpFile(path, &cause);
    if (!picture) {
        report(editortext::unreadablePicture(path, cause));
        return;
    }
    const std::vector<LevelProblem> lost = readingProblems(*picture);
    const bool otherSize = picture->width != BoardColumns || picture->height != BoardRows;
    if (otherSize && !confirm(editortext::openCorner(lost.front().text), editortext::openCornerButton()))
        return;
    // Opened over a damaged level, the picture takes its place when saved.
    if (inFolder_ && levelFileExists(folder_, number_) && !readLevelFile(folder_, number_)) {
        session_.replaceBoard(LevelBoard::fromPicture(*picture));
    } else {
        addLevel(LevelBoard::fromPicture(*picture));
    }
    session_.setReadingProblems(lost);
    boardChanged();
}

void EditorWindow::copyBuiltin()
{
    if (!mayLeaveLevel())
        return;
    const int n = builtins_->currentIndex() + 1;
    if (const std::optional<Picture> level = builtinLevel(n))
        addLevel(LevelBoard::fromPicture(*level));
    else
        report(editortext::unreadableBuiltin(n));
}

void EditorWindow::playTest()
{
    if (check_.counts[Player] == 0) {
        report(editortext::noPlayerToPlay());
        return;
    }
    pages_->setCurrentWidget(play_);
    play_->start(session_.board(), number_, folder_, english_, keys_);
}

// A play that won proves the level when its tape, replayed, wins it too.
void EditorWindow::endPlayTest()
{
    pages_->setCurrentIndex(0);
    if (play_->won() && !acceptProof(play_->tape(), PlayTestProof))
        report(editortext::wonButNotReplayed());
    boardChanged();
}

void EditorWindow::report(const MessageText& text)
{
    status_->setText(say(text));
}
