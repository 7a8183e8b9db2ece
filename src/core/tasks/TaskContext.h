#pragma once

#include "model/ViewState.h"

namespace torvalet {

class SoundCues;
class TaskList;
class TaskObserver;
class TaskStore;
class TextCodec;
struct AppPaths;
struct Services;
struct Settings;
struct TaskListState;
struct ViewState;

// What the task commands share: the store, the list and its state, the settings, and the
// observer that does the few things only the window can do.
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

    TaskObserver& observer;

    // The Tasks page becomes the active one.
    void switchToTasks() const;
};

}  // namespace torvalet
