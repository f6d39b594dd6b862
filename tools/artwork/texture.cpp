#include "texture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

double hashUnit(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0x1000000);
}

double tiledNoise(double x, double y, int cell, int period, int seed)
{
    const int n = period / cell;
    const double gx = x / cell, gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx)), y0 = static_cast<int>(std::floor(gy));
    const auto corner = [&](int i, int j) { return hashUnit(((i % n) + n) % n, ((j % n) + n) % n, seed); };
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(gx - x0), ty = smooth(gy - y0);
    const double top = corner(x0, y0) * (1 - tx) + corner(x0 + 1, y0) * tx;
    const double bottom = corner(x0, y0 + 1) * (1 - tx) + corner(x0 + 1, y0 + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

double tiledFractal(double x, double y, int seed)
{
    return 0.5 * tiledNoise(x, y, 10, 30, seed) + 0.3 * tiledNoise(x, y, 5, 30, seed + 1) +
           0.2 * tiledNoise(x, y, 2, 30, seed + 2);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    const auto channel = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                  channel(a.alpha(), b.alpha()));
}

QColor ramp(std::initializer_list<std::pair<double, QColor>> stops, double t)
{
    auto previous = stops.begin();
    if (t <= previous->first)
        return previous->second;
    for (auto next = previous + 1; next != stops.end(); previous = next++)
        if (t <= next->first)
            return mix(previous->second, next->second, (t - previous->first) / (next->first - previous->first));
    return previous->second;
}

QColor shade(const QColor& c, double amount)
{
    return amount >= 0 ? mix(c, QColor(255, 255, 255, c.alpha()), amount) : mix(c, QColor(0, 0, 0, c.alpha()), -amount);
}
