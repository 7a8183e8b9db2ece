#pragma once

#include <string>
#include <vector>

namespace torvalet {

// Lists kept per user outside the application folder (the favourite web searches).
class PerUserStore {
public:
    virtual ~PerUserStore() = default;
    virtual std::vector<std::string> readList(const std::string& name) const = 0;
    virtual void writeList(const std::string& name, const std::vector<std::string>& items) = 0;
};

}  // namespace torvalet
