// Colour and noise helpers for painting textures pixel by pixel. The noise is
// deterministic and repeats every `period` pixels, so textures made from it tile.
#pragma once

#include <QColor>

#include <initializer_list>
#include <utility>

// A value in [0, 1) that depends only on its arguments.
double hashUnit(int x, int y, int seed);

// Smooth noise in [0, 1) on a lattice `cell` pixels apart; `period` must be a
// multiple of `cell`.
double tiledNoise(double x, double y, int cell, int period, int seed);

// Several octaves of tiledNoise for a 30-pixel period, in [0, 1).
double tiledFractal(double x, double y, int seed);

QColor mix(const QColor& a, const QColor& b, double t);

// The colour at t along a ramp of (position, colour) stops in increasing order.
QColor ramp(std::initializer_list<std::pair<double, QColor>> stops, double t);

// A colour made lighter (amount > 0) or darker (amount < 0) by up to 1.
QColor shade(const QColor& c, double amount);
