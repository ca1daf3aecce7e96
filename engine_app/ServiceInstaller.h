#pragma once
// INSTALL and UNINSTALL on systemd: the unit QuillService.service that runs
// `quill-engine --service`, and the program path recorded as the service's
// "ImagePath" in the registry store, from which the service takes its
// program folder.
//
// Environment: QUILL_UNIT_DIR names the unit folder (default
// /etc/systemd/system). QUILL_SYSTEMCTL names the command run instead of
// systemctl; set but empty, no command runs. Unset, systemctl runs only when
// systemd is the running service manager.
#include <iosfwd>
#include <string>

namespace quill {

inline constexpr const char* ServiceUnitName = "QuillService.service";

std::string UnitFolder();
// The absolute path of the running program.
std::string CurrentProgramPath();
// The unit that runs `programPath --service` in the program's folder; the
// data root, registry store and PDF folder of the installing environment
// go with it, so that the service finds the same store.
std::string ServiceUnitText(const std::string& programPath);

// Both return the exit code and say what they did on `out`.
int InstallService(const std::string& programPath, std::ostream& out, std::ostream& err);
int UninstallService(std::ostream& out, std::ostream& err);

}  // namespace quill
