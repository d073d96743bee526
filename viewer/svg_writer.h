#pragma once

#include "viewer/scene.h"

#include <string>

namespace trelvo::viewer {

// The scene as an SVG document (UTF-8), drawn from the same primitives as the screen:
// runs of primitives of one role become a group whose class names the role.
std::string WriteSvg(const Scene& scene);

// The class name of a role in the SVG ("deformed-bar").
const char* RoleName(Role role);

// Single-byte document text as XML character data: Latin-1 to UTF-8, markup characters
// escaped, control characters XML cannot hold as "?".
std::string XmlText(const std::string& latin1);

} // namespace trelvo::viewer
