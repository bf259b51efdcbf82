#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "videofiles/VideoBitWriter.h"

// A prefix code over values as the video format keeps it: a binary tree whose code for a
// value is the path from the root to its leaf, 0 for the first subtree. Built from how often
// each value is used: Huffman's code, or a balanced tree when Huffman's would be deeper than
// the format allows.
class VideoCodeTree {
public:
  // counts: each value used, with its count (at least 1). At least one value.
  VideoCodeTree(const std::map<uint32_t, uint64_t>& counts, int maxDepth);

  // The values at the leaves, in prefix order.
  std::vector<uint32_t> Leaves() const;
  // Nodes and leaves together.
  size_t EntryCount() const { return mNodes.size(); }
  int Depth() const;

  // The tree in prefix order: 1 for a node followed by its two subtrees, 0 for a leaf
  // followed by what writeLeaf writes for its value.
  void Write(VideoBitWriter& out, const std::function<void(VideoBitWriter&, uint32_t)>& writeLeaf) const;
  // The value's code; nothing for a tree that is a single leaf. The value must be a leaf.
  void WriteCode(VideoBitWriter& out, uint32_t value) const;

private:
  struct Node {
    int32_t first = -1;
    int32_t second = -1;
    uint32_t value = 0;
    bool IsLeaf() const { return first < 0; }
  };

  int32_t BuildHuffman(const std::map<uint32_t, uint64_t>& counts);
  int32_t BuildBalanced(const std::vector<uint32_t>& values, size_t begin, size_t end);
  int DepthBelow(int32_t node) const;
  void WriteNode(VideoBitWriter& out, int32_t node,
                 const std::function<void(VideoBitWriter&, uint32_t)>& writeLeaf) const;
  void CollectCodes(int32_t node, std::vector<bool>& path);

  std::vector<Node> mNodes;
  int32_t mRoot = -1;
  std::map<uint32_t, std::vector<bool>> mCodes;
};
