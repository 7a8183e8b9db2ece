#include "base/KeptFile.h"

#include <system_error>
#include <utility>

#include "base/Errors.h"
#include "base/FileIo.h"
#include "base/FileSaves.h"

namespace torvalet {

namespace fs = std::filesystem;

KeptFile::KeptFile(fs::path path, FileSaves& saves)
    : KeptFile(
          path,
          [path]() -> std::optional<std::string> {
              // Anything in the file's place is read, so that what stops the reading is reported:
              // a link that leads nowhere is no missing file, its target may only be late.
              if (nothingAt(path)) return std::nullopt;
              return readFileBytes(path);
          },
          [path, &saves](std::string_view bytes) { saves.save(path, bytes); }) {}

KeptFile::KeptFile(fs::path name, Source source, Sink sink)
    : path_(std::move(name)), source_(std::move(source)), sink_(std::move(sink)) {}

std::optional<std::string> KeptFile::read() {
    if (!mayWrite()) state_ = State::Unreadable;
    std::optional<std::string> bytes = source_();
    state_ = bytes ? State::Read : State::Missing;
    held_.reset();
    if (bytes) held_ = FileFingerprint::of(*bytes);
    return bytes;
}

void KeptFile::read(const std::function<FileFingerprint(const fs::path&)>& read) {
    state_ = nothingAt(path_) ? State::Missing : State::Unreadable;
    held_.reset();
    const FileFingerprint bytes = read(path_);
    state_ = State::Read;
    held_ = bytes;
}

void KeptFile::takeOver() {
    state_ = State::Missing;
    held_.reset();
}

void KeptFile::remember(std::string_view content) { held_ = FileFingerprint::of(content); }

bool KeptFile::differs(std::string_view content) const { return mayWrite() && held_ != FileFingerprint::of(content); }

bool KeptFile::save(std::string_view bytes) {
    if (!differs(bytes)) return false;
    try {
        sink_(bytes);
    } catch (const FileLeftAloneError&) {
        // Reported this once; the file stays as the user has it.
        state_ = State::LeftAlone;
        throw;
    }
    remember(bytes);
    return true;
}

}  // namespace torvalet
