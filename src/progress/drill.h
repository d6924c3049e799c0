#pragma once

#include "progress/finishedtest.h"

#include <QList>

// Which missed questions are still worth drilling, and in what order. A question joins once it
// has been answered wrongly, and leaves once its last two answers, in tests or in drills, were
// both right. Most misses come first; among equals, the one last tried longest ago.
namespace drill {

constexpr int kRightInARowToLeave = 2;

QList<int> queue(const QList<Attempt>& attempts); // attempts in the order given; record numbers

} // namespace drill
