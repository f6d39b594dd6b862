// Whole screens compared with stored, reviewed pictures. A picture that differs
// fails the test and leaves the picture taken and a difference picture (the
// pixels that differ beyond rounding in red over a faded copy) in
// "snapshot-failures" of the test's working folder. KERNMINE_REMAKE_SNAPSHOTS=1 stores the pictures taken
// instead: tools/remake-snapshots.sh does that, and the change of a stored
// picture is reviewed like any other.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QtTest>

#include <cstdlib>

namespace snapshot {

// The quality that asks Qt for its strongest PNG compression: the stored pictures
// are kept in the repository.
constexpr int SmallestPng = 0;

// How far a channel may differ: Qt's raster engine rounds the edges it smooths
// differently on processors with other vector units.
constexpr int RoundingLevels = 5;

inline bool sameColour(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= RoundingLevels && std::abs(qGreen(a) - qGreen(b)) <= RoundingLevels &&
           std::abs(qBlue(a) - qBlue(b)) <= RoundingLevels;
}

inline QImage differences(const QImage& stored, const QImage& taken, int& count)
{
    QImage faded = taken.convertToFormat(QImage::Format_RGB32);
    count = 0;
    for (int y = 0; y < faded.height(); ++y)
        for (int x = 0; x < faded.width(); ++x) {
            const QRgb shown = faded.pixel(x, y);
            if (!sameColour(shown, stored.pixel(x, y))) {
                ++count;
                faded.setPixel(x, y, qRgb(255, 0, 0));
            } else {
                faded.setPixel(x, y, qRgb(qGray(shown) / 4, qGray(shown) / 4, qGray(shown) / 4));
            }
        }
    return faded;
}

// Whether the picture taken is the one stored under `name`; says why not.
inline bool matches(const QImage& picture, const QString& name)
{
    const QImage taken = picture.convertToFormat(QImage::Format_RGB32);
    const QString storedPath = QStringLiteral(KERNMINE_SNAPSHOTS "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("KERNMINE_REMAKE_SNAPSHOTS")) {
        if (!taken.save(storedPath, "PNG", SmallestPng))
            qWarning("cannot store %s", qPrintable(storedPath));
        return true;
    }
    const QImage stored = QImage(storedPath).convertToFormat(QImage::Format_RGB32);
    QDir().mkpath("snapshot-failures");
    const QString failed = "snapshot-failures/" + name;
    if (stored.isNull() || stored.size() != taken.size()) {
        taken.save(failed + ".png");
        qWarning("%s: no stored picture of this size; the picture taken is in %s.png", qPrintable(name),
                 qPrintable(QDir::current().filePath(failed)));
        return false;
    }
    int count = 0;
    const QImage diff = differences(stored, taken, count);
    if (count == 0)
        return true;
    taken.save(failed + ".png");
    diff.save(failed + ".diff.png");
    qWarning("%s: %d pixels differ; see %s.png and .diff.png", qPrintable(name), count,
             qPrintable(QDir::current().filePath(failed)));
    return false;
}

}  // namespace snapshot
