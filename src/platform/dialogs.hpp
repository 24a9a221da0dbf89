#pragma once
// The experimenter's dialogs: the settings-file chooser, message boxes and the
// subject-ID input box. On Linux, with a graphical display and zenity on PATH
// they are zenity dialogs; on Windows, the system's own. Otherwise they use the
// terminal (prompts on standard error, answers from standard input; nothing
// goes to standard output).
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Lets the experimenter pick a .txt file from `folder`, proposing
  // `remembered`. Returns the chosen file's path (a name alone for a file of
  // `folder`, as the terminal's numbered choices give), or nullopt when the
  // dialog was cancelled.
  virtual std::optional<std::string> OpenFile(const std::string& title,
                                              const std::filesystem::path& folder,
                                              const std::string& remembered) = 0;

  // An information box with an OK button; returns once it is dismissed.
  virtual void MsgBox(const std::string& message, const std::string& title) = 0;

  // Asks for one line of text; a cancelled box gives the empty string.
  virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;

  // A warning box with Yes and No buttons: true for Yes. Closing it, or an
  // end of input on the terminal, answers No.
  virtual bool YesNo(const std::string& question, const std::string& title) = 0;
};

// Terminal dialogs reading from `in` and writing to `err`.
std::unique_ptr<Dialogs> MakeTerminalDialogs(std::istream& in, std::ostream& err);
// zenity dialogs (Linux).
std::unique_ptr<Dialogs> MakeZenityDialogs();
// Linux: zenity when DISPLAY or WAYLAND_DISPLAY is set and zenity is on PATH,
// else the terminal. Windows: the system's dialogs, but the terminal when the
// program's standard streams are not a console (a script or a test runs it),
// or when the terminal is preferred and the program runs in a console.
std::unique_ptr<Dialogs> MakeDefaultDialogs();

// The run launches no browser, so whoever started it from a console answers
// there (Windows; on Linux the display decides alone). Call it before the
// first dialog.
void PreferTerminalDialogs(bool prefer);
bool TerminalDialogsPreferred();

// The dialogs in use (the default ones until SetDialogs is called).
Dialogs& CurrentDialogs();
// Installs dialogs; the caller keeps ownership. nullptr restores the default.
void SetDialogs(Dialogs* dialogs);

}  // namespace platform
