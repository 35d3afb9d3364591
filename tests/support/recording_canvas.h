#pragma once

// A LineCanvas that writes down every call, for tests of what a frame draws.

#include <ostream>
#include <string>
#include <vector>

#include "display/line_canvas.h"

namespace rolvanta {

inline bool operator==(OutlinePoint a, OutlinePoint b) { return a.x == b.x && a.y == b.y; }
inline std::ostream& operator<<(std::ostream& out, OutlinePoint p) {
    return out << "(" << p.x << ", " << p.y << ")";
}

}  // namespace rolvanta

namespace rolvanta::testing {

enum class Call { clear, viewport, lineWidth, colour, lineLoop, line, text, push, pop };

struct CanvasCall {
    Call kind;
    int viewport[4] = {};              // x, y, width, height
    float width = 0;                   // lineWidth
    Rgb rgb{};                         // colour
    std::vector<OutlinePoint> points;  // lineLoop, line
    TextFont font = TextFont::label;   // text
    OutlinePoint position{};           // text
    std::string text;                  // text
};

class RecordingCanvas : public LineCanvas {
  public:
    std::vector<CanvasCall> calls;

    void clear() override { add(Call::clear); }
    void setViewport(int x, int y, int width, int height) override {
        CanvasCall& call = add(Call::viewport);
        call.viewport[0] = x;
        call.viewport[1] = y;
        call.viewport[2] = width;
        call.viewport[3] = height;
    }
    void setLineWidth(float width) override { add(Call::lineWidth).width = width; }
    void setColour(Rgb colour) override { add(Call::colour).rgb = colour; }
    void drawLineLoop(const OutlinePoint* points, int count) override {
        add(Call::lineLoop).points.assign(points, points + count);
    }
    void drawLine(OutlinePoint from, OutlinePoint to) override {
        add(Call::line).points = {from, to};
    }
    void drawText(TextFont font, OutlinePoint rasterPosition, std::string_view text) override {
        CanvasCall& call = add(Call::text);
        call.font = font;
        call.position = rasterPosition;
        call.text = std::string(text);
    }
    void pushMatrix() override { add(Call::push); }
    void popMatrix() override { add(Call::pop); }

    std::vector<const CanvasCall*> of(Call kind) const {
        std::vector<const CanvasCall*> found;
        for (const CanvasCall& call : calls) {
            if (call.kind == kind) found.push_back(&call);
        }
        return found;
    }

  private:
    CanvasCall& add(Call kind) {
        calls.push_back({});
        calls.back().kind = kind;
        return calls.back();
    }
};

}  // namespace rolvanta::testing
