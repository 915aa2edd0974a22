// libFuzzer over the game's inputs: the first eight bytes seed the game's chance, every following
// pair of bytes is one input or a wait. After every input the rules of the board must hold, and
// at the end the running match must reach its result.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/player.h"
#include "support/recording_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quimbo;
  std::uint64_t seed = 0;
  if (size < sizeof seed) return 0;
  std::memcpy(&seed, data, sizeof seed);
  SeededRandom random(seed);
  test::RecordingPlatform platform;
  platform.browserStarts = seed % 2 == 0;
  Game game(random, platform);
  const std::string broken = test::playBytes(game, {data + sizeof seed, size - sizeof seed}, seed);
  if (!broken.empty()) std::fprintf(stderr, "broken: %s\n", broken.c_str()), std::abort();
  return 0;
}
