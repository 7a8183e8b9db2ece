#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace torvalet {

// Where the organiser puts the files it keeps: written whole in their place or, in a program that
// may not write its folder, nowhere, each such file noted so that the close can name it.
class FileSaves {
public:
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool readOnly() const { return readOnly_; }

    // Puts the bytes in place (see writeFileAtomic, FileError on failure), or notes the file as
    // not saved.
    void save(const std::filesystem::path& file, std::string_view bytes);
    // The files noted as not saved, each once, in the order of their first save; the list is
    // emptied.
    std::vector<std::string> takeNotSaved();

private:
    bool readOnly_ = false;
    std::vector<std::string> notSaved_;
};

}  // namespace torvalet
