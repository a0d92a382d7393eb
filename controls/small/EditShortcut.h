#pragma once
// Clipboard and selection shortcuts of the number fields go straight to the edit: their
// control characters must never meet the character test, and pasting is not filtered.
#include <QKeyEvent>
#include <QKeySequence>

namespace small {

inline bool istBearbeitungsKuerzel(QKeyEvent* e) {
    return e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Paste) ||
           e->matches(QKeySequence::Cut) || e->matches(QKeySequence::SelectAll);
}

}  // namespace small
