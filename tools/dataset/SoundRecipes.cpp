#include "dataset/SoundRecipes.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "soundfiles/Envelope.h"
#include "soundfiles/Filter.h"
#include "soundfiles/Noise.h"
#include "soundfiles/Oscillator.h"
#include "soundfiles/SeamlessLoop.h"

namespace {

constexpr uint32_t kRate = 22050;
constexpr uint32_t kFootstepRate = 11000;
constexpr double kLoopOverlap = 0.15;
constexpr double kPeak = 0.85;

Signal Finished(Signal signal) {
  Normalise(signal, kPeak);
  return signal;
}

// A loop of `seconds`: made `kLoopOverlap` longer, then folded so its end runs into its start.
Signal Looped(Signal (*make)(double seconds), double seconds) {
  Signal signal = make(seconds + kLoopOverlap);
  MakeSeamlessLoop(signal, kLoopOverlap);
  return Finished(signal);
}

Signal FilteredNoise(double seconds, uint32_t seed, double lowHertz, double highHertz, uint32_t rate = kRate) {
  Signal noise = WhiteNoise(seconds, rate, seed);
  HighPass(noise, lowHertz);
  LowPass(noise, highHertz);
  return noise;
}

Signal Explosion(double seconds, double cutoff, double halfLife, uint32_t seed) {
  Signal blast = FilteredNoise(seconds, seed, 20.0, cutoff);
  Signal rumble = SteppedNoise(seconds, kRate, 90.0, seed + 1);
  MixInto(blast, rumble, 0.0, 0.8);
  Signal boom = Glide(Waveform::kSine, 90.0, 28.0, seconds, kRate);
  ApplyDecay(boom, halfLife * 1.5);
  ApplyAdsr(blast, {0.004, 0.0, 1.0, seconds * 0.3});
  ApplyDecay(blast, halfLife);
  MixInto(blast, boom, 0.0, 0.6);
  return Finished(blast);
}

// A short decaying burst: a shot, a click, a knock.
Signal Burst(double seconds, uint32_t seed, double lowHertz, double highHertz, double halfLife) {
  Signal burst = FilteredNoise(seconds, seed, lowHertz, highHertz);
  ApplyAdsr(burst, {0.001, 0.0, 1.0, seconds * 0.2});
  ApplyDecay(burst, halfLife);
  return burst;
}

Signal Thump(double seconds, double fromHertz, double toHertz, double halfLife) {
  Signal thump = Glide(Waveform::kSine, fromHertz, toHertz, seconds, kRate);
  ApplyAdsr(thump, {0.002, 0.0, 1.0, seconds * 0.3});
  ApplyDecay(thump, halfLife);
  return thump;
}

// Blades chopping the air: noise and a low hum pulsed at the blade rate, which a curve may
// change over time.
Signal Rotor(double seconds, const FrequencyCurve& bladeRate, uint32_t seed) {
  Signal air = FilteredNoise(seconds, seed, 40.0, 900.0);
  Signal hum = Oscillator(Waveform::kSawtooth, [&](double t) { return bladeRate(t) * 4.0; }, seconds, kRate);
  LowPass(hum, 300.0);
  MixInto(air, hum, 0.0, 0.35);
  double phase = 0.0;
  for (size_t i = 0; i < air.samples.size(); ++i) {
    double pulse = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * phase);
    air.samples[i] *= 0.15 + 0.85 * pulse * pulse;
    phase += bladeRate(static_cast<double>(i) / kRate) / kRate;
    phase -= std::floor(phase);
  }
  return air;
}

Signal CopterLoop(double seconds) { return Rotor(seconds, [](double) { return 11.0; }, 1); }

Signal MachineGunLoop(double seconds) {
  Signal gun = Silence(seconds, kRate);
  for (double at = 0.0; at < seconds; at += 1.0 / 12.0) MixInto(gun, Burst(0.07, 11, 150.0, 5000.0, 0.012), at);
  gun.samples.resize(SampleCount(seconds, kRate));
  return gun;
}

Signal FireLoop(double seconds) {
  Signal roar = FilteredNoise(seconds, 21, 30.0, 500.0);
  Scale(roar, 0.6);
  Signal crackles = WhiteNoise(seconds, kRate, 22);
  uint32_t state = 23;
  for (double& sample : crackles.samples) {
    state = state * 1103515245u + 12345u;
    sample = (state >> 16) % 700 == 0 ? sample * 4.0 : sample * 0.02;
  }
  HighPass(crackles, 1500.0);
  MixInto(roar, crackles, 0.0, 1.0);
  return roar;
}

