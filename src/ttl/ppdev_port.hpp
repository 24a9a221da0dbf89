#pragma once
// The Linux parallel-port driver ppdev: a port is found by its base address
// in the parport tree of /proc, opened as /dev/parportN and claimed; writes go
// to its data register. A user in the lp group needs no other privilege.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ttl/port.hpp"

namespace ttl {

inline const std::filesystem::path kParportProcRoot = "/proc/sys/dev/parport";
inline const std::filesystem::path kDevRoot = "/dev";

struct ParportEntry {
  int number = 0;                    // N of parportN
  std::optional<long> base_address;  // first number of its base-addr, if readable
};

// The ports listed under `proc_root` (directories named parportN), by number.
std::vector<ParportEntry> ListParports(const std::filesystem::path& proc_root);

// The device of the port whose base address is `address`: dev_root/parportN
// for the lowest such N, or nullopt.
std::optional<std::filesystem::path> FindParportDevice(std::uint16_t address,
                                                       const std::filesystem::path& proc_root,
                                                       const std::filesystem::path& dev_root);

// Why no port matched, for the experimenter: which ports exist and at which
// addresses, or that the parport driver seems not to be loaded.
std::string DescribeMissingParport(std::uint16_t address, const std::filesystem::path& proc_root);

// The experimenter's reading of a failed open() or PPCLAIM on `device`.
std::string DescribeOpenError(int error_number, const std::filesystem::path& device);
std::string DescribeClaimError(int error_number, const std::filesystem::path& device);

class PpdevPort final : public Port {
 public:
  // Opens and claims `device` for writes to `address`. On failure returns
  // nullptr with the reason in `error`.
  static std::unique_ptr<PpdevPort> Open(const std::filesystem::path& device, std::uint16_t address,
                                         std::string* error);
  ~PpdevPort() override;

  bool Outp(std::uint16_t address, std::uint8_t value, std::string* error) override;
  std::string Describe() const override;

 private:
  PpdevPort(int fd, std::filesystem::path device, std::uint16_t address);

  int fd_;
  std::filesystem::path device_;
  std::uint16_t address_;
};

}  // namespace ttl
