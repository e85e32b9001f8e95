// Drawing attributes borrowed for the length of a scope. A scope saves one
// attribute when it is made and gives it back when it ends; declare several
// in the reverse order of their restoring (the last declared ends first).
#pragma once

#include <algorithm>

#include "session/globals.h"
#include "device/colour.h"
#include "device/line_style.h"
#include "device/shading.h"

namespace vtx {

// Whether an attribute goes through its routine again when it has not
// changed; the device then receives it once more.
enum class Restore { IfChanged, Always };

// The current colour, given back through qqsclr.
class ColourScope {
   public:
    explicit ColourScope(Globals& g, Restore when = Restore::IfChanged)
        : g_(g), saved_(g.colour.current), when_(when) {}
    ~ColourScope() {
        if (when_ == Restore::Always || g_.colour.current != saved_) qqsclr(g_, saved_);
    }
    int saved() const { return saved_; }
    ColourScope(const ColourScope&) = delete;
    ColourScope& operator=(const ColourScope&) = delete;

   private:
    Globals& g_;
    const int saved_;
    const Restore when_;
};

// The line type, given back through setLineType, which restarts its dashes.
class LineTypeScope {
   public:
    explicit LineTypeScope(Globals& g, Restore when = Restore::IfChanged)
        : g_(g), saved_(g.line.lineType), when_(when) {}
    ~LineTypeScope() {
        if (when_ == Restore::Always || g_.line.lineType != saved_) setLineType(g_, saved_);
    }
    LineTypeScope(const LineTypeScope&) = delete;
    LineTypeScope& operator=(const LineTypeScope&) = delete;

   private:
    Globals& g_;
    const int saved_;
    const Restore when_;
};

// The dash pattern with its position and the line type, copied back as they
// were, so that a user pattern continues where it stopped.
class DashScope {
   public:
    explicit DashScope(Globals& g)
        : line_(g.line), count_(line_.dashCount), phase_(line_.dashPhase), index_(line_.dashIndex),
          type_(line_.lineType), remaining_(line_.dashRemaining) {
        std::copy(line_.dash, line_.dash + 10, dash_);
    }
    ~DashScope() {
        std::copy(dash_, dash_ + 10, line_.dash);
        line_.dashCount = count_, line_.dashPhase = phase_, line_.dashIndex = index_, line_.lineType = type_;
        line_.dashRemaining = remaining_;
    }
    DashScope(const DashScope&) = delete;
    DashScope& operator=(const DashScope&) = delete;

   private:
    LineState& line_;
    int dash_[10];
    const int count_, phase_, index_, type_;
    const float remaining_;
};

// The shading pattern number, given back through setShadingPattern.
class PatternScope {
   public:
    explicit PatternScope(Globals& g) : g_(g), saved_(g.fill.pattern) {}
    ~PatternScope() { setShadingPattern(g_, saved_); }
    PatternScope(const PatternScope&) = delete;
    PatternScope& operator=(const PatternScope&) = delete;

   private:
    Globals& g_;
    const int saved_;
};

// Every fill setting, copied back as it was.
class FillScope {
   public:
    explicit FillScope(Globals& g) : fill_(g.fill), saved_(g.fill) {}
    ~FillScope() { fill_ = saved_; }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

   private:
    FillState& fill_;
    const FillState saved_;
};

}  // namespace vtx
