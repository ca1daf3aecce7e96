#pragma once
// Every length of a design is an integer number of micrometres. Conversions
// to the units a device wants are explicit, so no double in the code has to
// be guessed to be millimetres, points or dots.
#include <cmath>
#include <compare>
#include <cstdint>

namespace quill::labelrender {

class Length {
public:
    constexpr Length() = default;

    static constexpr Length um(std::int64_t micrometres) { return Length(micrometres); }
    static Length mm(double millimetres) { return Length(std::llround(millimetres * 1000.0)); }
    static Length pt(double points) { return Length(std::llround(points * 25400.0 / 72.0)); }

    constexpr std::int64_t um() const { return um_; }
    constexpr double mm() const { return static_cast<double>(um_) / 1000.0; }
    constexpr double pt() const { return static_cast<double>(um_) * 72.0 / 25400.0; }
    // Device dots at `dpi` dots per inch (not rounded: painters place sub-dot).
    constexpr double dots(double dpi) const { return static_cast<double>(um_) * dpi / 25400.0; }

    constexpr auto operator<=>(const Length&) const = default;
    constexpr Length operator+(Length other) const { return Length(um_ + other.um_); }
    constexpr Length operator-(Length other) const { return Length(um_ - other.um_); }
    constexpr Length operator*(std::int64_t factor) const { return Length(um_ * factor); }
    constexpr Length operator-() const { return Length(-um_); }

private:
    constexpr explicit Length(std::int64_t micrometres) : um_(micrometres) {}
    std::int64_t um_ = 0;
};

}  // namespace quill::labelrender
