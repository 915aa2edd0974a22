// libFuzzer over the game's action language: the first eight bytes seed the game's chance, every
// following pair of bytes is one user action or a wait. After every action the invariants must
// hold, and at the end the running match must reach its result and a new one must start.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "robustness/actions.h"
#include "support/recording_platform.h"

namespace {

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "broken: %s\n", what.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quimbo;
  if (size < sizeof(std::uint64_t)) return 0;
  std::uint64_t seed = 0;
  std::memcpy(&seed, data, sizeof seed);
  data += sizeof seed;
  size -= sizeof seed;

  SeededRandom random(seed);
  test::RecordingPlatform platform;
  platform.browserWorks = seed % 2 == 0;
  Game game(random, platform);
  for (std::size_t at = 0; at + 1 < size; at += 2) {
    handle(game, test::decodeInput(data[at], data[at + 1]));
    if (std::string broken = test::brokenInvariant(game); !broken.empty()) fail(broken);
  }
  if (std::string broken = test::finishMatchAndStartAnother(game, seed); !broken.empty())
    fail(broken);
  return 0;
}
