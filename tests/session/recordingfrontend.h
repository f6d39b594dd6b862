// A front end that records what the session asks of it, and a save folder and
// levels folder in memory. Both write every call into one transcript, a line a
// call in the order asked, so that a whole scenario can be compared with a
// stored, reviewed text.
#pragma once

#include "frontend.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The calls as text. The cells drawn between two other calls make one line,
// their count and a hash of what was drawn where, so that the text stays
// readable and a change of the drawing still shows.
class Transcript {
public:
    // A control character is written as its code, so that every line reads.
    void line(const std::string& text)
    {
        endCells();
        for (const char c : text) {
            char code[5] = {c};
            if (static_cast<unsigned char>(c) < ' ')
                std::snprintf(code, sizeof code, "\\x%02x", c);
            text_ += code;
        }
        text_ += '\n';
    }
    void cell(int spritecol, int spriterow, int x, int y)
    {
        ++cells_;
        for (const int value : {spritecol, spriterow, x, y})
            hash_ = (hash_ ^ static_cast<std::uint32_t>(value)) * FnvPrime;
    }
    const std::string& text()
    {
        endCells();
        return text_;
    }

private:
    static constexpr std::uint32_t FnvBasis = 2166136261u, FnvPrime = 16777619u;
    void endCells()
    {
        if (cells_ == 0)
            return;
        char hash[9];
        std::snprintf(hash, sizeof hash, "%08x", hash_);
        text_ += "  draw " + std::to_string(cells_) + " cells #" + hash + '\n';
        cells_ = 0;
        hash_ = FnvBasis;
    }
    std::string text_;
    int cells_ = 0;
    std::uint32_t hash_ = FnvBasis;
};

inline std::string quoted(const std::string& text) { return '"' + text + '"'; }
inline std::string said(const MessageText& text) { return quoted(text.english) + " / " + quoted(text.russian); }
inline std::string itemName(int id) { return findItem(id) ? std::string(findItem(id)->widget) : std::to_string(id); }
template <typename Words>
std::string joined(const Words& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : ", ") + word;
    return "[" + text + "]";
}

class RecordingFrontEnd : public FrontEnd {
public:
    Transcript transcript;
    bool clocks[2] = {false, false};
    std::vector<std::string> entries[2];  // of the load list and the save list
    int selected[2] = {-1, -1};
    std::string typed;
    int lastTitleStep = 1000;  // the title ends at this step

    bool clock(Clock which) const { return clocks[static_cast<int>(which)]; }

