#pragma once
// A scratch site for a benchmark: a new folder under /tmp holding the data
// root and the settings registry, with the windows drawn offscreen; its
// path.
#include <stdlib.h>

#include <string>

inline std::string MakeScratchSite(const std::string& name) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string pattern = "/tmp/quill-" + name + "-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern.data());
    setenv("QUILL_DATA", (folder + "/data").c_str(), 1);
    setenv("QUILL_REGISTRY", (folder + "/registry.db").c_str(), 1);
    return folder;
}
