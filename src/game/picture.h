// A decoded picture: width x height pixels of 8-bit red, green and blue.
#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row from the top, left to right

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void setPixel(int x, int y, Rgb c) { pixels[static_cast<std::size_t>(y) * width + x] = c; }
};
