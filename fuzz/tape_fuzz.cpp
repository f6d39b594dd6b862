// Parses arbitrary text as a tape. Whatever is accepted holds only keys a player
// can press, each repeated no more than a tape may ask; whatever is refused says
// which token was bad; and a tape written twice plays twice.
#include "tape.h"

#include "checks.h"

#include <string>

namespace {
bool pressable(const TapeStep& step)
{
    const TapeKey& key = step.key;
    const bool modifiers = key.eat || key.bomb;
    const bool keyOk = key.kind == TapeKey::Move ? isDirection(key.direction) && !(key.eat && key.bomb)
                                                 : (key.kind == TapeKey::None || key.kind == TapeKey::SelfDestruct) &&
                                                       !modifiers;
    return keyOk && step.times >= 0 && step.times <= MaxTapeRepeat;
}

bool sameStep(const TapeStep& a, const TapeStep& b)
{
    return a.key.kind == b.key.kind && a.key.direction == b.key.direction && a.key.eat == b.key.eat &&
           a.key.bomb == b.key.bomb && a.times == b.times;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto steps = parseTape(text, error);
    if (!steps) {
        require(error.starts_with("bad tape token '"));
        return 0;
    }
    for (const TapeStep& step : *steps)
        require(pressable(step));

    const auto twice = parseTape(text + "\n" + text, error);
    require(twice && twice->size() == 2 * steps->size());
    for (std::size_t i = 0; i < twice->size(); ++i)
        require(sameStep((*twice)[i], (*steps)[i % steps->size()]));
    return 0;
}
