#pragma once

// The four scripted ports in one object, as a front end hands them to the shell, so that
// a test reaches every answer and record through one name.

#include "tests/editor/scripted_dialogs.h"
#include "tests/editor/scripted_ports.h"

namespace trelvo::testing {

class ScriptedPlatform final : public ScriptedWindow,
                               public ScriptedDialogs,
                               public ScriptedFiles,
                               public ScriptedSystem {
public:
    PlatformPorts Ports() { return {*this, *this, *this, *this}; }
};

} // namespace trelvo::testing
