#pragma once
// Moved: the store fixture lives in tests/support.
#include "support/StoreFixture.h"
