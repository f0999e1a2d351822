#pragma once
// Reproducible stand-ins for application files: the same seed gives the same
// bytes on every machine and compiler (own generator, no library
// distributions). Each kind compresses like the files it imitates.
#include <cstdint>
#include <string>
#include <vector>

namespace qelvane {

class TDataGen {
public:
  explicit TDataGen(uint64_t Seed);

  // Already compressed media (pictures, sounds, packed resources): does not
  // compress at all.
  std::string Media(size_t Size);
  // Program code: instruction-like byte sequences with repeating opcodes,
  // small operands and a pool of addresses; deflate keeps about two thirds.
  std::string Code(size_t Size);
  // Prose, logs and markup made of a fixed vocabulary with a skewed word
  // frequency; deflate keeps about a third.
  std::string Text(size_t Size);
  // Tables of fixed-size records (ids counting up, small fields, names from a
  // vocabulary); deflate keeps about a quarter to a third.
  std::string Records(size_t Size);

private:
  uint64_t Next();
  uint32_t Below(uint32_t Bound) { return static_cast<uint32_t>((Next() >> 32) * Bound >> 32); }
  // Index below Bound, small values far more likely.
  uint32_t Skewed(uint32_t Bound);
  const std::string& Word();

  uint64_t FState;
  std::vector<std::string> FWords;
};

} // namespace qelvane
