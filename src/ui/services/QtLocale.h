#pragma once

#include "platform/Locale.h"

namespace torvalet::ui {

// The system locale's short date format.
class QtLocale : public Locale {
public:
    std::string shortDateFormat() const override;
};

}  // namespace torvalet::ui
