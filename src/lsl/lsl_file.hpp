#pragma once
// The Lab Streaming Layer file "lsl.txt" in the study folder, beside ttl.txt.
// Its presence switches the LSL output on. Line 1 is the stream name (blank:
// "Volleta"); line 2, if not blank, the source ID, which LabRecorder uses to
// take a restarted program's stream as the same one (blank: one derived from
// the study folder and the machine). Further lines must be blank.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lsl_out {

inline constexpr const char* kLslProblem = "LSL Problem";
inline constexpr const char* kDefaultStreamName = "Volleta";

struct LslFile {
  std::string name;       // the marker stream's name
  std::string source_id;  // the marker stream's source ID
};

// A fault in lsl.txt: the line it is on (1-based) and what is wrong there.
struct LslFault {
  int line = 0;
  std::string reason;
};

// Reads the text of lsl.txt (byte-order mark already taken off). `folder`
// and `machine` derive the default source ID.
std::optional<LslFile> ParseLslFile(std::string_view text, const std::filesystem::path& folder,
                                    const std::string& machine, LslFault* fault);

// The default source ID: the same for the same study folder on the same
// machine, different for another folder or machine.
std::string DefaultSourceId(const std::filesystem::path& folder, const std::string& machine);

}  // namespace lsl_out
