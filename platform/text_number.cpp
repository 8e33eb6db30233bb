#include "platform/text_number.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "platform/fault.h"

namespace lesson {

namespace {

// Length in bytes of the UTF-8 character starting at s[pos]. A byte that does
// not begin a well-formed sequence counts as a character of its own, so that
// every text, however broken, splits into characters without loss.
size_t CharLength(const std::string& s, size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  size_t n = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
  }
  if (pos + n > s.size()) return 1;
  for (size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[pos + k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

// The code point of the character at s[pos], given its length.
unsigned CodePoint(const std::string& s, size_t pos, size_t len) {
  const auto b = [&](size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(s[pos + k])); };
  switch (len) {
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4:
      return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default: return b(0);
  }
}

// cp932 bytes of the character at s[pos] of the given UTF-8 length.
int Cp932Bytes(const std::string& s, size_t pos, size_t len) {
  const unsigned cp = CodePoint(s, pos, len);
  if (len == 1 && cp < 0x80) return 1;                 // ASCII
  if (len == 3 && cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

// One character of a text: where it lies in the UTF-8 text, and where it
// lies counted in cp932 bytes (1-based first byte).
struct Piece {
  size_t off;
  size_t len;
  long long byte_pos;
  int bytes;
};

std::vector<Piece> Pieces(const std::string& s) {
  std::vector<Piece> out;
  long long byte_pos = 1;
  for (size_t pos = 0; pos < s.size();) {
    const size_t len = CharLength(s, pos);
    const int bytes = Cp932Bytes(s, pos, len);
    out.push_back({pos, len, byte_pos, bytes});
    byte_pos += bytes;
    pos += len;
  }
  return out;
}

// The characters first..last (0-based, inclusive) of a split text.
std::string Join(const std::string& s, const std::vector<Piece>& p, size_t first, size_t last) {
  if (first > last || first >= p.size()) return "";
  return s.substr(p[first].off, p[last].off + p[last].len - p[first].off);
}

// A count or position argument as a whole number (rounded to nearest; a
// value outside the 32-bit range is the overflow fault).
long long Whole(float v) { return static_cast<long long>(ToWhole(v)); }

}  // namespace

// --- characters ---

std::vector<std::string> Chars(const std::string& s) {
  std::vector<std::string> out;
  for (size_t pos = 0; pos < s.size();) {
    const size_t len = CharLength(s, pos);
    out.push_back(s.substr(pos, len));
    pos += len;
  }
  return out;
}

int Len(const std::string& s) {
  int n = 0;
  for (size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) ++n;
  return n;
}

int LenB(const std::string& s) {
  int n = 0;
  for (size_t pos = 0; pos < s.size();) {
    const size_t len = CharLength(s, pos);
    n += Cp932Bytes(s, pos, len);
    pos += len;
  }
  return n;
}

int CharBytes(const std::string& ch) {
  if (ch.empty()) return 0;
  return Cp932Bytes(ch, 0, CharLength(ch, 0));
}

bool IsHalfWidth(const std::string& ch) { return CharBytes(ch) == 1; }

std::string Left(const std::string& s, float n) {
  const long long k = Whole(n);
  if (k <= 0) return "";
  size_t pos = 0;
  for (long long taken = 0; taken < k && pos < s.size(); ++taken) pos += CharLength(s, pos);
  return s.substr(0, pos);
}

std::string Right(const std::string& s, float n) {
  const long long k = Whole(n);
  if (k <= 0) return "";
  const auto p = Pieces(s);
  if (static_cast<size_t>(k) >= p.size()) return s;
  return Join(s, p, p.size() - static_cast<size_t>(k), p.size() - 1);
}

std::string Mid(const std::string& s, float start, float n) {
  long long first = Whole(start);
  const long long k = Whole(n);
  if (first < 1) first = 1;
  if (k == 0) return "";
  const auto p = Pieces(s);
  if (first > static_cast<long long>(p.size())) return "";
  long long last = k < 0 ? static_cast<long long>(p.size()) : first + k - 1;
  if (last > static_cast<long long>(p.size())) last = static_cast<long long>(p.size());
  return Join(s, p, static_cast<size_t>(first - 1), static_cast<size_t>(last - 1));
}

int Instr(float start, const std::string& s, const std::string& pat) {
  long long first = Whole(start);
  if (first < 1) first = 1;
  const auto p = Pieces(s);
  if (first > static_cast<long long>(p.size())) return 0;
  if (pat.empty()) return static_cast<int>(first);
  for (size_t i = static_cast<size_t>(first - 1); i < p.size(); ++i) {
    if (s.compare(p[i].off, pat.size(), pat) == 0) return static_cast<int>(i + 1);
  }
  return 0;
}

std::string LeftB(const std::string& s, float n) {
  return MidB(s, 1.0f, Whole(n) <= 0 ? 0.0f : n);
}

std::string RightB(const std::string& s, float n) {
  const long long k = Whole(n);
  if (k <= 0) return "";
  const long long total = LenB(s);
  if (k >= total) return s;
  // The bytes total-k+1 .. total: a character whose first byte lies before
  // them is cut and left out.
  const auto p = Pieces(s);
  for (size_t i = 0; i < p.size(); ++i) {
    if (p[i].byte_pos >= total - k + 1) return Join(s, p, i, p.size() - 1);
  }
  return "";
}

std::string MidB(const std::string& s, float start, float n) {
  long long first = Whole(start);
  const long long k = Whole(n);
  if (first < 1) first = 1;
  if (k == 0) return "";
  const auto p = Pieces(s);
  const long long last = k < 0 ? (1LL << 40) : first + k - 1;
  // Only characters that lie wholly inside first..last.
  size_t from = p.size();
  size_t to = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const long long b0 = p[i].byte_pos;
    const long long b1 = b0 + p[i].bytes - 1;
    if (b0 >= first && b1 <= last) {
      if (from == p.size()) from = i;
      to = i;
    }
  }
  if (from == p.size()) return "";
  return Join(s, p, from, to);
}

int InstrB(float start, const std::string& s, const std::string& pat) {
  long long first = Whole(start);
  if (first < 1) first = 1;
  const long long total = LenB(s);
  if (first > total) return 0;
  if (pat.empty()) return static_cast<int>(first);
  // Matches begin on a character: a pattern never matches the second byte
  // of a double-byte character.
  for (const Piece& c : Pieces(s)) {
    if (c.byte_pos < first) continue;
    if (s.compare(c.off, pat.size(), pat) == 0) return static_cast<int>(c.byte_pos);
  }
  return 0;
}

// --- numbers ---

std::string Str(float v) {
  FpQuiet quiet;
  if (std::isnan(v)) return " NaN";
  if (std::isinf(v)) return v < 0 ? "-Inf" : " Inf";
  if (v == 0.0f) return " 0";  // also for -0
  const std::string sign = v < 0 ? "-" : " ";
  const float a = std::fabs(v);

  // Conversions through <charconv>: exact, and the same in every locale.
  char buf[64];
  if (a < 1e7f && a == std::floor(a)) {
    // A whole number of up to 7 digits is exact: written with all its digits
    // (the neighbour rule below would turn 9999999 into 1E+07).
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(a), std::chars_format::fixed, 0);
    return sign + std::string(buf, r.ptr);
  }
  // The shortest rounding to at most 7 significant digits that reads back as
  // the same single or one of its two neighbours; 7 digits otherwise.
  // The neighbour is accepted so that a product such as 0.9 * 0.9, one step
  // below .81, is written " .81".
  const float below = std::nextafter(a, 0.0f);
  const float above = std::nextafter(a, FLT_MAX);
  char* end = buf;
  for (int p = 1; p <= 7; ++p) {
    end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(a), std::chars_format::scientific, p - 1).ptr;
    float back = 0.0f;
    std::from_chars(buf, end, back);
    if (back == a || back == below || back == above) break;
  }

