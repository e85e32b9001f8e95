// Area filling state: the shading pattern that every filled area uses.
#pragma once

namespace vtx {

struct FillState {
    int pattern = 0;            // shdpat number, or the code built by mypat
    int angle = 0;              // degrees 0..179, direction of the hatch lines
    int type = 0;               // 0 outline only, 1 solid lines ... 7 dash-dotted lines
    int density = 0;            // 0..9
    int cross = 0;              // 1: a second line set at right angles
    float spacing = 2.0f;       // distance of the hatch lines, plot units
    int groupDrawn = 0;         // lines drawn, then skipped, per group (0, 0: every line)
    int groupSkipped = 0;
    int outline = 1;            // areaf also draws the outline; noarln clears it
    int noFill = 0;             // nofill: filled figures draw their outlines only
    int fillColour = 0;         // filclr: 0 the current colour, else a colour keyword of color (1..11)
};

}  // namespace vtx
