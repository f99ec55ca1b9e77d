// The validator's random numbers: the same sequence for the same seed on
// every system, since the standard distributions differ between libraries.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace kestrow::validate {

class Random {
public:
    Random(uint64_t seed, uint64_t stream) : engine_(seed * 0x9E3779B97F4A7C15ull ^ (stream + 0x632BE59BD9B4E019ull)) {}

    // 0 .. count - 1; count must not be 0.
    uint64_t Below(uint64_t count) { return engine_() % count; }
    int64_t Between(int64_t low, int64_t high) { return low + static_cast<int64_t>(Below(uint64_t(high - low) + 1)); }
    bool Chance(unsigned percent) { return Below(100) < percent; }
    // Uniform in [low, high).
    double Real(double low, double high) { return low + (high - low) * (double(engine_() >> 11) * 0x1.0p-53); }
    uint32_t Bits32() { return static_cast<uint32_t>(engine_() >> 32); }

    template <class T>
    const T& Pick(const std::vector<T>& choices)
    {
        return choices[Below(choices.size())];
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace kestrow::validate
