#pragma once

class GameWindows;

// For the tests that run the game itself as a process, which cannot reach its windows from
// outside on the offscreen platform. When the environment variable VIRELITH_TEST_PLAY is
// exactly "battle-then-close", the game plays by itself as a player would with the mouse: a free
// battle of the first two characters to its end (hurried, the first card of the hand each
// turn), then a second one, and while that battle's first played card moves (at normal speed)
// it chooses "ｹﾞｰﾑを終了する(&X)" and answers OK. The moment the last window has closed is written
// to standard output as one line,
//     closed <steady clock ns>
// Without the variable, or with any other value, nothing changes.
namespace TestPlay {

void install(GameWindows &windows);

} // namespace TestPlay
