// Text and number services: the one module that iterates characters, counts
// cp932 bytes, cuts parts of texts and converts between numbers and texts.
// Texts are UTF-8 in memory; a "byte" count is the cp932 one: 1 for ASCII and
// half-width katakana (U+FF61..U+FF9F), 2 for every other character.
// Positions are 1-based, as in the lesson scripts. Counts and positions are
// rounded to the nearest whole number (outside the 32-bit range: the overflow
// fault); a count of 0 or less gives the empty text, a start before 1 counts
// from 1, and a part that runs past the end stops there.
#pragma once
#include <string>
#include <vector>

namespace lesson {

// --- characters ---
std::vector<std::string> Chars(const std::string& s);   // one UTF-8 character each
int Len(const std::string& s);                          // characters
int LenB(const std::string& s);                         // cp932 bytes
int CharBytes(const std::string& ch);                   // cp932 bytes of one character (1 or 2)
bool IsHalfWidth(const std::string& ch);                // ASCII or half-width katakana
std::string Left(const std::string& s, float n);        // first n characters
std::string Right(const std::string& s, float n);       // last n characters
std::string Mid(const std::string& s, float start, float n = -1);  // n < 0: to the end
// Position of the first match at or after start, 0 when absent; an empty
// pattern matches at start while start lies within the text.
int Instr(float start, const std::string& s, const std::string& pat);
// Byte-counted forms. A double-byte character cut in half by a byte range is
// left out; a search matches only at the first byte of a character.
std::string LeftB(const std::string& s, float n);
std::string RightB(const std::string& s, float n);
std::string MidB(const std::string& s, float start, float n = -1);
int InstrB(float start, const std::string& s, const std::string& pat);

// --- numbers ---
// Number to text: a blank before a number that is not negative, no zero
// before the point, shortest decimal of at most 7 significant digits that
// reads back as the same single (or its neighbour); " 0" for -0; plain form
// from 1E-07 to below 1E+07, exponent form outside (" 1E+07", "-1.5E-08");
// a whole number below 1E+07 keeps all its digits.
std::string Str(float v);
// Text to number: "" gives 0; otherwise the longest leading part that reads
// as a decimal number, after leading blanks: a sign, digits with at most one
// point, and an exponent ("1e3", "1E+07") only when digits follow the E.
// Never faults: a value too large for a single reads as the largest single,
// one too small as 0.
float Val(const std::string& s);
// Integer part, rounding down (also for negative numbers).
float IntPart(float v);
// Whole-number conversion: to the nearest whole number (ties to even) in the
// 32-bit range; outside it (or NaN) raises the overflow fault.
float ToWhole(float v);
// Integer remainder: both operands converted with ToWhole, sign of the
// dividend; a zero divisor raises the division-by-zero fault.
float Mod(float a, float b);
// Same text with every half-width blank removed; full-width spaces stay.
std::string StripBlanks(const std::string& s);

}  // namespace lesson
