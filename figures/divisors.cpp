#include <cmath>

#include "figures/figures.h"

namespace lesson {

void Figures::ListDivisorPairs() {
  DY = std::fabs(DY);
  P = 0;
  const float end = DY;
  II = 1;
  for (;;) {
    const float q = DY / II;
    if (q - IntPart(q) == 0) {
      P = P + 1;
      // X() and Y() hold 40 entries: further divisors are not listed.
      if (P > Xa.bound()) {
        P = static_cast<float>(Xa.bound());
      } else {
        Xa(P) = II;
        Ya(P) = q;
      }
    }
    const float next = II + 1;
    // A counter too large to grow by 1 in single precision ends the loop.
    if (next == II) break;
    II = next;
    if (!(II <= end)) break;
  }
  KOSUU = P / 2;
}

void Figures::FactorizePrimes() {
  TJ = 1;
  do {
    G(TJ, 1) = 0;
    G(TJ, 2) = 0;
  } while ((TJ += 1) <= 10);
  const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int k = 0; k < 10; ++k) Ra(static_cast<float>(k + 1)) = primes[k];
  SOSU = std::fabs(SOSU);
  SOSU1 = SOSU;
  P = 1;
  Q = 1;
  for (;;) {
    if (P == 10) {
      // 29 is not tried: what is left is the cofactor in slot 10.
      Q = Q - 1;
      G(10, 1) = SOSU;
      G(10, 2) = 1;
      SOSU = SOSU1;
      return;
    }
    // A number whose whole value is 0 has no prime factor (every prime
    // would divide it without end).
    if (ToWhole(SOSU) != 0 && Mod(SOSU, Ra(P)) == 0) {
      G(Q, 1) = Ra(P);
      G(Q, 2) = G(Q, 2) + 1;
      SOSU = SOSU / Ra(P);
      continue;
    }
    if (G(Q, 1) != 0) Q = Q + 1;
    P = P + 1;
  }
}

void Figures::DrawLadderDivision() {
  // Without a prime to divide by there is no ladder.
  if (Q < 1) {
    NASI = 0;
    return;
  }
  TA = SOSU;
  TA1 = static_cast<float>(Len(Str(TA)));
  // Slot 10 holds the cofactor; the primes lie in slots 1 to 9.
  const float last = std::fmin(Q, 9.0f);
  II = 1;
  do {
    if (G(II, 1) == 0) break;
    A_s = Str(G(II, 1));
    StripSpaces();
    SO_s = A_s;
    N = G(II, 2);
    if (II == Q) {
      N = N - 1;
      // The last prime's final division is left undone: its quotient is
      // the prime itself.
      if (N <= 0) break;
    }
    const float steps = N;
    J = 1;
    do {
      CCC1 = 0;
      X = XTAKE;
      Y = YTAKE;
      AA_s = SO_s + ")";
      DrawMathText();
      // The dividend, right-aligned with the starting number.
      TA2 = static_cast<float>(Len(Str(TA)));
      CCC1 = 0;
      X = XTAKE + 30 * (1 + TA1 - TA2);
      Y = YTAKE;
      AA_s = Str(TA);
      DrawMathText();
      YTAKE = YTAKE + 46;
      DrawLine(XTAKE + 30, YTAKE, XTAKE + 30 * (TA1 + 1), YTAKE, 0);
      if (NASI == 1) WaitAnyKey();
      TA = TA / G(II, 1);
      TA2 = static_cast<float>(Len(Str(TA)));
      YTAKE = YTAKE + 18;
      CCC1 = 0;
      X = XTAKE + 30 * (1 + TA1 - TA2);
      Y = YTAKE;
      AA_s = Str(TA);
      DrawMathText();
      if (NASI == 1) WaitAnyKey();
    } while ((J += 1) <= steps);
  } while ((II += 1) <= last);
  NASI = 0;
}

}  // namespace lesson
