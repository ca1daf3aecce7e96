#pragma once
// INSTALL and UNINSTALL on systemd: the unit QuillService.service that runs
// `quill-engine --service`, and the program path recorded as the service's
// "ImagePath" in the registry store. The service's program folder is the
// site's (<data root>/program), not the binary's.
//
// INSTALL also makes the site: the group (QUILL_SITE_GROUP, default
// "quill"), the service's unprivileged system user "quill" in it and in
// "lp", and the data root with its first folders handed to the group.
//
// Environment: QUILL_UNIT_DIR names the unit folder (default
// /etc/systemd/system). QUILL_SYSTEMCTL, QUILL_GROUPADD and QUILL_USERADD
// name the commands run instead of systemctl, groupadd and useradd; set but
// empty, that command does not run. Unset, systemctl runs only when systemd
// is the running service manager.
#include <iosfwd>
#include <string>

namespace quill {

inline constexpr const char* ServiceUnitName = "QuillService.service";
inline constexpr const char* ServiceUserName = "quill";

std::string UnitFolder();
// The absolute path of the running program.
std::string CurrentProgramPath();
// The unit that runs `programPath --service` as the service user in the data root; the
// data root, registry store and PDF folder of the installing environment
// go with it, so that the service finds the same store.
std::string ServiceUnitText(const std::string& programPath);

// Both return the exit code and say what they did on `out`.
int InstallService(const std::string& programPath, std::ostream& out, std::ostream& err);
int UninstallService(std::ostream& out, std::ostream& err);

}  // namespace quill
