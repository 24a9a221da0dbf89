// The real executable, started in a throw-away program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "platform/file_io.hpp"
#include "support/program_folder.hpp"
#include "support/run_program.hpp"

namespace {

using testing_support::RunVolleta;

const char* k4 = "1,2343434343434343\n3,1414141414141414\n4,1313131313131313\n";

class StartupTest : public ::testing::Test {
 protected:
  void Experiment(const std::string& players, const std::string& schedule,
                  const std::string& delays = "0.5,2.5") {
    folder.Write("settings/s.txt", "Players," + players +
                                       "\r\nThrows,30\r\nSchedule,sched.txt\r\nStart,start.htm\r\n"
                                       "P1,Ann,none\nP2,You,none\nP3,Bob,none\nP4,Cy,none\n"
                                       "Delays," +
                                       delays + "\nSpacers,0\n");
    folder.Write("schedules/sched.txt", schedule);
    folder.Write("html/start.htm", "<p>start</p>");
    folder.Write("html/template.htm", "<head>");
  }
  testing_support::ProgramRun Run(std::vector<std::string> rest, const std::string& input = "") {
    rest.insert(rest.begin(), {"--folder", folder.Path().string()});
    return RunVolleta(rest, input);
  }
  testing_support::TempProgramFolder folder;
};

TEST_F(StartupTest, CheckPrintsASummaryAndRemembersNothing) {
  Experiment("4", k4);
  folder.Write("ttl.txt", "1,10\n2,20\n3,30\n4,40\n888\n5\n");
  // The port a session would open, here the dry run's.
  auto run = Run({"--check", "--port-log", (folder.Path() / "ports.log").string(), "s.txt"});
  EXPECT_EQ(run.status, 0) << run.err;
  for (const char* line : {"Players: 4", "Total throws: 30",
                           "Player 1: 16 throws scheduled (to 2: 1, to 3: 8, to 4: 7)",
                           "TTL output: on (port 888", "TTL device: recording port ",
                           "Display: each throw sent ahead and shown on the frame it is logged on "
                           "(--display staged)"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
  }
  EXPECT_FALSE(folder.Exists("config/volleta/volleta.ini"));
  EXPECT_NE(run.out.find("Logs: no rows yet in "), std::string::npos) << run.out;

  // A game whose time.csv row is missing, as a crash between the appends leaves it.
  const std::string game = "s.txt,03/14/25,09:26,4,2,sched.txt,start.htm,Ann,You,Bob,Cy,";
  folder.Write("log/log.csv", "S1," + game + "3,1\r\nS2," + game + "1,4\r\n");
  folder.Write("log/time.csv", "S1," + game + "8000,9500\r\n");
  run = Run({"--check", "--port-log", (folder.Path() / "ports.log").string(), "s.txt"});
  EXPECT_EQ(run.status, 0) << run.err;
  for (const char* line :
       {"Logs: 2 games in ", "Warning: log.csv line 2: no matching row in time.csv",
        "crash between the two appends"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
  }

  // An invalid ttl.txt: the summary says TTL output is off, and why.
  folder.Write("ttl.txt", "1,10\n2,256\n3,30\n4,40\n888\n5\n");
  run = Run({"--check", "--display", "navigate", "--photodiode", "s.txt"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("TTL output: off: ttl.txt field 4 (the code for Player 2) is 256, out "
                         "of range: codes must be 1 to 255 (a session asks"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Display: each throw loaded as a new page (--display navigate); "
                         "photodiode patch in the bottom left corner, white for 6 frames"),
            std::string::npos)
      << run.out;
}

TEST_F(StartupTest, RefusedFilesShowTheirMessageOnStandardErrorAndExitWithTwo) {
  Experiment("5", k4);
  auto run = Run({"--check", "s.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Settings Problem: You have requested a 5-player game.  Only 3 and 4-player games are "
            "allowed. See readme.htm for help.  This will end the program.\n");
  EXPECT_EQ(run.out, "");

  Experiment("4", k4, "soon,1");
  run = Run({"--check", "s.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.rfind("Settings Problem: The minimum delay (record 9", 0), 0u) << run.err;

  // The settings name is every remaining argument, joined by spaces.
  run = Run({"--check", "no", "such", "file.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("\"no such file.txt\" could not be read"), std::string::npos) << run.err;

  // A bad option or value: 2 with the parser's message, whatever the fault.
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--folder"},
                                               {"--speed", "abc", "--pilot", "1", "s.txt"},
                                               {"--folder", (folder.Path() / "none").string()},
                                               {"--no-such-option"}}) {
    run = RunVolleta(args);
    EXPECT_EQ(run.status, 2) << args[0] << " " << run.err;
    EXPECT_NE(run.err.find(args[0]), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunVolleta({"--version"}).status, 0);
}

// volleta.ini: the study's full-screen switch, its faults refused before
// anything else, naming the file and the line.
TEST_F(StartupTest, VolletaIniSwitchesFullScreenAndItsFaultsAreRefused) {
  Experiment("4", k4);
  auto run = Run({"--check", "s.txt"});
  EXPECT_NE(run.out.find("Window: maximised with a title bar (Firefox: full screen)\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("TTL output: off: no ttl.txt\n"), std::string::npos) << run.out;
  folder.Write("volleta.ini", "\xEF\xBB\xBF; study options\r\n\r\n  FullScreen =  yes \r\n");
  run = Run({"--check", "s.txt"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(
      run.out.find("Window: full screen without a title bar (fullscreen = yes in volleta.ini)\n"),
      std::string::npos)
      << run.out;

  const std::string ini = (folder.Path() / "volleta.ini").string();
  for (const auto& [text, fault] : std::vector<std::pair<std::string, std::string>>{
           {"# x\nfullscreen = maybe\n", " line 2: fullscreen is \"maybe\"; it must be yes or no"},
           {"fullscreen = no\ncolour = red\n",
            " line 2: \"colour\" is not an option (the one option is fullscreen)"},
           {"[volleta]\n", " line 1: \"[volleta]\" is not of the form name = value"}}) {
    folder.Write("volleta.ini", text);
    // A session is refused before its settings dialog; --check as well.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"--check", "s.txt"}}) {
      run = Run(args, "1\n");
      EXPECT_EQ(run.status, 2) << run.err;
      EXPECT_EQ(run.err, "Options Problem: " + ini + fault +
                             ".  See readme.htm for help.  This will end the program.\n");
    }
  }
}

TEST_F(StartupTest, TerminalDialogsChooseTheFileAndAskForTheSubject) {
  // The schedule is refused after the subject has been asked for, so the run
  // ends without opening any window.
  Experiment("4", "1,31\n");
  folder.Write("settings/a.txt", "Players,9\n");
  // "2" picks the second file listed (s.txt); the subject ID follows.
  auto run = Run({}, "2\nS042\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("That's crazy bro!"), std::string::npos) << run.err;
  for (const char* text : {"Select Settings File", "1. a.txt", "Please Enter a Subject ID..."}) {
    EXPECT_NE(run.err.find(text), std::string::npos) << text << "\n" << run.err;
  }
  EXPECT_NE(folder.Read("config/volleta/volleta.ini").find("lastsettings=s.txt"),
            std::string::npos);

  // End of input at the file dialog: cancelled, status 1, no message.
  run = Run({}, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.find("Problem"), std::string::npos) << run.err;

  // A file typed with another folder is refused, not read from this one.
  run = Run({}, (folder.Path() / "elsewhere" / "s.txt").string() + "\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Settings Problem: The settings file \"s.txt\" was picked in "),
            std::string::npos)
      << run.err;

  // A faulty ttl.txt is asked about once the schedule has passed; "n" ends
  // the program before any window, as a cancel does.
  folder.Write("schedules/sched.txt", k4);
  folder.Write("ttl.txt", "1,10\n2,20\n3,30\n4,40\n0\n5\n");
  run = Run({}, "2\nS042\nmaybe\nn\n");
  EXPECT_EQ(run.status, 1) << run.err;
  for (const char* text : {"TTL Problem: ttl.txt field 9 (the port address) is 0, out of range",
                           "Yes or No [y/n]: Yes or No [y/n]: "}) {
    EXPECT_NE(run.err.find(text), std::string::npos) << text << "\n" << run.err;
  }
}

}  // namespace

// The options --help (and serve --help) prints and the ones the documents name are the same set:
// each option is in the README's reference, and no document names one the program does not have.
TEST(DocsTest, EveryOptionIsDocumentedAndEveryDocumentedOptionExists) {
  const auto help = RunVolleta({"--help"});
  ASSERT_EQ(help.status, 0) << help.err;
  const std::regex option("(^|[^\\w-])(--[a-z][a-z0-9-]*)");
  auto options = [&](const std::string& text) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it) {
      found.insert((*it)[2]);
    }
    return found;
  };
  std::set<std::string> program = options(help.out);
  ASSERT_GT(program.size(), 10u) << help.out;
  const auto serve_help = RunVolleta({"serve", "--help"});
  ASSERT_EQ(serve_help.status, 0) << serve_help.err;
  program.merge(options(serve_help.out));

  const std::filesystem::path source = VOLLETA_SOURCE_DIR;
  const std::string readme = platform::ReadFileBytes(source / "README.md").value_or("");
  const auto start = readme.find("\n### Options\n");
  ASSERT_NE(start, std::string::npos) << "README.md has no \"### Options\" reference";
  const std::string reference = readme.substr(start, readme.find("\n#", start + 1) - start);
  for (const std::string& name : program) {
    EXPECT_NE(reference.find("`" + name), std::string::npos)
        << name << " is not in README.md's options reference";
  }
  for (const char* document : {"README.md", "experiment/readme.htm"}) {
    const auto text = platform::ReadFileBytes(source / document);
    ASSERT_TRUE(text) << document;
    for (const std::string& name : options(*text)) {
      EXPECT_TRUE(program.count(name)) << document << " names " << name << ", which --help lacks";
    }
  }
}
