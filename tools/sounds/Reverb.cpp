#include "Reverb.h"

namespace {

constexpr size_t kCombLengths[4] = {1557, 1617, 1491, 1422};
constexpr size_t kPassLengths[2] = {556, 441};
constexpr size_t kStereoSpread = 23;
constexpr float kFeedback = 0.84f;
constexpr float kDamping = 0.35f;
constexpr float kPassGain = 0.5f;
constexpr float kInputGain = 0.12f;

} // namespace

Reverb::Reverb() {
    for (size_t side = 0; side < 2; side++) {
        for (size_t c = 0; c < 4; c++) {
            combs[side][c].line.assign(kCombLengths[c] + side * kStereoSpread, 0.0f);
        }
        for (size_t p = 0; p < 2; p++) {
            passes[side][p].line.assign(kPassLengths[p] + side * kStereoSpread, 0.0f);
        }
    }
}

float Reverb::Comb::run(float in, float feedback, float damping) {
    const float out = line[at];
    store = out * (1.0f - damping) + store * damping;
    line[at] = in + store * feedback;
    at = (at + 1) % line.size();
    return out;
}

float Reverb::AllPass::run(float in) {
    const float delayed = line[at];
    const float out = delayed - in;
    line[at] = in + delayed * kPassGain;
    at = (at + 1) % line.size();
    return out;
}

void Reverb::process(float in, float& left, float& right) {
    float* outs[2] = {&left, &right};
    for (size_t side = 0; side < 2; side++) {
        float sum = 0.0f;
        for (Comb& comb : combs[side]) {
            sum += comb.run(in * kInputGain, kFeedback, kDamping);
        }
        for (AllPass& pass : passes[side]) {
            sum = pass.run(sum);
        }
        *outs[side] = sum;
    }
}
