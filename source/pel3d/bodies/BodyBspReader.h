#pragma once
#include <cstdint>

class BodyBlock;
class ResourceByteSource;
struct Body;
struct BspNode;
struct Face;

// Reads the node stream of a tree (pre-order) into nodes, at most nodeCount of them numbered
// in reading order, and sets root to the tree's root (null for a stream that starts empty).
// faces maps the body's face numbers to its faces. false with error 2 for a short read,
// more nodes than nodeCount, or a face number at or past the body's face count.
bool ReadBodyBspNode(ResourceByteSource& file, BspNode* nodes, int32_t nodeCount, const Body& body,
                     Face* const* faces, BspNode*& root);

// Reads a body's BSP header, takes the node area from the block (as many nodes as the
// header counts) and reads the tree into it with ReadBodyBspNode, setting the body's BSP
// root. false with error 2 as ReadBodyBspNode or for a negative node count; 10 when the
// node area does not fit the block.
bool ReadBodyBsp(ResourceByteSource& file, BodyBlock& block, Body& body, Face* const* faces);
