// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/cielab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

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
    const auto& bounds = rounding_bounds();
    return int(std::upper_bound(bounds.begin(), bounds.end(), linear) - bounds.begin());
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
    for (int step = 0; step < 20; ++step) {
        const double middle = (inside + outside) / 2;
        if (in_srgb_gamut({grey.l, lab.a * middle, lab.b * middle})) {
            inside = middle;
        } else {
            outside = middle;
        }
    }
    return {grey.l, lab.a * inside, lab.b * inside};
}

double delta_e_2000(const Lab& first, const Lab& second) {
    // Following the CIE's formula with the weights kL = kC = kH = 1, in the steps of Sharma, Wu
    // and Dalal's implementation notes (Color Research and Application 30(1), 2005).
    constexpr double k25To7 = 6103515625.0;  // 25^7
    const double c1 = std::hypot(first.a, first.b);
    const double c2 = std::hypot(second.a, second.b);
    const double mean_c = (c1 + c2) / 2;
    const double mean_c7 = std::pow(mean_c, 7);
    const double g = 0.5 * (1 - std::sqrt(mean_c7 / (mean_c7 + k25To7)));
    const double a1 = first.a * (1 + g);
    const double a2 = second.a * (1 + g);
    const double c1p = std::hypot(a1, first.b);
    const double c2p = std::hypot(a2, second.b);
    const auto hue = [](double b, double a) {
        if (a == 0 && b == 0) {
            return 0.0;
        }
        const double h = std::atan2(b, a) * kDegrees;
        return h < 0 ? h + 360.0 : h;
    };
    const double h1 = hue(first.b, a1);
    const double h2 = hue(second.b, a2);

    const double dl = second.l - first.l;
    const double dc = c2p - c1p;
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180) {
            dh -= 360;
        } else if (dh < -180) {
            dh += 360;
        }
    }
    const double big_dh = 2 * std::sqrt(c1p * c2p) * std::sin(dh / 2 / kDegrees);

    const double mean_l = (first.l + second.l) / 2;
    const double mean_cp = (c1p + c2p) / 2;
    double mean_h = h1 + h2;
    if (c1p * c2p != 0) {
        if (std::abs(h1 - h2) <= 180) {
            mean_h /= 2;
        } else {
            mean_h = mean_h < 360 ? (mean_h + 360) / 2 : (mean_h - 360) / 2;
        }
    }
    const double t = 1 - 0.17 * std::cos((mean_h - 30) / kDegrees) +
                     0.24 * std::cos(2 * mean_h / kDegrees) +
                     0.32 * std::cos((3 * mean_h + 6) / kDegrees) -
                     0.20 * std::cos((4 * mean_h - 63) / kDegrees);
    const double d_theta = 30 * std::exp(-std::pow((mean_h - 275) / 25, 2));
    const double mean_cp7 = std::pow(mean_cp, 7);
    const double rc = 2 * std::sqrt(mean_cp7 / (mean_cp7 + k25To7));
    const double l50 = (mean_l - 50) * (mean_l - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * mean_cp;
    const double sh = 1 + 0.015 * mean_cp * t;
    const double rt = -std::sin(2 * d_theta / kDegrees) * rc;
    const double tl = dl / sl;
    const double tc = dc / sc;
    const double th = big_dh / sh;
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

double relative_luminance(int colour) {
    const LinearRgb c = linear_rgb_of(colour);
    return 0.2126729 * c.red + 0.7151522 * c.green + 0.0721750 * c.blue;
}

double contrast_of_luminances(double first, double second) {
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

double contrast_between(int first, int second) {
    return contrast_of_luminances(relative_luminance(first), relative_luminance(second));
}

}  // namespace quorvane
