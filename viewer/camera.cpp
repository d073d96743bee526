#include "viewer/camera.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trelvo::viewer {
namespace {

constexpr double kSmallestScale = 1e-200;
constexpr double kLargestScale = 1e200;

Orientation LookingAlong(const Vec3& toward, const Vec3& up) {
    Orientation o;
    o.toward = Normalized(toward);
    o.right = Normalized(Cross(up, o.toward));
    o.up = Cross(o.toward, o.right);
    return o;
}

} // namespace

Orientation DefaultOrientation(ModelDimension dimension) {
    if (dimension != ModelDimension::Space)
        return Orientation{};
    return LookingAlong({0.55, -1.0, 0.45}, {0.0, 0.0, 1.0});
}

Point2 Camera::Project(const Vec3& p) const {
    const Vec3 v = p - target_;
    return {origin_.x + scale_ * Dot(orientation_.right, v),
            origin_.y - scale_ * Dot(orientation_.up, v)};
}

Point2 Camera::ProjectDirection(const Vec3& direction) const {
    return {scale_ * Dot(orientation_.right, direction), -scale_ * Dot(orientation_.up, direction)};
}

void Camera::Fit(const std::vector<Vec3>& points, const Rect& area, double margin) {
    if (points.empty())
        return;
    double lowX = std::numeric_limits<double>::infinity(), highX = -lowX;
    double lowY = lowX, highY = -lowX, depth = 0.0;
    for (const Vec3& p : points) {
        const double x = Dot(orientation_.right, p), y = Dot(orientation_.up, p);
        lowX = std::min(lowX, x), highX = std::max(highX, x);
        lowY = std::min(lowY, y), highY = std::max(highY, y);
        depth += Dot(orientation_.toward, p) / static_cast<double>(points.size());
    }
    const double width = std::max(area.width - 2.0 * margin, 1.0);
    const double height = std::max(area.height - 2.0 * margin, 1.0);
    double scale = std::numeric_limits<double>::infinity();
    if (highX > lowX)
        scale = width / (highX - lowX);
    if (highY > lowY)
        scale = std::min(scale, height / (highY - lowY));
    if (!std::isfinite(scale))
        scale = std::min(width, height) / 2.0;
    scale_ = std::clamp(scale, kSmallestScale, kLargestScale);
    target_ = orientation_.right * ((lowX + highX) / 2.0) +
              orientation_.up * ((lowY + highY) / 2.0) + orientation_.toward * depth;
    origin_ = area.Centre();
}

void Camera::Rotate(double dx, double dy) {
    const double yaw = dx * kRadiansPerPixel, pitch = dy * kRadiansPerPixel;
    Orientation& o = orientation_;
    const Vec3 right = o.right * std::cos(yaw) + o.toward * std::sin(yaw);
    const Vec3 toward = o.toward * std::cos(yaw) - o.right * std::sin(yaw);
    o.right = right;
    o.toward = toward;
    const Vec3 up = o.up * std::cos(pitch) - o.toward * std::sin(pitch);
    o.toward = o.toward * std::cos(pitch) + o.up * std::sin(pitch);
    o.up = up;
    Reorthonormalise();
}

void Camera::Pan(double dx, double dy) {
    origin_ = {origin_.x + dx, origin_.y + dy};
}

void Camera::ZoomAt(double factor, Point2 at) {
    const double scale = std::clamp(scale_ * factor, kSmallestScale, kLargestScale);
    const double applied = scale / scale_;
    scale_ = scale;
    origin_ = {at.x + (origin_.x - at.x) * applied, at.y + (origin_.y - at.y) * applied};
}

// Small turns add up rounding errors; the axes are squared up again after each one.
void Camera::Reorthonormalise() {
    Orientation& o = orientation_;
    o.toward = Normalized(o.toward);
    o.right = Normalized(o.right - o.toward * Dot(o.right, o.toward));
    o.up = Cross(o.toward, o.right);
}

} // namespace trelvo::viewer
