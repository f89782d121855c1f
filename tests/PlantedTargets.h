#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"

namespace Tabulon {

// What lies at out/rapor before a save. Saves run with umask 027, so a new file
// is 0640 and a kept 0644 or 0604 cannot come from the umask.
struct PlantedTarget {
    const char* name;
    std::vector<std::pair<const char*, mode_t>> files;  // each holding OlderBytes
    // Link and target; a target's leading "/" stands for the case's folder.
    std::vector<std::pair<const char*, const char*>> links;
    const char* written;  // empty: the save must fail
    mode_t mode;
    // The first link belongs to another user, in a folder everyone may write to.
    bool strangersLink = false;
};

inline std::vector<PlantedTarget> PlantedTargets() {
    return {
        {"missing", {}, {}, "out/rapor", 0640},
        {"existing 0644", {{"out/rapor", 0644}}, {}, "out/rapor", 0644},
        {"dangling link", {{"ana/.keep", 0600}}, {{"out/rapor", "/ana/yeni"}}, "ana/yeni", 0640},
        // The second link is read from its own folder, not the first one's; the
        // target keeps its mode.
        {"chain of links",
         {{"ana/rapor", 0604}},
         {{"out/rapor", "../bag/ic/ara"}, {"bag/ic/ara", "../../ana/rapor"}},
         "ana/rapor",
         0604},
        {"loop of links", {}, {{"out/rapor", "dongu"}, {"out/dongu", "rapor"}}, "", 0},
        {"stranger's link", {{"ana/rapor", 0600}}, {{"out/rapor", "/ana/rapor"}}, "", 0, true},
    };
}

inline const std::string OlderBytes = "eski dosya";

inline std::string LinkText(const TempDir& dir, const char* to) {
    return to[0] == '/' ? dir.File(to + 1) : to;
}

// Plants the case in dir; false where it cannot be planted here.
inline bool Plant(const TempDir& dir, const PlantedTarget& c) {
    namespace fs = std::filesystem;
    fs::create_directories(dir.File("out"));
    for (const auto& [name, mode] : c.files) {
        fs::create_directories(fs::path(dir.File(name)).parent_path());
        WriteBytes(dir.File(name), OlderBytes);
        chmod(dir.File(name).c_str(), mode);
    }
    for (const auto& [name, to] : c.links) {
        fs::create_directories(fs::path(dir.File(name)).parent_path());
        fs::create_symlink(LinkText(dir, to), dir.File(name));
    }
    if (!c.strangersLink) return true;
    chmod(dir.File("out").c_str(), 01777);
    return lchown(dir.File(c.links[0].first).c_str(), 65534, 65534) == 0;
}

// Checks what the save left; `magic` is how the new file's bytes begin.
inline void ExpectSaved(const TempDir& dir, const PlantedTarget& c, bool ok,
                        const std::string& magic) {
    namespace fs = std::filesystem;
    EXPECT_EQ(ok, *c.written != 0);
    for (const auto& [link, to] : c.links) {
        std::error_code ec;
        EXPECT_EQ(fs::read_symlink(dir.File(link), ec).string(), LinkText(dir, to)) << link;
    }
    for (const auto& [file, mode] : c.files)
        EXPECT_TRUE(file == std::string(c.written) || ReadBytes(dir.File(file)) == OlderBytes)
            << file << " changed";
    std::vector<std::string> others;  // neither planted nor written: left behind
    for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) {
        const std::string name = entry.path().lexically_relative(dir.Path()).string();
        bool planted =
            name == c.written || entry.symlink_status().type() == fs::file_type::directory;
        for (const auto& file : c.files) planted = planted || name == file.first;
        for (const auto& link : c.links) planted = planted || name == link.first;
        if (!planted) others.push_back(name);
    }
    EXPECT_EQ(others, std::vector<std::string>{});
    if (!*c.written) return;
    struct stat status {};
    ASSERT_EQ(lstat(dir.File(c.written).c_str(), &status), 0);
    EXPECT_TRUE(S_ISREG(status.st_mode));
    EXPECT_EQ(status.st_mode & 07777, c.mode) << std::oct << (status.st_mode & 07777);
    EXPECT_EQ(ReadBytes(dir.File(c.written)).substr(0, magic.size()), magic);
}

// Sets the umask the table's modes assume while it lives.
struct TableUmask {
    mode_t saved = umask(027);
    ~TableUmask() { umask(saved); }
};

}  // namespace Tabulon
