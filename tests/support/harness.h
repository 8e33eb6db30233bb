// Runs a whole lesson program in-process on the scripted runtime and a
// recording screen, and queries what it drew.
#pragma once
#include <string>
#include <vector>
#include "platform/recording_screen.h"

namespace lesson {

struct ScriptedRun {
  int exitCode = 0;               // 0 keys ran out or program ended; 3 error screen
  std::vector<RecordedOp> ops;    // every drawing op and every wait, key, end, fault
  int waitedTicks = 0;            // sum of all waits
  size_t keysLeft = 0;            // keys of the script the program never took
  bool faulted = false;           // the run ended on the error screen
  int faultStep = 0, faultCode = 0;

  // Ops of one kind ("text", "line", "box", "circle", "polyline", "clear",
  // "wait", "key", "end", "fault").
  std::vector<RecordedOp> OpsOf(const std::string& kind) const;
  int Count(const std::string& kind) const;
  // Text ops whose text contains part (all text ops for "").
  std::vector<RecordedOp> TextsContaining(const std::string& part) const;
  bool HasText(const std::string& part) const { return !TextsContaining(part).empty(); }
  // The ops after the n-th key op and before the next one: n = 0 is what
  // was drawn before the first key, n = 1 what the first key led to, ...
  std::vector<RecordedOp> AfterKey(int n) const;
  // The texts of the text ops, concatenated in order (a quick look at what
  // a run wrote, e.g. for EXPECT_THAT(..., HasSubstr(...))).
  std::string AllText() const;
  // The ops since the last clear ("clear" op or a box at (0,0) reaching
  // 1342 x 720 or beyond in colour 15), i.e. roughly the last picture.
  std::vector<RecordedOp> SinceLastClear() const;
};

// keys: the key script with C escapes \r (Enter), \b (Backspace), \f
// (clearing key), \\; UTF-8 otherwise. When the keys run out, the run ends as
// if the window were closed. clock: the time of day the program reads.
ScriptedRun RunScripted(const std::string& program, const std::string& keys,
                        const std::string& clock = "00:00:00");

// The same with the keys already split (one entry per key).
ScriptedRun RunScriptedKeys(const std::string& program, const std::vector<std::string>& keys,
                            const std::string& clock = "00:00:00");

// The same, also rastering the picture and writing the final one as PNG.
ScriptedRun RunScriptedToPng(const std::string& program, const std::string& keys,
                             const std::string& pngPath, const std::string& clock = "00:00:00");

// A path in the build tree for files that tests write (PNG sheets, logs).
std::string TestOutputPath(const std::string& name);

}  // namespace lesson
