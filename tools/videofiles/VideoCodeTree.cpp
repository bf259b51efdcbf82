#include "videofiles/VideoCodeTree.h"

#include <algorithm>
#include <queue>
#include <tuple>

namespace {

// A subtree waiting to be joined: its weight, then the order it was made in, so that equal
// weights join the same way on every machine.
using Waiting = std::tuple<uint64_t, uint32_t, int32_t>;

}  // namespace

VideoCodeTree::VideoCodeTree(const std::map<uint32_t, uint64_t>& counts, int maxDepth) {
  mRoot = BuildHuffman(counts);
  if (Depth() > maxDepth) {
    std::vector<uint32_t> values;
    for (const auto& [value, count] : counts) values.push_back(value);
    mNodes.clear();
    mRoot = BuildBalanced(values, 0, values.size());
  }
  std::vector<bool> path;
  CollectCodes(mRoot, path);
}

int32_t VideoCodeTree::BuildHuffman(const std::map<uint32_t, uint64_t>& counts) {
  std::priority_queue<Waiting, std::vector<Waiting>, std::greater<Waiting>> waiting;
  uint32_t order = 0;
  for (const auto& [value, count] : counts) {
    mNodes.push_back({-1, -1, value});
    waiting.emplace(count, order++, static_cast<int32_t>(mNodes.size() - 1));
  }
  while (waiting.size() > 1) {
    auto [firstWeight, firstOrder, first] = waiting.top();
    waiting.pop();
    auto [secondWeight, secondOrder, second] = waiting.top();
    waiting.pop();
    mNodes.push_back({first, second, 0});
    waiting.emplace(firstWeight + secondWeight, order++, static_cast<int32_t>(mNodes.size() - 1));
  }
  return std::get<2>(waiting.top());
}

int32_t VideoCodeTree::BuildBalanced(const std::vector<uint32_t>& values, size_t begin, size_t end) {
  if (end - begin == 1) {
    mNodes.push_back({-1, -1, values[begin]});
    return static_cast<int32_t>(mNodes.size() - 1);
  }
  size_t middle = begin + (end - begin) / 2;
  int32_t first = BuildBalanced(values, begin, middle);
  int32_t second = BuildBalanced(values, middle, end);
  mNodes.push_back({first, second, 0});
  return static_cast<int32_t>(mNodes.size() - 1);
}

int VideoCodeTree::Depth() const { return DepthBelow(mRoot); }

int VideoCodeTree::DepthBelow(int32_t node) const {
  const Node& here = mNodes[static_cast<size_t>(node)];
  if (here.IsLeaf()) return 0;
  return 1 + std::max(DepthBelow(here.first), DepthBelow(here.second));
}

void VideoCodeTree::CollectCodes(int32_t node, std::vector<bool>& path) {
  const Node& here = mNodes[static_cast<size_t>(node)];
  if (here.IsLeaf()) {
    mCodes[here.value] = path;
    return;
  }
  path.push_back(false);
  CollectCodes(here.first, path);
  path.back() = true;
  CollectCodes(here.second, path);
  path.pop_back();
}

std::vector<uint32_t> VideoCodeTree::Leaves() const {
  std::vector<uint32_t> leaves;
  VideoBitWriter ignored;
  Write(ignored, [&leaves](VideoBitWriter&, uint32_t value) { leaves.push_back(value); });
  return leaves;
}

void VideoCodeTree::Write(VideoBitWriter& out,
                          const std::function<void(VideoBitWriter&, uint32_t)>& writeLeaf) const {
  WriteNode(out, mRoot, writeLeaf);
}

void VideoCodeTree::WriteNode(VideoBitWriter& out, int32_t node,
                              const std::function<void(VideoBitWriter&, uint32_t)>& writeLeaf) const {
  const Node& here = mNodes[static_cast<size_t>(node)];
  out.Bit(!here.IsLeaf());
  if (here.IsLeaf()) {
    writeLeaf(out, here.value);
    return;
  }
  WriteNode(out, here.first, writeLeaf);
  WriteNode(out, here.second, writeLeaf);
}

void VideoCodeTree::WriteCode(VideoBitWriter& out, uint32_t value) const {
  for (bool bit : mCodes.at(value)) out.Bit(bit);
}
