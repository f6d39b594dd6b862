// The preview of the skins menu `skinpreview`: two rows of eight tiles of the
// sheet being previewed, the three characters turning through their facings,
// the four animations running and the fixed tiles standing.
#pragma once

#include "widgets.h"

#include <QImage>

class Skin;

class SkinPreview : public SharpPicture {
public:
    explicit SkinPreview(QWidget* parent);

    // White, until the next step draws the sheet.
    void clear();
    // Step `step` (0 to 11) of the preview, drawn from `sheet`.
    void draw(const Skin& sheet, int step);

private:
    QImage canvas_;
};
