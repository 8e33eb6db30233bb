// The braking scenes that work with the formula alone: the speed for 25 m
// from y=0.005x^2, and the braking marks at 70 km/h in rain.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::BrakingFormulaScene() {
  OpenSpeedQuestion(40, 76, 30, 40, "式で調べよう。");
  WaitAnyKey();
  TextStatement(7, XI0, YI1 + 50, "①");
  TextStatement(0, XI2, YI1, "式に表す");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "走行時の速さを");
  TextStatement(3, XI2, YI1, "xkm／h");
  TextStatement(0, XI2, YI1, ",ブレーキ痕の長さを");
  TextStatement(3, XI2, YI1, "ym");
  TextStatement(0, XI2, YI1, " とすると");
  TextStatement(0, XI1, YI1 + 50, "ブレーキ痕の長さは、走行時の速さの2乗に比例し");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "比例定数は ");
  TextStatement(3, XI2, YI1, "0.005");
  TextStatement(0, XI2, YI1, "だから ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "y=0.005x^2");
  WaitAnyKey();
  TextStatement(7, XI0, YI1 + 60, "②");
  TextStatement(3, XI2, YI1, "y=25 ");
  TextStatement(0, XI2, YI1, "を式に代入して、xの値を求める");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "25=0.005x^2  x^2=25/0.005=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "5000");
  WaitAnyKey();
  // 65 below: room for the root sign of the line.
  TextStatement(0, XI1, YI1 + 65, "x>0 だから ");
  TextStatement(3, XI2, YI1, "x=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "!5000ﾝ=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "10!50ﾝ≒");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "10*7.071=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "70.71");
  WaitAnyKey();
  TextStatement(5, XI0, YI1 + 60, "走行していた速さは 約70.71km／h");
}

void Velmora::RainBrakingScene() {
  DrawBoxRel(0, 0, 1600, 1800, 15, 15);
  XI0 = 40;
  XI1 = 76;
  YI1 = 30;
  SetPenWidth(5);
  TextStatement(3, XI0, YI1, "Q ");
  TextStatement(0, XI2, YI1, "雨天時に");
  TextStatement(3, XI2, YI1, "時速50km");
  TextStatement(0, XI2, YI1, "で走行したとき、");
  TextStatement(3, XI2, YI1, "16m");
  TextStatement(0, XI2, YI1, "のブレーキ痕が残る。");
  TextStatement(0, XI1, YI1 + 50, "雨天時に");
  TextStatement(3, XI2, YI1, "時速70km");
  TextStatement(0, XI2, YI1, "で走行したときのブレーキ痕の長さは何m?");
  WaitAnyKey();
  TextStatement(7, XI0, YI1 + 50, "　<解答>  ");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "走行時の速さを");
  TextStatement(3, XI2, YI1, "xkm／h");
  TextStatement(0, XI2, YI1, ",ブレーキ痕の長さを");
  TextStatement(3, XI2, YI1, "ym");
  TextStatement(0, XI2, YI1, " とすると");
  TextStatement(3, XI1, YI1 + 50, "y=ax^2 ");
  TextStatement(0, XI2, YI1, "とかくことができる。");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "この式に ");
  TextStatement(3, XI2, YI1, "x=50,y=16 ");
  TextStatement(0, XI2, YI1, "を代入すると");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "16=a*50^2  ");
  TextStatement(0, XI2, YI1, "2500a=16  ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "a=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "16/2500=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "0.0064");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 60, "y=0.0064x^2");
  TextStatement(0, XI2, YI1, " に");
  TextStatement(3, XI2, YI1, "x=70");
  TextStatement(0, XI2, YI1, " を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "y=0.0064*70^2=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "0.0064*4900=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "31.36");
  WaitAnyKey();
  TextStatement(5, XI0, YI1 + 60, "ブレーキ痕の長さは 約31.36m");
}

}  // namespace lesson
