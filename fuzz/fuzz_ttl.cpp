// Any ttl.txt: TTL output is switched on only for a configuration that is
// valid in every field.
#include <cstdint>

#include "fuzz_support.hpp"
#include "session/module1.hpp"
#include "session/ttl_config.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshSession();
  fuzz::WriteInput("ttl.txt", data, size);
  std::string why;
  if (session::ReadTtlConfiguration(&why)) {
    for (int p = 1; p <= 4; ++p) {
      if (Module1::TtlCodes[p] < 1 || Module1::TtlCodes[p] > 255) __builtin_trap();
    }
    if (Module1::TtlPort < 1 || Module1::TtlPort > 9999) __builtin_trap();
    const double d = Module1::TtlDuration.Number();
    if (!(d > 0 && d < 10000)) __builtin_trap();
  }
  return 0;
}
