#include "RandomBytes.h"

#include <array>
#include <bit>
#include <chrono>
#include <cstring>

namespace {

// SplitMix64, used only to spread one clock reading over the generators' state.
std::uint64_t SplitMix64(std::uint64_t& State)
{
  std::uint64_t Z = (State += 0x9E3779B97F4A7C15u);
  Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9u;
  Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBu;
  return Z ^ (Z >> 31);
}

// xoshiro256**: every byte of a draw is uniformly distributed, so one draw serves eight bytes.
class TXoshiro256 {
public:
  explicit TXoshiro256(std::uint64_t& SeedState)
  {
    for (std::uint64_t& Word : State)
      Word = SplitMix64(SeedState);
  }

  std::uint64_t Next()
  {
    const std::uint64_t Result = std::rotl(State[1] * 5, 7) * 9;
    const std::uint64_t Shifted = State[1] << 17;
    State[2] ^= State[0];
    State[3] ^= State[1];
    State[1] ^= State[2];
    State[0] ^= State[3];
    State[2] ^= Shifted;
    State[3] = std::rotl(State[3], 45);
    return Result;
  }

private:
  std::array<std::uint64_t, 4> State{};
};

std::uint64_t ClockSeed()
{
  return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

void FillWithRandomBytes(std::span<std::uint8_t> Bytes)
{
  std::uint64_t Seed = ClockSeed();
  // Two independent streams drawn side by side keep the processor busy while each one's
  // state update waits on the last.
  TXoshiro256 First(Seed), Second(Seed);
  std::uint8_t* const Out = Bytes.data();
  std::size_t Index = 0;
  for (; Index + 16 <= Bytes.size(); Index += 16) {
    const std::uint64_t Draws[2] = {First.Next(), Second.Next()};
    std::memcpy(Out + Index, Draws, sizeof Draws);
  }
  const std::uint64_t Tail[2] = {First.Next(), Second.Next()};
  std::memcpy(Out + Index, Tail, Bytes.size() - Index);
}
