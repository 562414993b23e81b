#pragma once

// Resource numbers shared by the resource scripts and the code that loads them; the resource
// compiler reads only the preprocessor's definitions.

// The program's icon.
#define MERRITH_ICON 1