// Two tones taking turns, `halfSeconds` each.
Signal TwoTone(double seconds, double high, double low, double halfSeconds) {
  auto curve = [=](double t) { return std::fmod(t, 2.0 * halfSeconds) < halfSeconds ? high : low; };
  Signal tone = Oscillator(Waveform::kSquare, curve, seconds, kRate);
  LowPass(tone, 3000.0);
  return tone;
}

Signal AmbulanceLoop(double seconds) { return TwoTone(seconds, 960.0, 770.0, 0.5); }

Signal Wail(double seconds, double centre, double depth, double rate) {
  Signal siren = Oscillator(Waveform::kTriangle, Wobble(centre, depth, rate), seconds, kRate);
  Signal overtone = Oscillator(Waveform::kSine, Wobble(centre * 2.0, depth * 2.0, rate), seconds, kRate);
  MixInto(siren, overtone, 0.0, 0.3);
  return siren;
}

Signal FireSirenLoop(double seconds) { return Wail(seconds, 700.0, 350.0, 0.5); }
Signal PoliceSirenLoop(double seconds) { return Wail(seconds, 1050.0, 400.0, 3.0); }

Signal HoseLoop(double seconds) {
  Signal water = FilteredNoise(seconds, 31, 600.0, 5000.0);
  Signal body = FilteredNoise(seconds, 32, 100.0, 600.0);
  MixInto(water, body, 0.0, 0.5);
  return water;
}

Signal WinchLoop(double seconds) {
  Signal whine = Tone(Waveform::kSawtooth, 180.0, seconds, kRate);
  LowPass(whine, 1200.0);
  ApplyGain(whine, Pulses(8.0, 0.6));
  Signal motor = Tone(Waveform::kSquare, 45.0, seconds, kRate);
  LowPass(motor, 400.0);
  MixInto(whine, motor, 0.0, 0.4);
  return whine;
}

Signal TrainLoop(double seconds) {
  Signal rumble = FilteredNoise(seconds, 41, 30.0, 250.0);
  Signal engine = Tone(Waveform::kSawtooth, 55.0, seconds, kRate);
  LowPass(engine, 250.0);
  MixInto(rumble, engine, 0.0, 0.5);
  // The wheels over the rail joints: clack-clack, twice a second.
  for (double at = 0.0; at < seconds; at += 0.5) {
    MixInto(rumble, Burst(0.08, 42, 300.0, 4000.0, 0.02), at, 1.2);
    MixInto(rumble, Burst(0.08, 43, 300.0, 4000.0, 0.02), at + 0.14, 1.0);
  }
  rumble.samples.resize(SampleCount(seconds, kRate));
  return rumble;
}

Signal DiveLoop(double seconds) {
  Signal engine = Oscillator(Waveform::kSawtooth, Wobble(140.0, 25.0, 0.5), seconds, kRate);
  LowPass(engine, 1500.0);
  Signal wind = FilteredNoise(seconds, 51, 400.0, 3000.0);
  MixInto(engine, wind, 0.0, 0.5);
  return engine;
}

Signal PlaneLoop(double seconds) {
  Signal engine = Tone(Waveform::kSawtooth, 90.0, seconds, kRate);
  LowPass(engine, 900.0);
  ApplyGain(engine, Pulses(30.0, 0.5));
  Signal air = FilteredNoise(seconds, 52, 100.0, 1500.0);
  MixInto(engine, air, 0.0, 0.3);
  return engine;
}

Signal WaterCannonLoop(double seconds) {
  Signal jet = FilteredNoise(seconds, 61, 300.0, 2500.0);
  Signal rumble = FilteredNoise(seconds, 62, 40.0, 300.0);
  MixInto(jet, rumble, 0.0, 0.8);
  return jet;
}

Signal UfoLoop(double seconds) {
  Signal hum = Oscillator(Waveform::kSine, Wobble(600.0, 200.0, 4.0), seconds, kRate);
  Signal ring = Oscillator(Waveform::kTriangle, Wobble(1500.0, 300.0, 4.0), seconds, kRate);
  MixInto(hum, ring, 0.0, 0.3);
  return hum;
}

