#include "game/traffic/PathQueue.h"

#include <utility>

PathEntry PathQueue::mBuffer[PathQueue::kRoom + 1];
PathQueue gPathQueue;

void PathQueue::Reset() {
  mBuffer[0] = PathEntry{};
  mBuffer[0].cost = -1;
  mCount = 0;
}

bool PathQueue::Push(const PathEntry& entry) {
  if (mCount >= kRoom) return false;
  int i = ++mCount;
  mBuffer[i] = entry;
  while (mBuffer[i / 2].cost > mBuffer[i].cost) {
    std::swap(mBuffer[i / 2], mBuffer[i]);
    i /= 2;
  }
  return true;
}

PathEntry PathQueue::Pop() {
  if (mCount == 0) return PathEntry{};
  PathEntry top = mBuffer[1];
  mBuffer[1] = mBuffer[mCount--];
  int i = 1;
  while (i <= mCount / 2) {
    int child = 2 * i;
    if (child + 1 <= mCount && mBuffer[child + 1].cost < mBuffer[child].cost) ++child;
    if (mBuffer[i].cost <= mBuffer[child].cost) break;
    std::swap(mBuffer[i], mBuffer[child]);
    i = child;
  }
  return top;
}
