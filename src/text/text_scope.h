// Text parameters borrowed for the length of a scope: routines that draw
// their own texts (axis labels and names, numbers, titles) set height,
// angle, justification and alphabet modes for them and give the caller's
// settings back when the scope ends.
#pragma once

#include <cstring>

#include "session/globals.h"
#include "text/fonts.h"

namespace vtx {

class TextScope {
   public:
    explicit TextScope(Globals& g) : g_(g), saved_(Saved::of(g.text)) {}
    ~TextScope() {
        setHeight(saved_.height);
        TextState& t = g_.text;
        t.angle = saved_.angle, t.justify = saved_.justify, t.fixedOn = saved_.fixedOn;
        t.fixedPitch = saved_.fixedPitch, t.texMode = saved_.texMode;
        restoreAlphabet();
    }
    TextScope(const TextScope&) = delete;
    TextScope& operator=(const TextScope&) = delete;

    // A height of the scope's own; the character scale follows it.
    void setHeight(int h) {
        if (g_.text.height != h) g_.text.height = h, clearScaleCache(g_);
    }
    // The caller's alphabet and shift settings again, before the next text.
    void restoreAlphabet() {
        TextState& t = g_.text;
        t.mixAlphabet = saved_.mix, t.euShift = saved_.shift;
        std::memcpy(t.euShiftChars, saved_.shiftChars, sizeof saved_.shiftChars);
    }
    int savedHeight() const { return saved_.height; }

   private:
    struct Saved {
        int height, angle, justify, fixedOn, texMode, mix, shift;
        float fixedPitch;
        char shiftChars[sizeof TextState::euShiftChars];
        static Saved of(const TextState& t) {
            Saved s{t.height, t.angle, t.justify, t.fixedOn, t.texMode, t.mixAlphabet, t.euShift, t.fixedPitch, {}};
            std::memcpy(s.shiftChars, t.euShiftChars, sizeof s.shiftChars);
            return s;
        }
    };
    Globals& g_;
    const Saved saved_;
};

}  // namespace vtx
