#pragma once

class QKeyEvent;

// The keys that answer a multiple-choice question, in a test and in the drill alike: A to D or
// 1 to 4 choose an option, Enter submits. Keys held with a modifier (Ctrl, Alt, Shift) answer
// nothing, so that they keep their shortcuts.
namespace answerkeys {

constexpr int kSubmit = -1;

// The option (1 to 4) that the key chooses, kSubmit for Enter, or 0 for any other key.
int read(const QKeyEvent* event);

} // namespace answerkeys
