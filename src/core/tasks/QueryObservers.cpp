#include "tasks/QueryObservers.h"

#include <utility>

namespace torvalet {

int QueryObservers::add(Observer observer) {
    observers_[next_] = std::move(observer);
    return next_++;
}

void QueryObservers::remove(int id) { observers_.erase(id); }

void QueryObservers::resume() {
    if (suspended_ > 0 && --suspended_ == 0 && missedWhileSuspended_) {
        missedWhileSuspended_ = false;
        notify(QueryEvent::Reset);
    }
}

void QueryObservers::notify(QueryEvent::Kind kind, int row) {
    if (suspended_ > 0) {
        missedWhileSuspended_ = true;
        return;
    }
    const QueryEvent event{kind, row};
    for (const auto& [id, observer] : observers_) observer(event);
}

}  // namespace torvalet
