#pragma once
// Moved: the audio fixture lives with the other test support.
#include "support/AudioFixture.h"

using MixerFixture = AudioFixture;
