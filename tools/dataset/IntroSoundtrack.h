#pragma once
#include <cstdint>
#include <vector>

// The intro's soundtrack, made with the synthesiser: a helicopter's rotor spinning up and
// passing over, under a short theme. Mono, 16-bit, at kIntroSoundRate, as long as the clip.
constexpr uint32_t kIntroSoundRate = 22050;

std::vector<int16_t> IntroSoundtrack(double seconds);
