#include "tools/demodata/DataGen.h"

#include <algorithm>
#include <cstring>

namespace qelvane {

TDataGen::TDataGen(uint64_t Seed) : FState(Seed) {
  // A vocabulary of pseudo-words built from syllables.
  static const char* const Syllables[] = {"ka",  "lu",  "mo",  "ve", "ri",  "tan",  "sel", "qu",
                                          "on",  "bra", "dis", "ex", "ion", "ment", "al",  "per",
                                          "con", "st",  "or",  "in", "de",  "re",   "ty",  "ng"};
  constexpr uint32_t SyllableCount = sizeof Syllables / sizeof Syllables[0];
  for (int i = 0; i < 3000; ++i) {
    std::string w;
    for (uint32_t n = 1 + Below(4); n > 0; --n)
      w += Syllables[Below(SyllableCount)];
    FWords.push_back(std::move(w));
  }
}

// splitmix64: fast, and fully defined by its few lines.
uint64_t TDataGen::Next() {
  uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

uint32_t TDataGen::Skewed(uint32_t Bound) {
  uint64_t r = Next() >> 40; // 24 bits; r cubed keeps small values likely
  uint64_t cube = (r * r >> 24) * r >> 24;
  return static_cast<uint32_t>(cube * Bound >> 24);
}

const std::string& TDataGen::Word() {
  return FWords[Skewed(static_cast<uint32_t>(FWords.size()))];
}

std::string TDataGen::Media(size_t Size) {
  std::string out(Size, '\0');
  size_t i = 0;
  for (; i + 8 <= Size; i += 8) {
    uint64_t v = Next();
    std::memcpy(&out[i], &v, 8);
  }
  for (; i < Size; ++i)
    out[i] = static_cast<char>(Next());
  return out;
}

std::string TDataGen::Code(size_t Size) {
  // Opcode patterns of one to three bytes; frequent ones first.
  static const char* const Opcodes[] = {"\x48\x8b",     "\x48\x89", "\xe8",     "\x8b",     "\x89",     "\x48\x83\xc4",
                                        "\x48\x83\xec", "\x0f\x84", "\x75",     "\x74",     "\xeb",     "\xc3",
                                        "\x55",         "\x5d",     "\x41\x57", "\x41\x5f", "\x31\xc0", "\x85\xc0",
                                        "\x48\x8d",     "\x0f\xb6", "\xff\x15", "\x3b",     "\x83\xf8", "\xcc\xcc"};
  constexpr uint32_t OpcodeCount = sizeof Opcodes / sizeof Opcodes[0];
  uint32_t addresses[512];
  for (uint32_t& a : addresses)
    a = 0x00400000u + (Below(1u << 20) & ~3u);
  std::string out;
  out.reserve(Size + 16);
  while (out.size() < Size) {
    out += Opcodes[Skewed(OpcodeCount)];
    switch (Below(6)) {
    case 0:
    case 1: // register operand byte
      out.push_back(static_cast<char>(0xC0 | Below(64)));
      break;
    case 2: // small displacement
      out.push_back(static_cast<char>(Below(16) * 8));
      break;
    case 3: { // an address from the pool
      uint32_t a = addresses[Skewed(512)];
      out.append(reinterpret_cast<const char*>(&a), 4);
      break;
    }
    case 4: { // a relative call target: noisy
      uint32_t a = static_cast<uint32_t>(Next());
      out.append(reinterpret_cast<const char*>(&a), 2 + Below(3));
      break;
    }
    default:
      break;
    }
  }
  out.resize(Size);
  return out;
}

std::string TDataGen::Text(size_t Size) {
  std::string out;
  out.reserve(Size + 64);
  size_t lineStart = 0;
  while (out.size() < Size) {
    const std::string& w = Word();
    out += w;
    switch (Below(16)) {
    case 0:
      out += ". ";
      break;
    case 1:
      out += ", ";
      break;
    case 2:
      out += " = " + std::to_string(Below(10000)) + " ";
      break;
    default:
      out += ' ';
    }
    if (out.size() - lineStart > 60 + Below(20)) {
      out += "\r\n";
      lineStart = out.size();
    }
  }
  out.resize(Size);
  return out;
}

std::string TDataGen::Records(size_t Size) {
  std::string out;
  out.reserve(Size + 32);
  uint32_t id = 1000;
  uint16_t x = 0, y = 0;
  while (out.size() < Size) {
    char rec[32] = {};
    id += 1 + Below(3);
    x = static_cast<uint16_t>(x + Below(7) - 3);
    y = static_cast<uint16_t>(y + Below(5) - 2);
    uint16_t kind = static_cast<uint16_t>(Skewed(12));
    uint32_t price = 100 * (1 + Skewed(50));
    std::memcpy(rec, &id, 4);
    std::memcpy(rec + 4, &x, 2);
    std::memcpy(rec + 6, &y, 2);
    std::memcpy(rec + 8, &kind, 2);
    std::memcpy(rec + 10, &price, 4);
    const std::string& w = Word();
    std::memcpy(rec + 14, w.data(), std::min<size_t>(w.size(), 18));
    out.append(rec, sizeof rec);
  }
  out.resize(Size);
  return out;
}

} // namespace qelvane