// One step of a walk: `tone` sets how hard the sole is.
Signal Footsteps(double seconds, double low, double high, double halfLife, double thumpHertz, uint32_t seed) {
  Signal walk = Silence(seconds, kFootstepRate);
  for (double at = 0.0; at < seconds; at += 0.5) {
    Signal step = FilteredNoise(0.2, seed, low, high, kFootstepRate);
    ApplyAdsr(step, {0.002, 0.0, 1.0, 0.05});
    ApplyDecay(step, halfLife);
    if (thumpHertz > 0.0) {
      Signal thump = Resample(Thump(0.2, thumpHertz, thumpHertz / 2.0, 0.03), kFootstepRate);
      MixInto(step, thump, 0.0, 0.8);
    }
    MixInto(walk, step, at);
  }
  walk.samples.resize(SampleCount(seconds, kFootstepRate));
  return walk;
}

Signal HeelsLoop(double seconds) { return Footsteps(seconds, 1500.0, 5000.0, 0.01, 0.0, 71); }
Signal BootsLoop(double seconds) { return Footsteps(seconds, 60.0, 1200.0, 0.04, 110.0, 72); }
Signal ShoesLoop(double seconds) { return Footsteps(seconds, 300.0, 2500.0, 0.025, 0.0, 73); }

// A crowd: many voices on vowel formants, swelling at their own times.
Signal Crowd(double seconds, double lowPitch, double highPitch, double formant1, double formant2, double fall,
             uint32_t seed) {
  Signal crowd = Silence(seconds, kRate);
  uint32_t state = seed;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 16777216.0;
  };
  for (int voice = 0; voice < 16; ++voice) {
    double pitch = lowPitch + (highPitch - lowPitch) * next();
    double start = 0.3 * next();
    double length = seconds - start;
    Signal sung = Oscillator(
        Waveform::kSawtooth, [=](double t) { return pitch * (1.0 - fall * t / length) + 6.0 * std::sin(31.0 * t); },
        length, kRate);
    Signal second = sung;
    BandPass(sung, formant1, 4.0);
    BandPass(second, formant2, 5.0);
    MixInto(sung, second, 0.0, 0.6);
    ApplyAdsr(sung, {0.15, 0.0, 1.0, 0.6 * length});
    MixInto(crowd, sung, start);
  }
  return crowd;
}

Signal Cheer() {
  Signal cheer = Crowd(2.5, 220.0, 420.0, 800.0, 1300.0, -0.1, 81);
  for (double at = 0.2; at < 2.3; at += 0.11) MixInto(cheer, Burst(0.05, 82, 800.0, 6000.0, 0.008), at, 0.5);
  ApplyAdsr(cheer, {0.2, 0.0, 1.0, 0.8});
  return Finished(cheer);
}

Signal Boo() {
  Signal boo = Crowd(2.2, 110.0, 200.0, 350.0, 800.0, 0.25, 91);
  ApplyAdsr(boo, {0.25, 0.0, 1.0, 0.7});
  return Finished(boo);
}

Signal Explode() { return Explosion(2.5, 700.0, 0.3, 101); }
Signal BuildingExplosion() { return Explosion(3.5, 450.0, 0.5, 102); }
Signal Boom() { return Explosion(1.6, 900.0, 0.18, 103); }

Signal ChopperStop() {
  Signal rotor = Rotor(3.0, [](double t) { return 11.0 * std::pow(0.35, t / 3.0); }, 111);
  ApplyAdsr(rotor, {0.01, 0.0, 1.0, 1.5});
  return Finished(rotor);
}

Signal ChopperStart() {
  Signal rotor = Rotor(3.0, [](double t) { return 3.5 + 7.5 * (t / 3.0); }, 112);
  ApplyAdsr(rotor, {1.0, 0.0, 1.0, 0.05});
  return Finished(rotor);
}

Signal Missile() {
  Signal whoosh = FilteredNoise(1.5, 121, 500.0, 6000.0);
  Signal scream = Glide(Waveform::kSawtooth, 900.0, 500.0, 1.5, kRate);
  LowPass(scream, 2500.0);
  MixInto(whoosh, scream, 0.0, 0.3);
  ApplyAdsr(whoosh, {0.05, 0.3, 0.7, 0.8});
  return Finished(whoosh);
}

Signal FireMissile() {
  Signal launch = Burst(1.0, 122, 100.0, 5000.0, 0.2);
  Signal thump = Thump(0.3, 120.0, 40.0, 0.08);
  MixInto(launch, thump, 0.0, 1.0);
  return Finished(launch);
}

