#pragma once

#include <functional>

#include "model/ViewState.h"

namespace torvalet {

class SoundCues;
class TaskList;
class TaskStore;
class TextCodec;
struct AppPaths;
struct Services;
struct Settings;
struct TaskListState;
struct ViewState;

// What the task commands share: the store, the list and its state, the settings, and the few
// things only the window can do. Every hook has a default that changes the core's state only.
struct TaskContext {
    const Services& services;
    const AppPaths& paths;
    TaskStore& store;
    TaskList& list;
    TaskListState& listState;
    Settings& settings;
    ViewState& view;
    SoundCues& cues;
    // The code page of the files the organiser reads and writes.
    const TextCodec& codec;

    // Shows a page of the main window (0 Tasks).
    std::function<void(Page page)> switchTab;
    // Gives the task grid the keyboard focus.
    std::function<void()> focusGrid;
    // Whether one of the five goal trees has the keyboard focus.
    std::function<bool()> goalTreeHasFocus;
    // Pops up the time menu at the middle of the main window and returns when it has closed;
    // a time picked from it calls TaskCommands::pickTime.
    std::function<void()> showTimeMenu;

    void switchToTasks() const;
};

}  // namespace torvalet
