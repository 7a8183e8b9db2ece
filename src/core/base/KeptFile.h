#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/FileFingerprint.h"

namespace torvalet {

class FileSaves;

// A file the organiser reads once and writes back. It remembers whether the file was read whole
// (or found missing) and a fingerprint of what it holds, as read or as last written, so that
//  - a file that could not be read, or that start-up never reached, is never written: the
//    program may hold only part of what the file holds;
//  - a file is written only when what it is to hold changed, and is otherwise left as it is, also
//    when another program changed it meanwhile.
// A file of the application folder is read from disk and saved through FileSaves (which knows a
// folder opened read-only); anything else kept this way (a per-user list, a file kept in another
// form than its bytes) brings its own reading and writing.
class KeptFile {
public:
    // The bytes, nullopt when there are none; throws when they cannot be read.
    using Source = std::function<std::optional<std::string>()>;
    // Puts new bytes in place; throws when it cannot.
    using Sink = std::function<void(std::string_view)>;

    KeptFile(std::filesystem::path path, FileSaves& saves);
    KeptFile(std::filesystem::path name, Source source, Sink sink);

    const std::filesystem::path& path() const { return path_; }

    // --- Reading ---
    // Reads the whole file and remembers it; nullopt, remembered as missing, when there is none.
    // A file that cannot be read throws, and is never written; one read whole (or found missing)
    // before stays writable, so that a later read may still succeed.
    std::optional<std::string> read();
    // The same for a file read another way (in pieces): `read` reads it and gives the fingerprint
    // of its bytes. A file that is not there counts as missing, also when `read` throws for it.
    void read(const std::function<FileFingerprint(const std::filesystem::path&)>& read);
    // The file is taken over without being read (it is not there, a new day's message pad starts
    // empty, the textboard moves on to the next day's file): it may be written, and whatever it
    // is to hold counts as changed.
    void takeOver();
    // What the file holds, in the form its owner compares when that is not the bytes read (the
    // settings as they would write themselves).
    void remember(std::string_view content);

    // --- Writing ---
    // Read whole, found missing or taken over.
    bool mayWrite() const { return state_ == State::Read || state_ == State::Missing; }
    // A reading was tried and failed.
    bool wasUnreadable() const { return state_ == State::Unreadable; }
    // The size of what the file holds as read or last written; 0 when that is not known.
    std::uint64_t size() const { return held_ ? held_->size : 0; }
    // Whether `content` is to be saved: the file may be written and holds something else.
    bool differs(std::string_view content) const;
    // Saves the bytes when they are to be saved, and remembers them. Returns whether it saved.
    // A file that is not the program's to replace (FileLeftAloneError) is not written from then on.
    bool save(std::string_view bytes);

private:
    enum class State { NotRead, Unreadable, Missing, Read, LeftAlone };

    std::filesystem::path path_;
    Source source_;
    Sink sink_;
    State state_ = State::NotRead;
    std::optional<FileFingerprint> held_;  // of what the file holds as read or last written
};

}  // namespace torvalet