  // buf is "d.dddddde[+-]xx" (or "de[+-]xx"): the digits and the decimal
  // exponent of the first digit.
  std::string digits;
  const char* c = buf;
  for (; c < end && *c != 'e'; ++c) {
    if (*c != '.') digits += *c;
  }
  int exp10 = 0;
  if (c < end) {
    const char* e = c + 1;
    if (e < end && *e == '+') ++e;
    std::from_chars(e, end, exp10);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out;
  if (exp10 >= -7 && exp10 <= 6) {
    if (exp10 < 0) {
      out = "." + std::string(static_cast<size_t>(-exp10 - 1), '0') + digits;
    } else {
      const size_t whole = static_cast<size_t>(exp10) + 1;
      if (digits.size() <= whole) {
        out = digits + std::string(whole - digits.size(), '0');
      } else {
        out = digits.substr(0, whole) + "." + digits.substr(whole);
      }
    }
  } else {
    out = digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    const int mag = std::abs(exp10);
    out += exp10 < 0 ? "E-" : "E+";
    if (mag < 10) out += '0';
    out += std::to_string(mag);
  }
  return sign + out;
}

float Val(const std::string& s) {
  // Leading blanks, then: an optional sign, digits with at most one point
  // (at least one digit), and an optional exponent "E" or "e" with an
  // optional sign and at least one digit, so that the exponent form of Str
  // reads back. Reading stops at the first character that does not fit.
  const auto digit = [&](size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const size_t mantissa = i;
  // The decimal exponent of the first non-zero digit, for telling an
  // overflow from an underflow.
  long long lead = 0;
  bool nonzero = false;
  size_t digits = 0;
  for (; digit(i); ++i, ++digits) {
    if (nonzero) ++lead;
    if (s[i] != '0') nonzero = true;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    for (; digit(i); ++i, ++digits) {
      if (nonzero) continue;
      --lead;
      if (s[i] != '0') nonzero = true;
    }
  }
  if (digits == 0) return 0.0f;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    bool exp_negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp_negative = s[j++] == '-';
    if (digit(j)) {
      long long e = 0;
      for (; digit(j); ++j) e = std::min(e * 10 + (s[j] - '0'), 1000000LL);
      lead += exp_negative ? -e : e;
      i = j;
    }
  }
  FpQuiet quiet;  // the reading leaves no floating-point flags behind
  float r = 0.0f;
  const auto res = std::from_chars(s.data() + mantissa, s.data() + i, r);
  if (res.ec == std::errc::result_out_of_range) {
    r = lead >= 0 ? FLT_MAX : 0.0f;  // too large: the largest single
  }
  if (negative) r = -r;
  return r + 0.0f;  // "-0" reads as 0
}

float IntPart(float v) { return std::floor(v); }

float ToWhole(float v) {
  if (std::isnan(v) || v < -2147483648.0f || v >= 2147483648.0f) {
    // A pending arithmetic fault (an infinity from a division by zero, say)
    // is the cause; report it rather than the conversion.
    CheckFpFaults();
    RaiseFault(kFaultOverflow);
  }
  return std::nearbyint(v) + 0.0f;
}

float Mod(float a, float b) {
  const long long ia = static_cast<long long>(ToWhole(a));
  const long long ib = static_cast<long long>(ToWhole(b));
  if (ib == 0) RaiseFault(kFaultDivByZero);
  return static_cast<float>(ia % ib);
}

std::string StripBlanks(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c != ' ') out += c;
  }
  return out;
}

}  // namespace lesson
