#pragma once
// Shared set-up for the reader fuzzers: a program folder in /tmp, dialogs that
// swallow every message, and the input written to the file under test.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Prepares (once) a program folder and resets the session state.
void FreshSession();
// Writes the fuzz input to `relative` below the program folder.
void WriteInput(const std::string& relative, const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
