#pragma once

#include "viewer/model_geometry.h"
#include "viewer/vec3.h"

#include <vector>

namespace trelvo::viewer {

// How far a drag of one pixel turns the model.
inline constexpr double kRadiansPerPixel = 0.01;

// The view's axes in model space: screen right, screen up, and towards the viewer. They
// stay orthonormal and right-handed (right × up = towards).
struct Orientation {
    Vec3 right{1.0, 0.0, 0.0};
    Vec3 up{0.0, 1.0, 0.0};
    Vec3 toward{0.0, 0.0, 1.0};
};

// X to the right and Y up for line and plane trusses; for a space truss a view from the
// front right and above, Z up.
Orientation DefaultOrientation(ModelDimension dimension);

// An orthographic camera: a model point p goes to origin + scale × (its right and up
// components relative to the target), with screen y downwards.
class Camera {
  public:
    Point2 Project(const Vec3& p) const;
    // The screen image of a model direction, in pixels per model unit, y downwards.
    Point2 ProjectDirection(const Vec3& direction) const;
    // Larger is nearer the viewer.
    double Depth(const Vec3& p) const { return Dot(orientation_.toward, p - target_); }

    // Centres the points in the area and scales them to fill it, less a margin in pixels
    // on every side; the orientation is kept.
    void Fit(const std::vector<Vec3>& points, const Rect& area, double margin);
    // A drag by (dx, dy) pixels turns the model about the target: to the right, the near
    // side follows the pointer.
    void Rotate(double dx, double dy);
    void Pan(double dx, double dy);
    // Scales by factor while the model point under `at` stays under it.
    void ZoomAt(double factor, Point2 at);

    const Orientation& GetOrientation() const { return orientation_; }
    void SetOrientation(const Orientation& orientation) { orientation_ = orientation; }
    const Vec3& Target() const { return target_; }
    void SetTarget(const Vec3& target) { target_ = target; }
    double Scale() const { return scale_; }
    void SetScale(double scale) { scale_ = scale; }
    const Point2& Origin() const { return origin_; }
    void SetOrigin(const Point2& origin) { origin_ = origin; }

  private:
    void Reorthonormalise();

    Orientation orientation_;
    Vec3 target_;
    double scale_ = 1.0;
    Point2 origin_;
};

} // namespace trelvo::viewer
