// A command that the program connects at start-up to a window created later or living in
// another part of the program. Running one that was never connected is a wiring fault: it
// throws, so that the fault is reported instead of a click silently doing nothing.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

namespace natalo::ui {

class Command {
  public:
    // `name` says which command it is in the fault's report.
    explicit Command(std::string name) : name_(std::move(name)) {}

    void Connect(std::function<void()> action) { action_ = std::move(action); }
    bool Connected() const { return static_cast<bool>(action_); }

    void operator()() const {
        if (!action_)
            throw std::logic_error("Befehl nicht verbunden: " + name_);
        action_();
    }

  private:
    std::string name_;
    std::function<void()> action_;
};

}  // namespace natalo::ui
