// The program-wide variables that every routine shares: numbers are IEEE
// singles starting at 0, texts start empty. A name ending in "_s" is a text.
// Arrays index from 0 up to and including their bound; X(), Y() and R() are
// Xa, Ya and Ra here, since X, Y and R are also plain variables, and the text
// list X$() is Xa_s.
#pragma once
#include <string>
#include "platform/arrays.h"

namespace lesson {

struct Vars {
  // --- numbers ---
  float A = 0, A1 = 0, A2 = 0, AA = 0, AA1 = 0, AA2 = 0, AAAX = 0, AAAY = 0, AIDA = 0, AIDA1 = 0, AINP = 0, AX = 0, AX1 = 0, AX2 = 0, AY = 0, AY1 = 0, AY2 = 0, B = 0, B1 = 0, B2 = 0, BAIX = 0, BAIY = 0, BB = 0;
  float BB1 = 0, BB2 = 0, BSEN = 0, BUN = 0, BX = 0, BX1 = 0, BY = 0, BY1 = 0, C = 0, CC = 0, CCC0 = 0, CCC1 = 0, CCC2 = 0, CCC3 = 0, CX = 0, CY = 0, D = 0, D1 = 0, D2 = 0, DB = 0, DB1 = 0, DBM1 = 0, DBM2 = 0, DR = 0;
  float DS = 0, DS1 = 0, DS2 = 0, DS4 = 0, DSM1 = 0, DSM2 = 0, DX = 0, DY = 0, E1 = 0, E2 = 0, EX = 0, EY = 0, FMAESU = 0, GGX = 0, GGY = 0, GX = 0, GX0 = 0, GX1 = 0, GX2 = 0, GX3 = 0, GX4 = 0, GX5 = 0, GY = 0;
  float GY0 = 0, GY1 = 0, GY2 = 0, GY3 = 0, GY4 = 0, GY5 = 0, H = 0, H1 = 0, H2 = 0, HABA = 0, HH = 0, HH1 = 0, HH2 = 0, HH3 = 0, HH4 = 0, HH5 = 0, HHP = 0, HONSU = 0, HOUKOU = 0, HROOT = 0, I = 0, IB8 = 0;
  float II = 0, IJ = 0, IROIRO = 0, ITI = 0, J = 0, JYOU = 0, JYOUK = 0, KAIX = 0, KAIY = 0, KAKU = 0, KAKUDO = 0, KASANARIX = 0, KASANARIY = 0, KB8 = 0, KJ1 = 0, KJ2 = 0, KJ3 = 0;
  float KOSUU = 0, L = 0, LB8 = 0, LE = 0, LEM = 0, LLT = 0, LT = 0, LT1 = 0, LT2 = 0, M = 0, MAESU = 0, MUKI = 0, N = 0, N1 = 0, N2 = 0, N3 = 0, NAG = 0, NAGA = 0, NAGASA = 0, NAGASA1 = 0, NASI = 0, P = 0;
  float P1 = 0, P2 = 0, PI = 0, PP = 0, Q = 0, R = 0, R1A = 0, R1B = 0, R1B1 = 0, R1I = 0, RR = 0, SENTAKU = 0, SIZE = 0, SIZE1 = 0, SOSU = 0, SOSU1 = 0, TA = 0, TA1 = 0, TA2 = 0, TA3 = 0, TA5 = 0, TA6 = 0;
  float TAKASA = 0, TATE = 0, TBBO = 0, TBBO1 = 0, TBSI = 0, TBSI1 = 0, TII = 0, TJ = 0, TX = 0, TXM = 0, TY = 0, X = 0, X1 = 0, X2 = 0, X3 = 0, X4 = 0, XG = 0, XI0 = 0, XI1 = 0, XI2 = 0, XI3 = 0, XJ1 = 0;
  float XJ2 = 0, XJ3 = 0, XJ4 = 0, XK1 = 0, XK2 = 0, XK3 = 0, XK4 = 0, XK5 = 0, XK6 = 0, XT = 0, XTAKE = 0, XX = 0, XX1 = 0, Y = 0, Y1 = 0, Y2 = 0, Y22 = 0, Y3 = 0, Y4 = 0, Y5 = 0, Y6 = 0, Y7 = 0, YA = 0, YAK = 0;
  float YAK1 = 0, YG = 0, YI1 = 0, YJ1 = 0, YJ2 = 0, YJ3 = 0, YJ4 = 0, YK1 = 0, YK2 = 0, YK3 = 0, YK4 = 0, YK5 = 0, YK6 = 0, YOKO = 0, YT = 0, YTAKE = 0, YY = 0, YY1 = 0, ZX = 0, ZX0 = 0, ZX1 = 0, ZX11 = 0;
  float ZX12 = 0, ZX2 = 0, ZX3 = 0, ZX4 = 0, ZX5 = 0, ZY = 0, ZY0 = 0, ZY1 = 0, ZY11 = 0, ZY12 = 0, ZY2 = 0, ZY3 = 0, ZY4 = 0, ZY5 = 0;
  // --- texts ---
  std::string A_s, A1_s, A11_s, A2_s, A21_s, A3_s, A31_s, A4_s, A41_s, A5_s, AA_s, AA1_s, AAA_s, AINP_s, B_s, B1_s;
  std::string B2_s, B3_s, B4_s, DA1_s, DB_s, DS_s, DS1_s, DS2_s, DS3_s, DS4_s, ENZAN_s, FDS1_s, HENK_s, HENK1_s;
  std::string HENK2_s, HENK3_s, HYOUJI_s, I_s, KAKUDO_s, MOTOA_s, P1_s, P2_s, R_s, R1A_s, R1A1_s, R1B_s, RAB_s;
  std::string RABM_s, RTASKAI1_s, RTASKAI2_s, SO_s, TITLE_s, TKAI1_s, TKAI2_s, X_s, X8_s, X9_s, Y_s;

  // --- further variables of the lesson programs (add here, grouped by owner) ---
  float MU_DO = 0;               // figures: 1 = angle labels as small text
  std::string AA_A_s;            // formula text: the rest of a math text after its fraction

  // --- arrays ---
  Arr<float, 80> T;              // value table
  Arr<std::string, 80> T_s;      // texts of T
  Arr<float, 40> F;              // second set of table values
  Arr<std::string, 40> F_s;      // texts of F
  Arr<float, 40> Xa, Ya;         // screen positions of figure points
  Arr<float, 40> U, V;           // positions kept for a later step
  Arr<std::string, 20> Xa_s;     // cell texts and polygon corner labels
  Arr<float, 10> Ra;             // distances computed step by step
  Arr2<float, 10, 2> G;          // polygon corners: G(i,1) x, G(i,2) y
};

}  // namespace lesson
