#include "session/subject.hpp"

#include <ctime>
#include <system_error>

#include "platform/clock.hpp"
#include "platform/dialogs.hpp"
#include "platform/fields.hpp"
#include "platform/file_io.hpp"
#include "platform/program.hpp"
#include "session/module1.hpp"

namespace session {
namespace {

// The first field of a file, or nullopt when it can't be read.
std::optional<std::string> FirstField(const std::filesystem::path& path) {
  std::optional<std::string> text = platform::ReadFileBytes(path);
  if (!text) return std::nullopt;
  return platform::FieldReader(std::move(*text)).Next();
}

}  // namespace

void ReadSiblingIdentifier() {
  using namespace Module1;
  if (Command.empty()) return;
  const std::filesystem::path pointer = platform::ProgramFolder() / "stimdeck.txt";
  std::error_code ec;
  if (!std::filesystem::exists(pointer, ec)) return;

  if (std::optional<std::string> folder = FirstField(pointer)) {
    SubjectInfoFolder = Value::FromField(std::move(*folder));
  }
  // An unreadable pointer file leaves the folder empty, so the subject file is
  // looked for at the root, as the sibling program's own convention has it.
  std::string folder = SubjectInfoFolder.Text();
  if (folder.empty() || folder.back() != '/') {
    folder += '/';
    SubjectInfoFolder = Value::FromText(folder);
  }

  std::optional<std::string> field = FirstField(folder + "currentsubjectinfo.txt");
  if (!field) return;
  SubjectId = *field;
  // The first ten characters are the sibling program's prefix. A shorter field
  // is kept whole.
  if (SubjectId.size() >= 10) SubjectId = SubjectId.substr(10);
}

void AskSubjectId() {
  if (!Module1::SubjectId.empty()) return;
  Module1::SubjectId =
      platform::CurrentDialogs().InputBox("Please Enter a Subject ID...", "Subject ID");
}

void StampSession() {
  const std::time_t now = std::time(nullptr);
  const std::tm local = platform::LocalTime(now);
  char date[16];
  char time[16];
  std::strftime(date, sizeof date, "%m/%d/%y", &local);
  std::strftime(time, sizeof time, "%H:%M", &local);
  Module1::SessionDate = date;
  Module1::SessionTime = time;
}

}  // namespace session
