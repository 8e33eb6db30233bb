// Topic 1 of velmora: braking marks and falling bodies. The car and the
// braking scenes are in car_figure.cpp, braking_scenes.cpp,
// braking_table.cpp and braking_formula.cpp, the falling ball in
// falling_body.cpp.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::BrakingFallMenu() {
  ShowTopicGoal({"身の回りの問題を、", "関数y=ax^2 を利用して解決しよう。"});
  RunSubMenu(" ①P115Q　②表で　③グラフで　④式で　⑤雨天時　⑥落下　⑦問１　⑧終了", 8,
             [&](int k) {
               switch (k) {
                 case 1: BrakingMarkIntroScene(); break;
                 case 2: BrakingTableScene(); break;
                 case 3: BrakingGraphScene(); break;
                 case 4: BrakingFormulaScene(); break;
                 case 5: RainBrakingScene(); break;
                 case 6: FallingBodyScene(); break;
                 case 7: FallingBodyAnswerScene(); break;
               }
             });
}

}  // namespace lesson
