#include "base/FileSaves.h"

#include <algorithm>
#include <utility>

#include "base/FileIo.h"

namespace torvalet {

void FileSaves::save(const std::filesystem::path& file, std::string_view bytes) {
    if (!readOnly_) return writeFileAtomic(file, bytes);
    if (std::find(notSaved_.begin(), notSaved_.end(), file.string()) == notSaved_.end())
        notSaved_.push_back(file.string());
}

std::vector<std::string> FileSaves::takeNotSaved() { return std::exchange(notSaved_, {}); }

}  // namespace torvalet
