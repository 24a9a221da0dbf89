#include "session/schedule.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_io.hpp"
#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "platform/random.hpp"
#include "session/module1.hpp"
#include "session/refuse.hpp"

namespace session {
namespace {

using Module1::LineThrows;
using Module1::ThrowSlot;

std::vector<std::string> SplitAtCommas(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
}

std::string WithoutSpaces(std::string line) {
  line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
  return line;
}

// "Line 3 of the schedule file "x.txt"" for the messages of our own.
std::string LineOf(std::size_t line_number) {
  return "Line " + std::to_string(line_number) + " of the schedule file \"" +
         Module1::ScheduleFile + "\"";
}

[[noreturn]] void RefuseSchedule(const std::string& fault) {
  Refuse(kScheduleProblem, fault + "  See readme.htm for help.  " + kEndsProgram);
}

// The checks on one scheduled throw, in their order.
void CheckThrow(const std::string& p_text, int p, int t) {
  const std::string P = p_text;
  const std::string T = std::to_string(t);
  if (t == 4 && Module1::NumPlayers == 3) {
    Refuse(kScheduleProblem, "This session is set as a 3-player game but Player " + P +
                                 " is scheduled to throw to Player 4.  Are you on crack?  See "
                                 "readme.htm for help.  This will end the program.");
  }
  if (t == p) {
    Refuse(kScheduleProblem, "This session has Player " + P + " scheduled to throw to Player " + T +
                                 ".  That's crazy bro!  See readme.htm for help.  This will end "
                                 "the program.");
  }
  if (t < 1 || t > 4) {
    Refuse(
        kScheduleProblem,
        "This session is set as a " + Module1::NumPlayers.Text() +
            "-player game.  Yet you have Player " + P + " scheduled to throw to Player " + T +
            ". Whatever you're smokin' -- give me some!  See readme.htm for help.  This will end "
            "the program.");
  }
}

}  // namespace

void RandomiseLine() {
  platform::Randomize();
  const int k = static_cast<int>(LineThrows.size()) - 1;
  if (k < 1) return;
  // A block numbered above k (after an empty block) doesn't fit the working
  // tables; the line is left unshuffled with every Source 0.
  for (int i = 1; i <= k; ++i) {
    if (LineThrows[i].Block < 0 || LineThrows[i].Block > k) return;
  }

  std::vector<int> listed;  // block numbers in ascending order
  {
    std::vector<char> seen(static_cast<std::size_t>(k) + 1, 0);
    for (int i = 1; i <= k; ++i) seen[LineThrows[i].Block] = 1;
    for (int v = 0; v <= k; ++v) {
      if (seen[v]) listed.push_back(v);
    }
  }

  // members[j]: the LineThrows indices of block j's throws, in line order.
  std::vector<std::vector<int>> members(listed.size());
  for (std::size_t j = 0; j < listed.size(); ++j) {
    for (int i = 1; i <= k; ++i) {
      if (LineThrows[i].Block == listed[j]) members[j].push_back(i);
    }
  }

  // Draw each block's order: blocks ascending, positions ascending, an
  // already-taken slot drawn again.
  std::vector<std::vector<int>> slot_order(listed.size());
  for (std::size_t j = 0; j < listed.size(); ++j) {
    const int size = static_cast<int>(members[j].size());
    std::vector<char> taken(static_cast<std::size_t>(size) + 1, 0);
    for (int m = 1; m <= size; ++m) {
      int r = 0;
      do {
        r = static_cast<int>(static_cast<double>(platform::Rnd()) * size) + 1;
      } while (taken[r]);
      taken[r] = 1;
      slot_order[j].push_back(r);
    }
  }

  for (std::size_t j = 0; j < listed.size(); ++j) {
    for (std::size_t m = 0; m < members[j].size(); ++m) {
      LineThrows[members[j][m]].Source =
          static_cast<std::int16_t>(members[j][slot_order[j][m] - 1]);
    }
  }
}

void LoadSchedule() {
  using namespace Module1;
  const std::filesystem::path folder = platform::ProgramFolder() / "schedules";
  std::string reason;
  const std::optional<std::string> text =
      platform::ReadFileBytes(folder / platform::PathOf(ScheduleFile), &reason);
  if (!text) {
    RefuseSchedule("The schedule file \"" + ScheduleFile +
                   "\" could not be read from the schedules folder " + folder.string() + " (" +
                   reason + ").");
  }

  std::vector<std::string> lines = platform::SplitLines(
      PlainText(kScheduleProblem, "The schedule file \"" + ScheduleFile + "\"", *text));
  for (std::string& line : lines) line = WithoutSpaces(std::move(line));
  // Blank lines at the end of the file are harmless; any other is a fault.
  while (!lines.empty() && lines.back().empty()) lines.pop_back();

  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::size_t line_number = n + 1;
    if (lines[n].empty()) {
      RefuseSchedule(LineOf(line_number) +
                     " is blank.  Blank lines are allowed only at the end of the file.");
    }
    const std::vector<std::string> fields = SplitAtCommas(lines[n]);
    const std::string& p_text = fields[0];
    const bool p_valid = !p_text.empty() && p_text.size() <= 5 &&
                         std::all_of(p_text.begin(), p_text.end(),
                                     [](unsigned char c) { return std::isdigit(c); }) &&
                         std::stoi(p_text) >= 1 && std::stoi(p_text) <= 4;
    if (!p_valid) {
      RefuseSchedule(LineOf(line_number) + " begins with \"" + p_text +
                     "\", which is not a player 1 to 4.  Each line must begin with the number of "
                     "the throwing player.");
    }
    const int p = std::stoi(p_text);

    std::size_t throws = 0;
    for (std::size_t f = 1; f < fields.size(); ++f) throws += fields[f].size();
    if (throws > static_cast<std::size_t>(TotalThrows)) {
      RefuseSchedule(LineOf(line_number) + " schedules " + std::to_string(throws) +
                     " throws for Player " + p_text + ", more than the " +
                     std::to_string(TotalThrows) + " throws of the whole game.");
    }

    LineThrows.assign(1, ThrowSlot{});
    for (std::size_t f = 1; f < fields.size(); ++f) {
      const auto block = static_cast<std::int16_t>(std::min<std::size_t>(f, 32767));
      for (const char c : fields[f]) {
        const std::int16_t target =
            std::isdigit(static_cast<unsigned char>(c)) ? static_cast<std::int16_t>(c - '0') : 0;
        LineThrows.push_back(ThrowSlot{block, 0, target});
      }
    }
    const int k = static_cast<int>(LineThrows.size()) - 1;

    RandomiseLine();

    for (int i = 1; i <= k; ++i) {
      const std::int16_t t = LineThrows[LineThrows[i].Source].Target;
      ThrowSchedule[p][i] = t;
      CheckThrow(p_text, p, t);
    }

    if (2 * k < TotalThrows) {
      const std::string M = std::to_string(TotalThrows / 2 + 1);
      Refuse(kScheduleProblem, "Player " + p_text + " has only " + std::to_string(k) +
                                   " throws scheduled.  With " + std::to_string(TotalThrows) +
                                   " total throws planned, Player " + p_text +
                                   " should have at least " + M +
                                   " scheduled.  You're SO close!! See readme.htm for help. This "
                                   "will end the program.");
    }
    LineThrows.assign(1, ThrowSlot{});
  }

  if (ThrowSchedule[1][1] == 0) {
    Refuse(
        kScheduleProblem,
        "Player 1 has no throws scheduled--see readme.htm for help.  This will end the program.");
  }
  if (ThrowSchedule[3][1] == 0) {
    Refuse(
        kScheduleProblem,
        "Player 3 has no throws scheduled--see readme.htm for help.  This will end the program.");
  }
  if (ThrowSchedule[4][1] == 0 && NumPlayers == 4) {
    Refuse(kScheduleProblem,
           "Player 4 has no throws scheduled and the settings file has indicated a four-player "
           "game--see readme.htm for help.  This will end the program.");
  }
}

}  // namespace session
