#include "padannouncer.h"

void PadAnnouncer::connected(const std::string& id, const std::string& name)
{
    if (seen_.insert(id).second)
        waiting_.push_back(name);
}

std::optional<std::string> PadAnnouncer::due(bool menusWithoutMessage)
{
    if (!menusWithoutMessage || waiting_.empty())
        return std::nullopt;
    std::string name = std::move(waiting_.front());
    waiting_.pop_front();
    return name;
}
