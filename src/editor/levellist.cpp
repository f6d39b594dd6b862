// The editor window's level list and files: opening, saving, renumbering, and
// the play-test that proves a level.
#include "editorwindow.h"

#include "bmp.h"
#include "editortexts.h"
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

#include <algorithm>

// Each level's tape is replayed once, when the folder is read or the level
// changes on disk, not whenever the list is shown again.
void EditorWindow::checkFolder()
{
    statuses_.clear();
    for (int n = 1, count = levelCount(folder_); n <= count; ++n)
        statuses_.push_back(levelStatus(folder_, n));
}

void EditorWindow::listLevels()
{
    levels_->clear();
    for (std::size_t i = 0; i < statuses_.size(); ++i) {
        MessageText status;
        switch (statuses_[i]) {
        case LevelStatus::Proven: status = editortext::proven(); break;
        case LevelStatus::Unproven: status = editortext::unproven(); break;
        case LevelStatus::Broken: status = editortext::broken(); break;
        case LevelStatus::Missing: status = editortext::missing(); break;
        }
        levels_->addItem(say(editortext::listedLevel(static_cast<int>(i) + 1)) + " — " + say(status));
    }
    if (!inFolder_)
        levels_->addItem(say(editortext::newLevel(number_)));
    levels_->setCurrentRow(number_ - 1);
}

void EditorWindow::openLevel(int n)
{
    const std::optional<Picture> level = readLevelFile(folder_, n);
    if (!level) {
        report(editortext::unreadablePicture(levelFilePath(folder_, n)));
        checkFolder();
        listLevels();
        return;
    }
    session_ = EditSession(LevelBoard::fromPicture(*level));
    if (const std::optional<std::string> tape = provingTape(folder_, n, *level))
        session_.setProof(*tape);
    number_ = n;
    inFolder_ = true;
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
    if (!saveLevel(folder_, number_, session_.board(), session_.proof())) {
        report(editortext::cannotSave(path));
        return false;
    }
    session_.markSaved();
    inFolder_ = true;
    showState();
    report(editortext::saved(path));
    statuses_.resize(std::max(statuses_.size(), static_cast<std::size_t>(number_)));
    statuses_[number_ - 1] = levelStatus(folder_, number_);
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
    if (confirm(editortext::deleteQuestion(number_), editortext::deleteLevel()))
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
    const QString path = dialog.selectedFiles().front();
    places_.pictureFolder = dialog.directory().absolutePath();
    emit pictureFolderChosen(places_.pictureFolder);
    if (const std::optional<Picture> picture = readBmpFile(path.toStdString()))
        addLevel(LevelBoard::fromPicture(*picture));
    else
        report(editortext::unreadablePicture(path.toStdString()));
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
    if (check_.counts[Player] == 0)
        return;
    pages_->setCurrentWidget(play_);
    play_->start(session_.board(), number_, folder_, english_, keys_);
}

// A play that won proves the level when its tape, replayed, wins it too.
void EditorWindow::endPlayTest()
{
    pages_->setCurrentIndex(0);
    if (play_->won()) {
        const std::string tape = "# Level " + std::to_string(number_) +
                                 ", won in a play-test of kernmine-editor: one key a tick.\n" +
                                 writeTape(play_->tape());
        std::string error;
        const auto steps = parseTape(tape, error);
        if (steps && tapeWins(session_.board().toPicture(), number_, *steps))
            session_.setProof(tape);
    }
    boardChanged();
}

void EditorWindow::report(const MessageText& text)
{
    status_->setText(say(text));
}
