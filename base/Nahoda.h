#pragma once

#include <cstdint>

// The program's one pseudo-random generator: a 32-bit linear congruential sequence
// seed := seed * 134775813 + 1 (mod 2^32); a draw below n is the upper 32 bits of seed * n.
class Nahoda {
public:
    explicit Nahoda(std::uint32_t seed = 0) : seed_(seed) { }

    void Zasej(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }

    // A whole number in 0 .. n-1 (0 for n = 0).
    std::uint32_t Pod(std::uint32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
    }

private:
    std::uint32_t seed_;
};
