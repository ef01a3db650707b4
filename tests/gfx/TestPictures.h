#pragma once
// Moved: the graphics fixture lives with the other test support.
#include "support/GfxFixture.h"
