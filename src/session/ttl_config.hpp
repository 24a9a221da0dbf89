#pragma once
// The TTL configuration file "ttl.txt" in the program folder: ten numeric
// fields separated by commas or line ends. Fields 1, 3, 5, 7 are read and
// ignored; 2, 4, 6, 8 are the codes of Players 1 to 4; 9 is the port address;
// 10 the pulse length in milliseconds (may be fractional).
#include <string>

namespace session {

// Reads ttl.txt into TtlCodes, TtlPort and TtlDuration. Returns whether TTL
// output can be switched on: the file exists, holds ten numbers, every code
// is 1 to 255, the port 1 to 9999 and the duration above 0 and below 10000.
// When it can't, `why` says why (empty when the file is simply absent).
bool ReadTtlConfiguration(std::string* why);

}  // namespace session
