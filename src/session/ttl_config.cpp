#include "session/ttl_config.hpp"

#include <system_error>

#include "platform/program.hpp"
#include "platform/fields.hpp"
#include "platform/file_io.hpp"
#include "platform/numbers.hpp"
#include "session/module1.hpp"

namespace session {

bool ReadTtlConfiguration(std::string* why) {
  using namespace Module1;
  const auto fail = [why](std::string reason) {
    if (why != nullptr) *why = std::move(reason);
    return false;
  };
  const std::filesystem::path path = platform::ProgramFolder() / "ttl.txt";
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return fail("");

  std::string reason;
  std::optional<std::string> text = platform::ReadFileBytes(path, &reason);
  if (!text) return fail(path.string() + " could not be read (" + reason + ")");

  platform::FieldReader fields(std::move(*text));
  for (int n = 1; n <= 10; ++n) {
    const std::optional<std::string> field = fields.Next();
    if (!field) return fail(path.string() + " ends before field " + std::to_string(n) + " of 10");
    if (!platform::ParseNumber(*field)) {
      return fail(path.string() + ": field " + std::to_string(n) + " (\"" + *field +
                  "\") is not a number");
    }
    if (n == 10) {
      TtlDuration = Value::FromField(*field);
      break;
    }
    const std::optional<std::int16_t> value = platform::ToInt16(*field);
    if (!value) {
      return fail(path.string() + ": field " + std::to_string(n) + " (\"" + *field +
                  "\") is out of range");
    }
    if (n == 9) {
      TtlPort = *value;
    } else if (n % 2 == 0) {
      TtlCodes[n / 2] = *value;
    }
  }

  for (int p = 1; p <= 4; ++p) {
    if (TtlCodes[p] < 1 || TtlCodes[p] > 255) {
      return fail(path.string() + ": the code for Player " + std::to_string(p) + " is " +
                  std::to_string(TtlCodes[p]) + "; codes must be 1 to 255");
    }
  }
  if (TtlPort < 1 || TtlPort >= 10000) {
    return fail(path.string() + ": the port address is " + std::to_string(TtlPort) +
                "; it must be 1 to 9999");
  }
  if (!(TtlDuration.Number() > 0 && TtlDuration.Number() < 10000)) {
    return fail(path.string() + ": the pulse duration is " + TtlDuration.Text() +
                " ms; it must be above 0 and below 10000");
  }
  return true;
}

}  // namespace session
