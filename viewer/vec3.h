#pragma once

#include <cmath>

namespace trelvo::viewer {

// A point or direction in model space.
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    bool operator==(const Vec3&) const = default;
};

inline double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(const Vec3& v) {
    return std::sqrt(Dot(v, v));
}

inline Vec3 Normalized(const Vec3& v) {
    const double length = Length(v);
    return length > 0.0 ? v * (1.0 / length) : v;
}

inline bool IsFinite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// A point on the screen, in pixels, y downwards.
struct Point2 {
    double x = 0.0;
    double y = 0.0;

    bool operator==(const Point2&) const = default;
};

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    Point2 Centre() const { return {left + width / 2.0, top + height / 2.0}; }
};

} // namespace trelvo::viewer
