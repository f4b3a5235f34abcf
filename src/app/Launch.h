#pragma once
// Termora's start once its command line is read: the request it makes (look
// a term up, look the selected text up, or just bring the window to the
// front) goes to the running Termora of this user session when there is
// one, and this start ends; otherwise this start opens the window, carries
// the request out there and takes the requests of later starts.

#include "app/InstanceProtocol.h"

#include <chrono>

namespace termora::launch {

struct CommandLine;

// How long a later start waits for the running Termora to take its request.
inline constexpr std::chrono::milliseconds kHandOverTimeLimit{3000};

// The request the command line makes; reads the selection (ClipboardService)
// for --selection. Nothing selected asks for the window only.
instance::Request requestFor(const CommandLine& commandLine);

// The exit code: after the hand-over, or when the window this start opened
// has closed. Needs the application object.
int start(const CommandLine& commandLine);

}  // namespace termora::launch
