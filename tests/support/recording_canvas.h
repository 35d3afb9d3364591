#pragma once

// A LineCanvas that writes down every call, for tests of what a frame draws.

#include <string>
#include <vector>

#include "display/line_canvas.h"

namespace rolvanta::testing {

enum class Call { clear, viewport, lineWidth, colour, lineLoop, line, text, push, pop };

struct CanvasCall {
    explicit CanvasCall(Call kind) : kind(kind) {}

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

    void clear() override { calls.emplace_back(Call::clear); }
    void setViewport(int x, int y, int width, int height) override {
        CanvasCall call(Call::viewport);
        call.viewport[0] = x;
        call.viewport[1] = y;
        call.viewport[2] = width;
        call.viewport[3] = height;
        calls.push_back(call);
    }
    void setLineWidth(float width) override {
        CanvasCall call(Call::lineWidth);
        call.width = width;
        calls.push_back(call);
    }
    void setColour(Rgb colour) override {
        CanvasCall call(Call::colour);
        call.rgb = colour;
        calls.push_back(call);
    }
    void drawLineLoop(const OutlinePoint* points, int count) override {
        CanvasCall call(Call::lineLoop);
        call.points.assign(points, points + count);
        calls.push_back(call);
    }
    void drawLine(OutlinePoint from, OutlinePoint to) override {
        CanvasCall call(Call::line);
        call.points = {from, to};
        calls.push_back(call);
    }
    void drawText(TextFont font, OutlinePoint rasterPosition, std::string_view text) override {
        CanvasCall call(Call::text);
        call.font = font;
        call.position = rasterPosition;
        call.text = std::string(text);
        calls.push_back(call);
    }
    void pushMatrix() override { calls.emplace_back(Call::push); }
    void popMatrix() override { calls.emplace_back(Call::pop); }

    std::vector<const CanvasCall*> of(Call kind) const {
        std::vector<const CanvasCall*> found;
        for (const CanvasCall& call : calls) {
            if (call.kind == kind) found.push_back(&call);
        }
        return found;
    }
};

}  // namespace rolvanta::testing
