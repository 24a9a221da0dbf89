// Any settings file: read it with every check; a refusal ends the program,
// anything else must leave a usable session.
#include <cstdint>

#include "fuzz_support.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"
#include "session/settings_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshSession();
  fuzz::WriteInput("settings/fuzz.txt", data, size);
  Module1::SettingsFile = "fuzz.txt";
  try {
    session::ReadSettingsFile();
    session::ApplyThreePlayerOverride();
    session::NormalisePlayerFields();
    if (!(Module1::NumPlayers == 3 || Module1::NumPlayers == 4)) __builtin_trap();
    if (!Module1::DelayMin.IsNumber() || Module1::DelayMin.Number() < 0) __builtin_trap();
  } catch (const platform::ProgramEnd&) {
  }
  return 0;
}
