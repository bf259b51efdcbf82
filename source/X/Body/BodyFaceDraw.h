#pragma once
#include <cstdint>

struct ResourceGroup;

// A face is a strip image of one full turn of the head, 52 columns by 25 rows: the front at
// column 26, the back at both edges, row 0 the chin.
constexpr int32_t kFaceImageWidth = 52;
constexpr int32_t kFaceImageRows = 25;
// The body's face before one is set.
constexpr uint16_t kNoFace = 65535;

// Where face images are found by face value: the world's bitmap group, handed over by the
// people's draw set-up (or a test). Null: every face is missing.
void SetBodyFaceGroup(const ResourceGroup* group);

// The face image of radius r around (x, y), turned by turn (radians, 0 to 2 pi): each row a
// pattern span through the image, step 1 / aspect per pixel. A face whose rows would read the
// square-root table past its end, a missing or misshapen image, and a span that runs past both
// edges of the image draw nothing.
void drawface(int32_t x, int32_t y, int32_t depth, int32_t radius, float turn, float aspect, uint16_t face);
