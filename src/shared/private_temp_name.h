// Names of the private temporary folders, one per run of a program. Portable.
//
// A folder is named setupkit-<program>-<process id>-<creation time>-<attempt>, for example
// setupkit-setup-1234-01DA4C2B9E8F7A60-0: the process id in decimal, the process's creation
// time (FILETIME, 16 hex digits) and a decimal counter that goes up when a folder of that
// name already exists. Id and creation time together tell whether the run that made a folder
// is still alive.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sk {

struct PrivateTempOwner {
  std::uint32_t processId = 0;
  std::uint64_t created = 0;  // FILETIME of the process's start
  bool operator==(const PrivateTempOwner&) const = default;
};

std::string PrivateTempName(std::string_view program, const PrivateTempOwner& owner, int attempt);
// A search pattern for every folder of the program ("setupkit-setup-*").
std::string PrivateTempPattern(std::string_view program);
// The owner a folder name records; nothing when the name is not one of the program's folders.
std::optional<PrivateTempOwner> ParsePrivateTempName(std::string_view name, std::string_view program);

}  // namespace sk