Signal Punch() {
  Signal punch = Thump(0.2, 160.0, 50.0, 0.04);
  MixInto(punch, Burst(0.05, 131, 200.0, 3000.0, 0.01), 0.0, 0.6);
  return Finished(punch);
}

Signal Kapow() {
  Signal shot = Burst(0.6, 132, 300.0, 8000.0, 0.04);
  MixInto(shot, Burst(0.6, 133, 60.0, 800.0, 0.12), 0.0, 0.5);
  return Finished(shot);
}

Signal Splash() {
  Signal splash = FilteredNoise(0.9, 141, 800.0, 6000.0);
  ApplyAdsr(splash, {0.01, 0.1, 0.6, 0.6});
  ApplyDecay(splash, 0.25);
  for (double at = 0.15; at < 0.8; at += 0.13) {
    Signal bubble = Glide(Waveform::kSine, 500.0 + 900.0 * at, 1600.0, 0.05, kRate);
    ApplyDecay(bubble, 0.015);
    MixInto(splash, bubble, at, 0.3);
  }
  return Finished(splash);
}

Signal OldMotor() {
  Signal motor = Oscillator(Waveform::kSawtooth, Wobble(55.0, 6.0, 1.5), 2.0, kRate);
  LowPass(motor, 700.0);
  ApplyGain(motor, Pulses(13.0, 0.4));
  ApplyAdsr(motor, {0.1, 0.0, 1.0, 0.4});
  return Finished(motor);
}

Signal Douse() {
  Signal hiss = FilteredNoise(1.5, 151, 2000.0, 9000.0);
  ApplyAdsr(hiss, {0.02, 0.2, 0.7, 1.0});
  return Finished(hiss);
}

Signal FireDamage() {
  Signal whoomp = Thump(1.2, 90.0, 40.0, 0.2);
  Signal crackle = FireLoop(1.2);
  ApplyDecay(crackle, 0.4);
  MixInto(whoomp, crackle, 0.0, 1.0);
  return Finished(whoomp);
}

Signal SoftBump() {
  Signal bump = Thump(0.3, 110.0, 60.0, 0.05);
  LowPass(bump, 400.0);
  return Finished(bump);
}

Signal Swoosh() {
  Signal swoosh = FilteredNoise(0.6, 161, 800.0, 3000.0);
  ApplyGain(swoosh, [](double t) { return std::sin(std::numbers::pi * t / 0.6); });
  return Finished(swoosh);
}

Signal Pop() {
  Signal pop = Glide(Waveform::kSine, 900.0, 200.0, 0.1, kRate);
  ApplyDecay(pop, 0.02);
  MixInto(pop, Burst(0.02, 171, 1000.0, 8000.0, 0.003), 0.0, 0.5);
  return Finished(pop);
}

Signal Crash() {
  Signal crash = Burst(2.0, 181, 200.0, 7000.0, 0.25);
  for (double hertz : {1870.0, 2710.0, 3390.0}) {
    Signal ring = Tone(Waveform::kSine, hertz, 2.0, kRate);
    ApplyDecay(ring, 0.3);
    MixInto(crash, ring, 0.0, 0.2);
  }
  MixInto(crash, Burst(1.0, 182, 200.0, 7000.0, 0.1), 0.35, 0.7);
  return Finished(crash);
}

// A short alarm: beeps of `hertz`, `count` of them.
Signal Alarm(double hertz, double otherHertz, int count, double beep, Waveform waveform) {
  Signal alarm = Silence(0.0, kRate);
  for (int i = 0; i < count; ++i) {
    Signal tone = Tone(waveform, i % 2 ? otherHertz : hertz, beep, kRate);
    ApplyAdsr(tone, {0.005, 0.0, 1.0, 0.01});
    LowPass(tone, 4000.0);
    MixInto(alarm, tone, i * beep * 1.5);
  }
  return Finished(alarm);
}

Signal Dis1() { return Alarm(880.0, 880.0, 3, 0.15, Waveform::kSquare); }
Signal Dis2() { return Alarm(1200.0, 900.0, 4, 0.12, Waveform::kSquare); }
Signal Dis3() { return Alarm(660.0, 990.0, 2, 0.3, Waveform::kTriangle); }
Signal Dis4() { return Alarm(1500.0, 1500.0, 6, 0.06, Waveform::kSquare); }
Signal Dis5() { return Alarm(520.0, 780.0, 4, 0.18, Waveform::kSawtooth); }
Signal Dis6() { return Alarm(1000.0, 750.0, 6, 0.1, Waveform::kTriangle); }

