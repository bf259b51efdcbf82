#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "enginefiles/BodyWriter.h"

// Where a body described for the writer breaks a limit of the body loader, and why.
struct BodyFault {
  enum class Part { Body, Face, Node };
  Part part = Part::Body;
  std::size_t index = 0;  // the face or node number
  std::string reason;
};

// The first limit of the loader that the body breaks: the 16-bit counts of its header, a
// face of no corner or too many, a face type above the highest, a corner naming a vertex the
// body lacks, a BSP node naming a face or node the body lacks. Nothing when it loads.
std::optional<BodyFault> CheckBody(const BodyDescription& body);

// The fault as one line: what is wrong and where ("body 7, face 3: ...").
std::string DescribeBodyFault(const BodyDescription& body, const BodyFault& fault);
