// The three lesson programs by name, for the replay tool and the tests.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "platform/recording_screen.h"
#include "platform/runtime.h"
#include "shell/shell.h"

namespace lesson {

// The program called name ("kasimel", "orvanti" or "velmora") on the given
// runtime; nullptr for any other name.
std::unique_ptr<Shell> MakeProgram(const std::string& name, Runtime& rt);

// Runs the program to its end (see Shell::Run) and, when it ended on the
// error screen, notes the fault in the recorder's log. Returns the exit code.
int RunRecorded(Shell& program, RecordingScreen& recorder);

// The names MakeProgram knows.
const std::vector<std::string>& ProgramNames();

}  // namespace lesson