// A bell: a fundamental and its inharmonic partials, ringing down.
Signal Bell(double hertz, double seconds) {
  Signal bell = Silence(seconds, kRate);
  for (auto [ratio, gain] : {std::pair{1.0, 1.0}, {2.0, 0.5}, {2.76, 0.3}, {5.4, 0.15}}) {
    Signal partial = Tone(Waveform::kSine, hertz * ratio, seconds, kRate);
    ApplyDecay(partial, 0.35 / ratio);
    MixInto(bell, partial, 0.0, gain);
  }
  ApplyAdsr(bell, {0.002, 0.0, 1.0, 0.05});
  return bell;
}

Signal CaChing() {
  Signal register_ = Burst(0.15, 191, 1000.0, 8000.0, 0.02);
  MixInto(register_, Bell(1319.0, 1.0), 0.12);
  MixInto(register_, Bell(2637.0, 0.9), 0.18, 0.7);
  return Finished(register_);
}

Signal Laser() {
  Signal laser = Glide(Waveform::kSquare, 2200.0, 180.0, 0.35, kRate);
  LowPass(laser, 5000.0);
  ApplyAdsr(laser, {0.003, 0.0, 1.0, 0.1});
  return Finished(laser);
}

void Latch(Signal& into, double at, uint32_t seed) { MixInto(into, Burst(0.06, seed, 1500.0, 7000.0, 0.008), at, 0.8); }

Signal DoorOpen() {
  Signal creak = Oscillator(Waveform::kSawtooth, [](double t) { return 180.0 + 120.0 * t + 25.0 * std::sin(40.0 * t); },
                            0.8, kRate);
  BandPass(creak, 900.0, 3.0);
  ApplyAdsr(creak, {0.1, 0.0, 1.0, 0.2});
  Latch(creak, 0.0, 201);
  return Finished(creak);
}

Signal DoorClose() {
  Signal shut = Thump(0.5, 120.0, 55.0, 0.06);
  Latch(shut, 0.02, 202);
  return Finished(shut);
}

Signal Horn(double low, double high, double seconds) {
  Signal horn = Tone(Waveform::kSquare, low, seconds, kRate);
  MixInto(horn, Tone(Waveform::kSquare, high, seconds, kRate), 0.0, 0.8);
  LowPass(horn, 2500.0);
  ApplyAdsr(horn, {0.01, 0.0, 1.0, 0.03});
  return Finished(horn);
}

Signal Horn1() { return Horn(400.0, 500.0, 0.6); }
Signal Horn2() { return Horn(330.0, 415.0, 0.9); }
Signal Horn3() {
  Signal honks = Horn(470.0, 590.0, 0.2);
  Append(honks, Silence(0.1, kRate));
  Append(honks, Horn(470.0, 590.0, 0.25));
  return honks;
}

Signal Accelerate() {
  Signal engine = Glide(Waveform::kSawtooth, 55.0, 190.0, 2.0, kRate);
  LowPass(engine, 1200.0);
  ApplyGain(engine, Pulses(25.0, 0.6));
  ApplyAdsr(engine, {0.1, 0.0, 1.0, 0.3});
  return Finished(engine);
}

Signal TyreScreech() {
  Signal screech = Oscillator(Waveform::kSawtooth, Wobble(2300.0, 120.0, 7.0), 1.5, kRate);
  BandPass(screech, 2400.0, 3.0);
  Signal rubber = FilteredNoise(1.5, 211, 1500.0, 4000.0);
  MixInto(screech, rubber, 0.0, 0.5);
  ApplyAdsr(screech, {0.05, 0.0, 1.0, 0.4});
  return Finished(screech);
}

Signal MenuClick() {
  Signal blip = Tone(Waveform::kSine, 1200.0, 0.08, kRate);
  ApplyDecay(blip, 0.02);
  MixInto(blip, Burst(0.01, 221, 2000.0, 8000.0, 0.002), 0.0, 0.4);
  return Finished(blip);
}

