#pragma once

#include <string>
#include <vector>

#include "Audio.h"

// One sound effect: its base name below the data folder (".sl" is added when
// it is written) and its finished samples.
struct Effect {
    std::string name;
    Mono samples;
};

// Every sound effect the game loads, synthesised.
std::vector<Effect> allEffects();
