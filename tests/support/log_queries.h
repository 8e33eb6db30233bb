// Queries on a recorded log that the lesson suites share: the prompts the
// shell draws (key waits, the prompt line, the option line), the segments a
// sub-menu's choices draw, and boxes, lines, texts and dots at a place.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/recording_screen.h"
#include "tests/support/harness.h"

namespace lesson {

class CairoScreen;

// n presses of the space bar: any key, for n key waits.
std::string AnyKeys(int n);

bool Near(float a, float b, float tol = 0.01f);

int CountIf(const std::vector<RecordedOp>& ops, const std::function<bool(const RecordedOp&)>& f);

// The key-wait box of the prompt line.
bool IsKeyWaitBox(const RecordedOp& op);
// The white box that wipes the prompt line after a choice.
bool IsPromptLineWipe(const RecordedOp& op);
// A text of a sub-menu's option line.
bool IsOptionLine(const RecordedOp& op);

// The ops of each sub-menu choice: from the wipe of the prompt line that
// follows a choice up to the next such wipe.
std::vector<std::vector<RecordedOp>> ChoiceSegments(const ScriptedRun& run);

// How many key-wait boxes the ops draw.
int KeyWaits(const std::vector<RecordedOp>& ops);

// The glyphs of one colour drawn on the line whose top is y (italic letters
// stand 22 higher, points 14 lower), concatenated, within x from..to.
std::string LineText(const std::vector<RecordedOp>& ops, float y, int colour,
                     float xFrom = -1e9f, float xTo = 1e9f);

// What a box region shows, read off the glyphs and the minus strokes inside
// it (left to right); texts drawn out of sight for measuring are skipped.
std::string TextIn(const std::vector<RecordedOp>& ops, float x1, float y1, float x2, float y2,
                   int colour);

// A math text whose first glyph stands at (x, y): italic letters and raised
// glyphs sit a little off the pen position, so allow a few units.
bool TextStartsAt(const std::vector<RecordedOp>& ops, float x, float y, int colour,
                  const std::string& first);

const RecordedOp* FindBox(const std::vector<RecordedOp>& ops, float x1, float y1, float x2,
                          float y2, int border, int fill);
const RecordedOp* FindText(const std::vector<RecordedOp>& ops, const std::string& text, float x,
                           float y, int colour);
const RecordedOp* FindLine(const std::vector<RecordedOp>& ops, float x1, float y1, float x2,
                           float y2);

// Ops of one kind in order.
std::vector<RecordedOp> OpsOfKind(const std::vector<RecordedOp>& ops, const std::string& kind);

// Circles of radius r, filled or not.
std::vector<RecordedOp> Circles(const std::vector<RecordedOp>& ops, float r);

// Filled circles of radius r in one fill colour (dots of graphs, points, arcs).
std::vector<RecordedOp> Dots(const std::vector<RecordedOp>& ops, float r, int fill);

// Pixels of the band y0..y1 between x0 and x1 that are not the colour c.
int OffColour(CairoScreen& raster, float x0, float x1, float y0, float y1, int c);

// A text and where it stands.
struct PlacedText {
  std::string text;
  float x, y;
};

// The texts got are the ones wanted, in the same order and at the same places.
void ExpectPlacedTexts(const std::vector<PlacedText>& got, const std::vector<PlacedText>& want);

// A run that ended cleanly on the main menu's last item: no fault, exit 0,
// every key taken, and the end op the last op of the log.
void ExpectCleanEnd(const ScriptedRun& run);

// A run that ended cleanly: no fault, exit 0, exactly one end op, and every
// key taken.
void ExpectCleanEndOnce(const ScriptedRun& run);

}  // namespace lesson