Signal ButtonClick() {
  Signal click = Burst(0.05, 222, 800.0, 6000.0, 0.006);
  MixInto(click, Thump(0.05, 400.0, 200.0, 0.01), 0.0, 0.5);
  return Finished(click);
}

Signal GraduationChime() {
  Signal chime = Silence(0.0, kRate);
  double notes[] = {523.25, 659.25, 783.99, 1046.5};
  for (int i = 0; i < 4; ++i) MixInto(chime, Bell(notes[i], 1.6 - 0.2 * i), 0.2 * i, 0.7);
  return Finished(chime);
}

template <Signal (*Make)(double), int Tenths>
Signal Loop() {
  return Looped(Make, Tenths / 10.0);
}

const std::array<SoundRecipe, 53> kRecipes = {{
    {"COPLOOP.WAV", true, Loop<CopterLoop, 20>},
    {"EXPLODE.WAV", false, Explode},
    {"CHOPSTOP.WAV", false, ChopperStop},
    {"CHOPSTAR.WAV", false, ChopperStart},
    {"BLDEXPL.WAV", false, BuildingExplosion},
    {"MACHGUN1.WAV", true, Loop<MachineGunLoop, 10>},
    {"MISSILE.WAV", false, Missile},
    {"BOOM1.WAV", false, Boom},
    {"PUNCH3.WAV", false, Punch},
    {"KAPOW4.WAV", false, Kapow},
    {"SPLISH.WAV", false, Splash},
    {"FIREMIS2.WAV", false, FireMissile},
    {"FIRELP11.WAV", true, Loop<FireLoop, 25>},
    {"MOTOROLD.WAV", false, OldMotor},
    {"DOUSE.WAV", false, Douse},
    {"FIREDMG.WAV", false, FireDamage},
    {"AMBSRN11.WAV", true, Loop<AmbulanceLoop, 20>},
    {"FIRESIRE.WAV", true, Loop<FireSirenLoop, 40>},
    {"POLICESI.WAV", true, Loop<PoliceSirenLoop, 20>},
    {"FIRHOSLP.WAV", true, Loop<HoseLoop, 20>},
    {"WINCHLP.WAV", true, Loop<WinchLoop, 20>},
    {"SOFTBMP2.WAV", false, SoftBump},
    {"TGSHWH.WAV", false, Swoosh},
    {"TGPOP.WAV", false, Pop},
    {"TRAIN1.WAV", true, Loop<TrainLoop, 20>},
    {"CRSH2.WAV", false, Crash},
    {"DIVE1.WAV", true, Loop<DiveLoop, 20>},
    {"PLANELP1.WAV", true, Loop<PlaneLoop, 20>},
    {"DIS1.WAV", false, Dis1},
    {"DIS2.WAV", false, Dis2},
    {"DIS3.WAV", false, Dis3},
    {"DIS4.WAV", false, Dis4},
    {"DIS5.WAV", false, Dis5},
    {"DIS6.WAV", false, Dis6},
    {"CA_CHING.WAV", false, CaChing},
    {"WATERCAN.WAV", true, Loop<WaterCannonLoop, 20>},
    {"CHEER.WAV", false, Cheer},
    {"BOO.WAV", false, Boo},
    {"UFO.WAV", true, Loop<UfoLoop, 20>},
    {"LASER.WAV", false, Laser},
    {"DOROPN.WAV", false, DoorOpen},
    {"DORCLS.WAV", false, DoorClose},
    {"HORN1.WAV", false, Horn1},
    {"HORN2.WAV", false, Horn2},
    {"HORN3.WAV", false, Horn3},
    {"ACCEL2.WAV", false, Accelerate},
    {"TSCREECH.WAV", false, TyreScreech},
    {"xFtHeels.wav", true, Loop<HeelsLoop, 10>},
    {"xFtBoots.wav", true, Loop<BootsLoop, 10>},
    {"xFtShoes.wav", true, Loop<ShoesLoop, 10>},
    {"menu.wav", false, MenuClick},
    {"button.wav", false, ButtonClick},
    {"gradnot.wav", false, GraduationChime},
}};

}  // namespace

const SoundRecipe* FindSoundRecipe(const std::string& file) {
  for (const SoundRecipe& recipe : kRecipes)
    if (file == recipe.file) return &recipe;
  return nullptr;
}

size_t SoundRecipeCount() { return kRecipes.size(); }

const SoundRecipe& SoundRecipeAt(size_t index) { return kRecipes[index]; }
