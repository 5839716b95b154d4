// The starts and behaviours the catalogue's entries are made of (catalogue.cpp joins each type
// to its own), by the file they are written in.
#pragma once

namespace qel {

struct Game;
struct Enemy;

// How each type starts: catalogue_ordinary.cpp (1..60) and catalogue_bosses.cpp (100..211).
namespace start {
void Type1(Game &g, Enemy &e, int pos);
void Type2(Game &g, Enemy &e, int pos);
void Type3(Game &g, Enemy &e, int pos);
void Type4(Game &g, Enemy &e, int pos);
void Type5(Game &g, Enemy &e, int pos);
void Type6(Game &g, Enemy &e, int pos);
void Type7(Game &g, Enemy &e, int pos);
void Dasher(Game &g, Enemy &e, int pos);  // 8, 9
void WarpIn(Game &g, Enemy &e, int pos);  // 10..13
void Type14(Game &g, Enemy &e, int pos);
void Type15(Game &g, Enemy &e, int pos);
void Type16(Game &g, Enemy &e, int pos);
void Type17(Game &g, Enemy &e, int pos);
void Type18(Game &g, Enemy &e, int pos);
void Type19(Game &g, Enemy &e, int pos);
void Type20(Game &g, Enemy &e, int pos);
void Type21(Game &g, Enemy &e, int pos);
void ColumnVehicle(Game &g, Enemy &e, int pos);  // 22..25
void Type26(Game &g, Enemy &e, int pos);
void Type27(Game &g, Enemy &e, int pos);
void Type28(Game &g, Enemy &e, int pos);
void Type29(Game &g, Enemy &e, int pos);
void Type30(Game &g, Enemy &e, int pos);
void Type31(Game &g, Enemy &e, int pos);
void Type32(Game &g, Enemy &e, int pos);
void Type33(Game &g, Enemy &e, int pos);
void Type34(Game &g, Enemy &e, int pos);
void Type35(Game &g, Enemy &e, int pos);
void Type36(Game &g, Enemy &e, int pos);
void Type37(Game &g, Enemy &e, int pos);
void Type38(Game &g, Enemy &e, int pos);
void Type40(Game &g, Enemy &e, int pos);
void Type41(Game &g, Enemy &e, int pos);
void Type42(Game &g, Enemy &e, int pos);
void Type50(Game &g, Enemy &e, int pos);
void Type51(Game &g, Enemy &e, int pos);
void GroundVehicle(Game &g, Enemy &e, int pos);    // 52..54
void LaunchedVehicle(Game &g, Enemy &e, int pos);  // 55, 56
void Type60(Game &g, Enemy &e, int pos);

void Type100(Game &g, Enemy &e, int pos);
void Type101(Game &g, Enemy &e, int pos);
void Type102(Game &g, Enemy &e, int pos);
void Type103(Game &g, Enemy &e, int pos);
void Type105(Game &g, Enemy &e, int pos);
void Type106(Game &g, Enemy &e, int pos);
void Type107(Game &g, Enemy &e, int pos);
void Type108(Game &g, Enemy &e, int pos);
void Type109(Game &g, Enemy &e, int pos);
void Type110(Game &g, Enemy &e, int pos);
void Type150(Game &g, Enemy &e, int pos);
void Type151(Game &g, Enemy &e, int pos);
void Type152(Game &g, Enemy &e, int pos);
void Type153(Game &g, Enemy &e, int pos);
void Type154(Game &g, Enemy &e, int pos);
void Type155(Game &g, Enemy &e, int pos);
void Type156(Game &g, Enemy &e, int pos);
void Type157(Game &g, Enemy &e, int pos);
void Type158(Game &g, Enemy &e, int pos);
void Type160(Game &g, Enemy &e, int pos);
void Type200(Game &g, Enemy &e, int pos);
void Type201(Game &g, Enemy &e, int pos);
void Type202(Game &g, Enemy &e, int pos);
void Type203(Game &g, Enemy &e, int pos);
void Type204(Game &g, Enemy &e, int pos);
void Type205(Game &g, Enemy &e, int pos);
void Type206(Game &g, Enemy &e, int pos);
void Type207(Game &g, Enemy &e, int pos);
void Type208(Game &g, Enemy &e, int pos);
void Type209(Game &g, Enemy &e, int pos);
void Type210(Game &g, Enemy &e, int pos);
void Type211(Game &g, Enemy &e, int pos);
}  // namespace start

// What each type does in a frame, in slot i.
namespace behave {
// types_fighters.cpp
void Type1(Game &g, int i);
void Type2(Game &g, int i);
void Type3(Game &g, int i);
void Type4(Game &g, int i);
void Type5(Game &g, int i);
void Type6(Game &g, int i);
void Type7(Game &g, int i);
void Dasher(Game &g, int i);  // 8, 9
void WarpIn(Game &g, int i);  // 10..13
void Type14(Game &g, int i);
void Type15(Game &g, int i);
void Type16(Game &g, int i);
void Type17(Game &g, int i);
void Type18(Game &g, int i);
void Type19(Game &g, int i);
void Type20(Game &g, int i);
void Type21(Game &g, int i);

// types_craft.cpp
void ColumnVehicle(Game &g, int i);  // 22..25
void Type26(Game &g, int i);
void Type27(Game &g, int i);
void Type28(Game &g, int i);
void Type29(Game &g, int i);
void Type30(Game &g, int i);
void Type31(Game &g, int i);
void Type32(Game &g, int i);
void Type33(Game &g, int i);
void Type34(Game &g, int i);
void Type35(Game &g, int i);
void Type36(Game &g, int i);
void Crosser(Game &g, int i);  // 37, 38
void Rock(Game &g, int i);     // 40..42
void Type50(Game &g, int i);
void Type51(Game &g, int i);
void GroundVehicle(Game &g, int i);    // 52..54
void LaunchedVehicle(Game &g, int i);  // 55, 56
void Type60(Game &g, int i);

// boss_timed.cpp; Dying is the behaviour of the dying modes (DyingMode), not of a type.
void Type100(Game &g, int i);
void Type101(Game &g, int i);
void Type102(Game &g, int i);
void Type103(Game &g, int i);
void Dying(Game &g, int i);

// escorts_boss.cpp
void Type105(Game &g, int i);
void Type106(Game &g, int i);
void Type107(Game &g, int i);
void Type108(Game &g, int i);
void Type109(Game &g, int i);
void Type110(Game &g, int i);

// boss_stage.cpp
void Type150(Game &g, int i);
void Type151(Game &g, int i);
void Type152(Game &g, int i);
void Type153(Game &g, int i);
void Type154(Game &g, int i);
void Type155(Game &g, int i);
void Type156(Game &g, int i);
void Type157(Game &g, int i);
void Type158(Game &g, int i);
void Type160(Game &g, int i);

// parts_boss.cpp
void FixedPart(Game &g, int i);  // 200..209
void Type210(Game &g, int i);
void Type211(Game &g, int i);
}  // namespace behave

}  // namespace qel
