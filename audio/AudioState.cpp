#include "audio/AudioState.h"

int32_t audioOpen = 0;
uint8_t audioEnabled = 0;
uint8_t musicEnabled = 0;
int32_t musicVolume = 0;
uint8_t sfxVolume = 0;
ModMusic* currentMusic = nullptr;
