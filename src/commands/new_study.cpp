#include "commands/commands.hpp"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/path_text.hpp"
#include "platform/program.hpp"
#include "platform/shell_quote.hpp"

namespace commands {
namespace {

using platform::BundledExperimentFolder;
using platform::HoldsStudy;
using platform::RunsInstalled;
using platform::ShellQuoted;

namespace fs = std::filesystem;

class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The executable and what a run writes into a program folder: none of it is
// part of a study.
bool LeftOut(const fs::path& relative) {
  const std::string name = relative.generic_string();
  return name == "volleta" || name == "volleta.exe" || name == "log" || name == "log-unsaved.csv" ||
         name == "html/quindle.htm";
}

bool IsWithin(const fs::path& inner, const fs::path& outer) {
  std::error_code ec;
  const fs::path a = fs::weakly_canonical(inner, ec);
  const fs::path b = fs::weakly_canonical(outer, ec);
  return std::mismatch(b.begin(), b.end(), a.begin(), a.end()).first == b.end();
}

// What was copied, by top-level entry: the files below a folder (-1 for a
// file) and, for settings/, the names of the conditions.
struct Copied {
  std::map<std::string, int> files;
  std::vector<std::string> conditions;
};

void CopyTree(const fs::path& from, const fs::path& to, Copied& copied) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path relative = it->path().lexically_relative(from);
    if (LeftOut(relative)) {
      it.disable_recursion_pending();
      continue;
    }
    const fs::path target = to / relative;
    const std::string top = relative.begin()->string();
    if (it->is_directory(ec)) {
      if (!fs::create_directory(target, ec) && ec) {
        throw Refusal("could not be written: making " + relative.generic_string() + ": " +
                      ec.message());
      }
      copied.files.try_emplace(top, 0);
      continue;
    }
    if (!fs::copy_file(it->path(), target, ec)) {
      throw Refusal("could not be written: copying " + relative.generic_string() + ": " +
                    ec.message());
    }
    if (it.depth() == 0) {
      copied.files.try_emplace(top, -1);
    } else {
      ++copied.files[top];
      if (top == "settings" && it.depth() == 1)
        copied.conditions.push_back(relative.filename().string());
    }
  }
  if (ec) throw Refusal("could not be made: reading " + from.string() + ": " + ec.message());
}

// Removes what a failed copy left: the folder was new or empty before.
void Clean(const fs::path& folder, bool made) {
  std::error_code ec;
  if (made) {
    fs::remove_all(folder, ec);
    return;
  }
  std::vector<fs::path> children;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    children.push_back(it->path());
  for (const fs::path& child : children) fs::remove_all(child, ec);
}

}  // namespace

int RunNewStudy(const Options& options, Streams streams) {
  std::ostream& out = streams.out;
  std::ostream& err = streams.err;
  if (!options.settings_words.empty()) {
    err << "volleta: --new-study takes its folder alone (quote a name with spaces)" << std::endl;
    return platform::kExitInputRefused;
  }
  const fs::path given = platform::PathOf(options.new_study);
  const std::string& command = options.program;
  std::error_code ec;
  fs::path folder = fs::absolute(given, ec);
  if (ec) folder = given;
  folder = folder.lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();
  const fs::path source = BundledExperimentFolder();
  Copied copied;
  try {
    if (!HoldsStudy(source)) {
      throw Refusal("has no experiment to copy: " + source.string() +
                    " holds no settings and html folders");
    }
    if (IsWithin(folder, source))
      throw Refusal("is inside the bundled experiment " + source.string());
    bool made = false;
    if (fs::exists(folder, ec)) {
      if (!fs::is_directory(folder, ec)) throw Refusal("is a file, not a folder");
      const bool empty = fs::is_empty(folder, ec);
      if (ec) throw Refusal("could not be read: " + ec.message());
      if (!empty) {
        throw Refusal("is not empty: give a new folder or an empty one (nothing was copied)");
      }
    } else {
      fs::create_directories(folder, ec);
      if (ec) throw Refusal("could not be made: " + ec.message());
      made = true;
    }
    try {
      CopyTree(source, folder, copied);
    } catch (const Refusal& refusal) {
      Clean(folder, made);
      throw Refusal(std::string(refusal.what()) + "; nothing was left behind");
    }
  } catch (const Refusal& refusal) {
    err << "volleta: --new-study: " << folder.string() << ' ' << refusal.what() << std::endl;
    return platform::kExitInputRefused;
  }

  err << "volleta: made the study folder " << folder.string() << " from " << source.string()
      << ":\n";
  for (const auto& [name, files] : copied.files) {
    err << "  " << name;
    if (files >= 0) err << "/ (" << files << (files == 1 ? " file)" : " files)");
    if (name == "settings" && !copied.conditions.empty()) {
      std::sort(copied.conditions.begin(), copied.conditions.end());
      err << ", one per condition:";
      for (const std::string& condition : copied.conditions) err << "\n    " << condition;
    }
    err << '\n';
  }
  const std::string dir = ShellQuoted(folder.string());
  fs::path program_path(command);
  if (program_path.has_parent_path())
    program_path = fs::absolute(program_path, ec).lexically_normal();
  const std::string program = ShellQuoted(program_path.string());
  if (RunsInstalled())
    err << "Run it from inside the folder:\n  cd " << dir << " && " << program
        << "\nor from anywhere:\n";
  else
    err << "Run it with:\n";
  err << "  " << program << " --folder " << dir << "\n"
      << "Its logs go to " << (folder / "log").string()
      << "; readme.htm there describes every file." << std::endl;
  out << folder.string() << std::endl;
  return platform::kExitOk;
}

}  // namespace commands
