// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/cielab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include <QtGlobal>

#include "colour/colour_values.h"

namespace quorvane {

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

// The D65 white of sRGB in XYZ, luminance 1.
constexpr double kWhiteX = 0.95047;
constexpr double kWhiteZ = 1.08883;

// CIELAB's cube-root law turns linear near black: below this the slope is constant.
constexpr double kEpsilon = 216.0 / 24389.0;
constexpr double kKappa = 24389.0 / 27.0;

// Lets a converted colour stray this far outside 0..1 and still count as inside sRGB: the
// arithmetic is not exact, and rounding to channel values absorbs far more.
constexpr double kGamutSlack = 1e-7;

const std::array<double, 256>& linear_table() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int k = 0; k < 256; ++k) {
            const double v = k / 255.0;
            t[size_t(k)] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

// The linear light half way between neighbouring channel values: value k is nearest for light
// from bound k - 1 up to bound k. Found by search, this rounds exactly as encoding would.
const std::array<double, 255>& rounding_bounds() {
    static const std::array<double, 255> bounds = [] {
        std::array<double, 255> b{};
        for (int k = 0; k < 255; ++k) {
            const double v = (k + 0.5) / 255.0;
            b[size_t(k)] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return b;
    }();
    return bounds;
}

// Where to start looking among the bounds for light i / kStartSteps: bounds below it are passed
// at once, and at most a step or two remain.
constexpr int kStartSteps = 4096;
const std::array<quint8, kStartSteps + 1>& start_of_search() {
    static const std::array<quint8, kStartSteps + 1> starts = [] {
        std::array<quint8, kStartSteps + 1> s{};
        const auto& bounds = rounding_bounds();
        for (int i = 0; i <= kStartSteps; ++i) {
            s[size_t(i)] =
                quint8(std::upper_bound(bounds.begin(), bounds.end(), double(i) / kStartSteps) -
                       bounds.begin());
        }
        return s;
    }();
    return starts;
}

double lab_f(double t) {
    return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0) / 116.0;
}

double lab_f_inverse(double f) {
    const double cube = f * f * f;
    return cube > kEpsilon ? cube : (116.0 * f - 16.0) / kKappa;
}

}  // namespace

double linear_channel(int value) {
    return linear_table()[size_t(std::clamp(value, 0, 255))];
}

int srgb_channel(double linear) {
    if (!(linear > 0)) {
        return 0;
    }
    if (linear >= 1) {
        return 255;
    }
    const auto& bounds = rounding_bounds();
    int k = start_of_search()[size_t(linear * kStartSteps)];
    while (k < 255 && bounds[size_t(k)] <= linear) {
        ++k;
    }
    return k;
}

LinearRgb linear_rgb_of(int colour) {
    int red = 0;
    int green = 0;
    int blue = 0;
    split_channels(colour, red, green, blue);
    return {linear_channel(red), linear_channel(green), linear_channel(blue)};
}

int colour_of_linear(const LinearRgb& rgb) {
    return quorvane::rgb(srgb_channel(rgb.red), srgb_channel(rgb.green), srgb_channel(rgb.blue));
}

Lab lab_of_linear(const LinearRgb& c) {
    const double x = 0.4124564 * c.red + 0.3575761 * c.green + 0.1804375 * c.blue;
    const double y = 0.2126729 * c.red + 0.7151522 * c.green + 0.0721750 * c.blue;
    const double z = 0.0193339 * c.red + 0.1191920 * c.green + 0.9503041 * c.blue;
    const double fx = lab_f(x / kWhiteX);
    const double fy = lab_f(y);
    const double fz = lab_f(z / kWhiteZ);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

Lab lab_of(int colour) {
    return lab_of_linear(linear_rgb_of(colour));
}

LinearRgb linear_of_lab(const Lab& lab) {
    const double fy = (lab.l + 16.0) / 116.0;
    const double x = kWhiteX * lab_f_inverse(fy + lab.a / 500.0);
    const double y = lab_f_inverse(fy);
    const double z = kWhiteZ * lab_f_inverse(fy - lab.b / 200.0);
    return {3.2404542 * x - 1.5371385 * y - 0.4985314 * z,
            -0.9692660 * x + 1.8760108 * y + 0.0415560 * z,
            0.0556434 * x - 0.2040259 * y + 1.0572252 * z};
}

int colour_of_lab(const Lab& lab) {
    return colour_of_linear(linear_of_lab(lab));
}

Lch lch_of(const Lab& lab) {
    double h = std::atan2(lab.b, lab.a) * kDegrees;
    if (h < 0) {
        h += 360.0;
    }
    return {lab.l, std::hypot(lab.a, lab.b), h};
}

Lab lab_of_lch(const Lch& lch) {
    const double h = lch.h / kDegrees;
    return {lch.l, lch.c * std::cos(h), lch.c * std::sin(h)};
}

double lightness_of_luminance(double luminance) {
    return 116.0 * lab_f(std::clamp(luminance, 0.0, 1.0)) - 16.0;
}

double luminance_of_lightness(double lightness) {
    return lab_f_inverse((std::clamp(lightness, 0.0, 100.0) + 16.0) / 116.0);
}

bool in_srgb_gamut(const Lab& lab) {
    const LinearRgb c = linear_of_lab(lab);
    const auto inside = [](double v) { return v >= -kGamutSlack && v <= 1.0 + kGamutSlack; };
    return inside(c.red) && inside(c.green) && inside(c.blue);
}

Lab within_srgb_gamut(const Lab& lab) {
    const Lab grey{std::clamp(lab.l, 0.0, 100.0), 0, 0};
    const Lab wanted{grey.l, lab.a, lab.b};
    if (in_srgb_gamut(wanted)) {
        return wanted;
    }
    // The greys are all inside; halve the interval of chroma kept until it is finer than any
    // channel value can show.
    double inside = 0;
    double outside = 1;
    for (int step = 0; step < 14; ++step) {
        const double middle = (inside + outside) / 2;
        if (in_srgb_gamut({grey.l, lab.a * middle, lab.b * middle})) {
            inside = middle;
        } else {
            outside = middle;
        }
    }
    return {grey.l, lab.a * inside, lab.b * inside};
}

double delta_e(const Lab& first, const Lab& second) {
    const double dl = first.l - second.l;
    const double da = first.a - second.a;
    const double db = first.b - second.b;
    return std::sqrt(dl * dl + da * da + db * db);
}

double relative_luminance(int colour) {
    // The accessibility guidelines' own weights, so that contrasts read as they define them.
    const LinearRgb c = linear_rgb_of(colour);
    return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}

double contrast_of_luminances(double first, double second) {
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

double contrast_between(int first, int second) {
    return contrast_of_luminances(relative_luminance(first), relative_luminance(second));
}

}  // namespace quorvane
