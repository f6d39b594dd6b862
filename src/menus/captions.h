// The fixed captions of the menus in both languages, rewritten together when
// the language changes.
#pragma once

#include <string_view>

struct Caption {
    std::string_view widget;  // the object name of the label or frame
    std::string_view english;
    std::string_view russian;
};

extern const Caption Captions[];
extern const int CaptionCount;
