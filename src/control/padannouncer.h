// Which pads to name in the message panel: each pad the first time it is
// connected while the game runs. A message over the menus waits for Enter, and
// one over the field would stand in the player's way, so a pad connected
// during the title or in play is named when the menus are shown next.
#pragma once

#include <deque>
#include <optional>
#include <set>
#include <string>

class PadAnnouncer {
public:
    // `id` tells pads apart (the same model has the same one); `name` is shown.
    void connected(const std::string& id, const std::string& name);
    // The name to show now, once: only while the menus stand with no message.
    std::optional<std::string> due(bool menusWithoutMessage);

private:
    std::set<std::string> seen_;
    std::deque<std::string> waiting_;
};
