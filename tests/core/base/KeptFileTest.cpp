#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/FileSaves.h"
#include "base/KeptFile.h"
#include "fakes/TempDir.h"

namespace torvalet {
namespace {

namespace fs = std::filesystem;

// A kept file over bytes in memory: what a read finds (nullopt: no file; a throw: unreadable),
// and every write.
struct Medium {
    std::optional<std::string> bytes = {};
    bool unreadable = false;
    std::vector<std::string> writes = {};

    KeptFile file() {
        return KeptFile(
            "file",
            [this] {
                if (unreadable) throw std::runtime_error("cannot read");
                return bytes;
            },
            [this](std::string_view written) { writes.emplace_back(written); });
    }
};

// What start-up did with the file decides whether close may write it and what counts as a change.
TEST(KeptFile, WritesOnlyWhatWasReadWholeAndChanged) {
    const struct {
        const char* name;
        std::function<void(KeptFile&, Medium&)> start;
        const char* saved;
        bool written;
    } cases[] = {
        {"never read (start cut short)", [](KeptFile&, Medium&) {}, "new", false},
        {"read, unchanged", [](KeptFile& f, Medium&) { f.read(); }, "old", false},
        {"read, changed", [](KeptFile& f, Medium&) { f.read(); }, "new", true},
        {"could not be read",
         [](KeptFile& f, Medium& m) {
             m.unreadable = true;
             EXPECT_THROW(f.read(), std::runtime_error);
         },
         "new", false},
        {"missing: written, also empty",
         [](KeptFile& f, Medium& m) {
             m.bytes.reset();
             EXPECT_EQ(f.read(), std::nullopt);
         },
         "", true},
        {"taken over unread", [](KeptFile& f, Medium&) { f.takeOver(); }, "old", true},
        {"read whole, then a second read failed",
         [](KeptFile& f, Medium& m) {
             f.read();
             m.unreadable = true;
             EXPECT_THROW(f.read(), std::runtime_error);
         },
         "new", true},
        {"compared as remembered",
         [](KeptFile& f, Medium&) {
             f.read();
             f.remember("new");
         },
         "new", false},
    };
    for (const auto& c : cases) {
        Medium medium{std::string("old")};
        KeptFile file = medium.file();
        c.start(file, medium);
        EXPECT_EQ(file.save(c.saved), c.written) << c.name;
        EXPECT_EQ(medium.writes, c.written ? std::vector<std::string>{c.saved} : std::vector<std::string>{}) << c.name;
    }
}

TEST(KeptFile, WhatWasWrittenIsNotWrittenAgain) {
    Medium medium{std::string("old")};
    KeptFile file = medium.file();
    file.read();
    EXPECT_TRUE(file.save("new"));
    EXPECT_FALSE(file.save("new"));
    EXPECT_TRUE(file.save("old"));
    EXPECT_EQ(medium.writes, (std::vector<std::string>{"new", "old"}));
    EXPECT_EQ(file.size(), 3u);
}

// A file read in pieces tells only its fingerprint; a reading that fails on a file that is there
// leaves it unwritable, one that fails because the file is not there does not.
TEST(KeptFile, AFileReadInPieces) {
    testing::TempDir dir;
    FileSaves saves;
    const auto failing = [](const fs::path&) -> FileFingerprint { throw std::runtime_error("damaged"); };

    KeptFile missing(dir / "missing.dat", saves);
    EXPECT_THROW(missing.read(failing), std::runtime_error);
    EXPECT_TRUE(missing.mayWrite());
    EXPECT_FALSE(missing.wasUnreadable());

    testing::writeText(dir / "damaged.dat", "half");
    KeptFile damaged(dir / "damaged.dat", saves);
    EXPECT_THROW(damaged.read(failing), std::runtime_error);
    EXPECT_TRUE(damaged.wasUnreadable());
    EXPECT_FALSE(damaged.save("whole"));
    EXPECT_EQ(testing::readText(dir / "damaged.dat"), "half");

    testing::writeText(dir / "whole.dat", "whole");
    KeptFile whole(dir / "whole.dat", saves);
    whole.read([](const fs::path& file) { return FileFingerprint::of(testing::readText(file)); });
    EXPECT_EQ(whole.size(), 5u);
    EXPECT_FALSE(whole.save("whole"));
    EXPECT_TRUE(whole.save("changed"));
    EXPECT_EQ(testing::readText(dir / "whole.dat"), "changed");
}

// Something at the file's place that cannot be read as a file is never written over.
TEST(KeptFile, AFolderInTheFilesPlaceIsUnreadable) {
    testing::TempDir dir;
    FileSaves saves;
    fs::create_directory(dir / "msgpad.txt");
    KeptFile file(dir / "msgpad.txt", saves);
    EXPECT_ANY_THROW(file.read());
    EXPECT_FALSE(file.save("lines"));
    EXPECT_TRUE(fs::is_directory(dir / "msgpad.txt"));
}

// A program that may not write its folder writes nothing and names each file once.
TEST(KeptFile, AReadOnlyFolderKeepsItsFilesAndNamesThem) {
    testing::TempDir dir;
    testing::writeText(dir / "a.txt", "a");
    FileSaves saves;
    saves.setReadOnly(true);
    KeptFile a(dir / "a.txt", saves);
    KeptFile b(dir / "b.txt", saves);
    a.read();
    b.read();
    EXPECT_TRUE(a.save("a2"));
    EXPECT_TRUE(b.save("b"));
    saves.save(dir / "a.txt", "a3");
    EXPECT_EQ(testing::readText(dir / "a.txt"), "a");
    EXPECT_FALSE(fs::exists(dir / "b.txt"));
    EXPECT_EQ(saves.takeNotSaved(), (std::vector<std::string>{(dir / "a.txt").string(), (dir / "b.txt").string()}));
    EXPECT_TRUE(saves.takeNotSaved().empty());
}

mode_t modeOf(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A new file is made as open(2) makes one, under the process's umask; a replaced one keeps its mode.
TEST(FileIo, AnAtomicSaveMakesNewFilesUnderTheUmaskAndKeepsTheModeOfReplacedOnes) {
    const struct {
        mode_t umask;
        int existing;  // the mode of the file already there, -1 for none
        mode_t expected;
    } cases[] = {
        {077, -1, 0600},   {027, -1, 0640},   {022, -1, 0644},   {002, -1, 0664},
        {077, 0644, 0644}, {022, 0600, 0600}, {022, 0660, 0660},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "umask " << std::oct << c.umask << " existing " << c.existing);
        testing::TempDir dir;
        const fs::path file = dir / "contacts.co";
        if (c.existing >= 0) {
            testing::writeText(file, "old");
            ASSERT_EQ(::chmod(file.c_str(), static_cast<mode_t>(c.existing)), 0);
        }
        const mode_t previous = ::umask(c.umask);
        try {
            writeFileAtomic(file, "new");
        } catch (...) {
            ::umask(previous);
            throw;
        }
        ::umask(previous);
        EXPECT_EQ(modeOf(file), c.expected);
        EXPECT_EQ(testing::readText(file), "new");
    }
}

// What is at a path, told without following a link.
std::string whatIsAt(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "nothing";
    if (S_ISLNK(info.st_mode)) return "link to " + fs::read_symlink(path).string();
    if (S_ISFIFO(info.st_mode)) return "pipe";
    if (!S_ISREG(info.st_mode)) return "other";
    return "file " + std::to_string(info.st_mode & 07777) + " " + testing::readText(path);
}

// In the file's place: a link that leads nowhere, a loop of links, a pipe, a file made
// read-only. A kept file reports it once and never replaces it, however often it is saved.
TEST(KeptFile, ALinkOrASpecialFileIsReportedOnceAndLeftAsItIs) {
    const struct {
        const char* name;
        std::function<void(const fs::path&)> make;
    } cases[] = {
        {"a link that leads nowhere", [](const fs::path& f) { fs::create_symlink("elsewhere/goals.dat", f); }},
        {"a loop of links", [](const fs::path& f) { fs::create_symlink(f.filename(), f); }},
        {"a loop of two links",
         [](const fs::path& f) {
             fs::create_symlink("other", f);
             fs::create_symlink(f.filename(), f.parent_path() / "other");
         }},
        {"a pipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }},
        {"a read-only file",
         [](const fs::path& f) {
             testing::writeText(f, "mine");
             ASSERT_EQ(::chmod(f.c_str(), 0444), 0);
         }},
        {"a link to a read-only file",
         [](const fs::path& f) {
             testing::writeText(f.parent_path() / "target", "mine");
             ASSERT_EQ(::chmod((f.parent_path() / "target").c_str(), 0444), 0);
             fs::create_symlink("target", f);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        fs::create_directory(dir / "elsewhere");
        const fs::path file = dir / "goals.dat";
        c.make(file);
        const std::string before = whatIsAt(file);
        const auto entries = std::distance(fs::directory_iterator(dir.path()), {});
        FileSaves saves;
        KeptFile kept(file, saves);
        int reports = 0;
        for (int attempt = 0; attempt < 3; ++attempt) {
            try {
                if (attempt == 0) kept.read();
                kept.save("new bytes " + std::to_string(attempt));
            } catch (const FileError&) {
                ++reports;
            }
        }
        EXPECT_EQ(reports, 1);
        EXPECT_EQ(whatIsAt(file), before);
        EXPECT_EQ(whatIsAt(dir / "elsewhere" / "goals.dat"), "nothing");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), entries) << "no temporary file left";
    }
}

}  // namespace
}  // namespace torvalet
