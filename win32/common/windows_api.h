#pragma once

// The Windows API as every file of the Windows front ends sees it: text and names go
// through the wide-character ("W") functions, called by their full names, and there are
// no min/max macros to clash with the standard library.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>

// The shell's port names two of its operations as the API names its A/W macros.
#undef ChooseFont
#undef DrawText