    void drawitem(int spritecol, int spriterow, int x, int y) override
    {
        transcript.cell(spritecol, spriterow, x, y);
    }
    void placeField(int left, int top) override { log("field at " + std::to_string(left) + "," + std::to_string(top)); }
    void showCounters(const Counters& c) override
    {
        log("counters lives " + std::to_string(c.lives) + " bombs " + std::to_string(c.bombs) + " diamonds " +
            std::to_string(c.diamonds) + " yellow " + std::to_string(c.yellow) + " olive " + std::to_string(c.olive));
    }
    void showLevelCaption(const std::string& shown) override { log("caption " + quoted(shown)); }
    void runClock(Clock which, bool on) override
    {
        clocks[static_cast<int>(which)] = on;
        log(std::string(which == Clock::World ? "world" : "interface") + " clock " + (on ? "on" : "off"));
    }
    void showMessage(const MessageText& message) override { log("message " + said(message)); }
    void closeMessage() override { log("message closed"); }
    void showProgress(const MessageText& shown) override { log("progress " + said(shown)); }
    void setProgress(int step) override { progressSteps.push_back(step); }
    // The steps in short: how many, the first and the last.
    void hideProgress() override
    {
        const std::vector<int> steps = std::exchange(progressSteps, {});
        log("progress " + std::to_string(steps.size()) + " steps" +
            (steps.empty() ? "" : ", " + std::to_string(steps.front()) + " to " + std::to_string(steps.back())) +
            ", hidden");
    }
    // Only a change of look is written: the menus set every item's look anew.
    void setItemLook(int id, bool highlighted, bool usable) override
    {
        const std::string look = std::string(highlighted ? "lit" : "plain") + (usable ? "" : " grey");
        if (std::exchange(looks[id], look) != look)
            log("look " + itemName(id) + " " + look);
    }
    void setPanelVisible(Panel panel, bool visible) override
    {
        static const char* const names[] = {"none", "main", "new", "load", "save", "keys", "about", "skins", "language"};
        log(std::string("panel ") + names[static_cast<int>(panel)] + (visible ? " shown" : " hidden"));
    }
    void focusItem(int id) override { log("focus " + itemName(id)); }
    void showScreen(bool play) override { log(play ? "play screen" : "menu screen"); }
    void showCaptions(bool english) override { log(english ? "captions English" : "captions Russian"); }
    void showKeyNames(const std::array<std::string, HotkeyCount>& names) override { log("key names " + joined(names)); }
    void showExternalLevelCount(int count) override { log("external levels " + std::to_string(count)); }
    void showEntries(int list, const std::vector<std::string>& shown) override
    {
        entries[index(list)] = shown;
        selected[index(list)] = -1;
        log(itemName(list) + " shows " + joined(shown));
    }
    std::string selectedEntry(int list) override
    {
        const int row = selected[index(list)];
        const std::string entry = row < 0 ? std::string() : entries[index(list)][row];
        log(itemName(list) + " selection read " + quoted(entry));
        return entry;
    }
    bool selectFirstEntry(int list) override
    {
        const bool any = !entries[index(list)].empty();
        selected[index(list)] = any ? 0 : -1;
        log(itemName(list) + (any ? " first entry selected" : " empty, nothing selected"));
        return any;
    }
    std::string typedName() override
    {
        log("name box read " + quoted(typed));
        return typed;
    }
    void setTypedName(const std::string& name) override
    {
        typed = name;
        log("name box set " + quoted(name));
    }
    bool showTitleStep(int step) override
    {
        log("title step " + std::to_string(step));
        return step >= lastTitleStep;
    }
    void hideTitle() override { log("title hidden"); }
    void showPreviewStep(int step) override { log("preview step " + std::to_string(step)); }
    bool openwebpage(const std::string& page) override
    {
        log("web page " + page + " (no browser)");
        return false;
    }
    void exitGame() override { log("exit"); }

private:
    void log(const std::string& text) { transcript.line(text); }
    static int index(int list) { return list == item::LoadList ? 0 : 1; }
    std::map<int, std::string> looks;
    std::vector<int> progressSteps;
};

// A save folder and a levels folder in memory. A level held as nothing is one
// that is there but cannot be read.
class FakeFiles : public PlayerFiles {
public:
    explicit FakeFiles(Transcript& transcript) : transcript_(transcript) {}
    std::map<std::string, std::vector<std::uint8_t>> saves;
    std::map<int, std::optional<Picture>> levels;
    bool writable = true;

    std::vector<std::string> savedGames() override
    {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : saves)
            names.push_back(name);
        log("saved games listed");
        return names;
    }
    bool savedGameExists(const std::string& name) override
    {
        log("is there " + name + "?");
        return saves.contains(name);
    }
    std::optional<std::vector<std::uint8_t>> readSavedGame(const std::string& name) override
    {
        const auto file = saves.find(name);
        log("read " + name + (file == saves.end() ? ": none" : ": " + std::to_string(file->second.size()) + " bytes"));
        return file == saves.end() ? std::nullopt : std::optional(file->second);
    }
    bool writeSavedGame(const std::string& name, std::span<const std::uint8_t> bytes) override
    {
        if (writable)
            saves[name].assign(bytes.begin(), bytes.end());
        log("write " + name + ": " + std::to_string(bytes.size()) + " bytes" + (writable ? "" : ", refused"));
        return writable;
    }
    bool removeSavedGame(const std::string& name) override
    {
        log("remove " + name);
        return saves.erase(name) == 1;
    }
    bool savedGamesFolderIsLink() override
    {
        log("is the save folder a link? no");
        return false;
    }
    // Asked for every level the count goes through: only the reads are written.
    bool levelExists(int n) override { return levels.contains(n); }
    std::optional<Picture> readLevel(int n) override
    {
        const auto level = levels.find(n);
        const std::optional<Picture> picture = level == levels.end() ? std::nullopt : level->second;
        log("read level " + std::to_string(n) + (picture ? "" : ": none"));
        return picture;
    }

private:
    void log(const std::string& text) { transcript_.line("files: " + text); }
    Transcript& transcript_;
};
