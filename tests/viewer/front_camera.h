#pragma once

#include "viewer/camera.h"

namespace trelvo::viewer::testing {

// Looking along -Z: X right, Y up, 40 pixels per unit, (6, 3) at (300, 200).
inline Camera FrontCamera() {
    Camera camera;
    camera.SetTarget({6.0, 3.0, 0.0});
    camera.SetScale(40.0);
    camera.SetOrigin({300.0, 200.0});
    return camera;
}

} // namespace trelvo::viewer::testing
