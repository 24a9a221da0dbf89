#include "session/refuse.hpp"

#include "platform/dialogs.hpp"
#include "platform/program.hpp"

namespace session {

void Refuse(const std::string& title, const std::string& message) {
  platform::CurrentDialogs().MsgBox(message, title);
  platform::EndProgram(platform::kExitInputRefused);
}

}  // namespace session
