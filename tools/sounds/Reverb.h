#pragma once

#include <cstddef>
#include <vector>

// A plain stereo room: parallel damped combs into series all-passes, with
// slightly different delay lengths on each side for width.
class Reverb {
  public:
    Reverb();
    void process(float in, float& left, float& right);

  private:
    struct Comb {
        std::vector<float> line;
        size_t at = 0;
        float store = 0.0f;
        float run(float in, float feedback, float damping);
    };
    struct AllPass {
        std::vector<float> line;
        size_t at = 0;
        float run(float in);
    };

    Comb combs[2][4];
    AllPass passes[2][2];
};
