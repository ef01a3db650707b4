#pragma once
// Moved: the input fixture lives in tests/support.
#include "support/InputFixture.h"
