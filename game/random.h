#pragma once

#include <cstdint>
#include <random>

namespace game {

// A source of draws uniform in [0, 1), injected so that tests can script the secret.
class Uniform {
public:
    virtual ~Uniform() = default;
    virtual void seed(std::uint64_t seed) = 0;
    [[nodiscard]] virtual double next() = 0;
};

class SeededUniform final : public Uniform {
public:
    explicit SeededUniform(std::uint64_t seed = 0) : m_engine(seed) {}

    void seed(std::uint64_t seed) override { m_engine.seed(seed); }

    // 53 random bits scaled by 2^-53: never 1.0, unlike some generate_canonical builds.
    [[nodiscard]] double next() override { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 m_engine;
};

}  // namespace game
