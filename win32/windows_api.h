#pragma once

// The Windows API as every file of this front end sees it: the "A" functions, since the
// editor is single-byte, and no min/max macros to clash with the standard library.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>

// The shell's port names two of its operations as the API names its A/W macros; this
// front end calls the A functions by their full names.
#undef ChooseFont
#undef DrawText
