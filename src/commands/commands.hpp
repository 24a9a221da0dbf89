#pragma once
// The program's commands, one function each: main() parses the command line
// into one Options value and runs the command it names. A command gets its
// options and where its output goes; everything else it needs it makes.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "game/frm_main.hpp"
#include "game/pilot.hpp"
#include "online/serve.hpp"

namespace CLI {
class App;
}

namespace commands {

struct Options {
  std::string command = "session";  // the Tool's name the options chose
  std::string folder;               // --folder, else empty
  bool check = false;               // --check
  std::string new_study;            // --new-study DIR
  std::string display = "staged";   // --display
  bool photodiode = false;          // --photodiode
  std::string report_folder;        // --report [LOGDIR]
  std::string export_folder;        // --export [LOGDIR]
  bool report = false, exporter = false;
  game::PilotOptions pilot;
  online::ServeOptions serve;
  std::string assign = "balanced";  // serve --assign
  // --online-game and its options: one participant's game behind a relay.
  bool online_game = false;
  std::string subject;        // --subject ID
  std::string public_origin;  // --public-origin ORIGIN
  int abandon_after = 60;     // --abandon-after SECS
  std::string return_url;     // --return-url URL
  int return_after = 5;       // --return-after SECS
  std::string link;           // --link QUERY
  StartOptions start;
  // After the options: the settings file's name, word by word.
  std::vector<std::string> settings_words;
  std::string program;  // the program as it was started (argv[0])
};

// Where a command writes: `out` its results, `err` its messages.
struct Streams {
  std::ostream& out;
  std::ostream& err;
};

using Command = int (*)(const Options& options, Streams streams);

struct Tool {
  std::string_view name;
  Command run;
  // Runs on a study folder (or the log folder it is given): the program
  // folder is found and set first.
  bool needs_folder;
};

// The table of commands; a command's name is the Tool's.
const std::vector<Tool>& Tools();

// The command line's options, read into `options`, with their help texts.
void DefineOptions(CLI::App& app, Options& options);
// Completes `options` after a successful parse: the command named and the
// words after the options.
void ReadParsed(const CLI::App& app, Options& options, std::string program);

// Runs the command `options` names and returns the program's exit status.
int Run(Options options, Streams streams);

int RunSession(const Options& options, Streams streams);
// One game with `options`: the form on an event loop of its own, run to the
// program's end; returns its exit status. A session is one, a pilot many.
int PlayGame(const StartOptions& options);
int RunCheck(const Options& options, Streams streams);
int RunPilot(const Options& options, Streams streams);
// Checks every condition it will run as --check does, then hosts the study
// for participants' own browsers until SIGINT or SIGTERM.
int RunServe(const Options& options, Streams streams);
// --online-game: one participant's game for a relay in front of it (serve).
int RunOnlineGame(const Options& options, Streams streams);
// Whether `origin` is a bare http or https origin: scheme, host and port only.
bool IsBareOrigin(std::string_view origin);
// The log folder a --report or --export names: the program folder's log
// when it names none.
std::filesystem::path LogFolder(const std::string& given);

// The report of the log folder (and its export, with --export too).
int RunReport(const Options& options, Streams streams);
int RunExport(const Options& options, Streams streams);
// Copies the bundled experiment into options.new_study, which must be new or
// empty: everything but the executable and what a run writes there (logs, the
// game page). Writes the folder's path to `out`, and to `err` what it holds
// and how to run it with options.program. Returns 0, or 2 after a message
// naming the folder and the fault; a copy that fails midway removes what it
// had copied.
int RunNewStudy(const Options& options, Streams streams);

}  // namespace commands
