#pragma once

#include <vector>

#include "recording_surface.h"

namespace vireflu::testing {

// The primitives drawn with one pen, in drawing order.
inline std::vector<Primitive> DrawnWith(const RecordingSurface& surface, const Pen& pen) {
    std::vector<Primitive> found;
    for (const Primitive& p : surface.primitives)
        if (p.pen == pen) found.push_back(p);
    return found;
}

// The vertices of a path drawn as consecutive segments: the start of the first segment,
// then the end of each.
inline std::vector<Point> PathVertices(const std::vector<Primitive>& segments) {
    std::vector<Point> vertices;
    if (segments.empty()) return vertices;
    vertices.push_back(segments.front().points[0]);
    for (const Primitive& segment : segments) vertices.push_back(segment.points[1]);
    return vertices;
}

}  // namespace vireflu::testing
