// The map pen: draws lines given in longitude and latitude through the
// projection of the current map, stepping along them where the projection
// bends them, breaking them at the edge of the globe and clipping them to
// the visible cap of azimuthal maps.
#pragma once

#include "session/globals.h"
#include "maps/map_state.h"

namespace vtx {

// The map branch of the 2-D transform: user (longitude, latitude) to plot.
void mapToPlot(const Globals& g, float lon, float lat, float& X, float& Y);

// Copies of map data for cylindrical windows that reach beyond the globe:
// shifted by a full turn in longitude, mirrored over a pole in latitude.
// Other maps get the data once.
struct MapCopy {
    double lonOffset = 0.0, latOffset = 0.0, latSign = 1.0;
};
int mapCopies(const MapState& s, MapCopy out[9]);

class MapPen {
   public:
    // `offset`: the copy of a thick line (plot units beside the centre line);
    // `interpolate`: divide every segment into steps of about one degree.
    MapPen(Globals& g, float offset, bool interpolate);
    void move(double lon, double lat);
    void draw(double lon, double lat);

   private:
    void run(double lon1, double lat1, double lon2, double lat2);
    void step(double lon1, double lat1, double lon2, double lat2);
    void line(double X1, double Y1, double X2, double Y2, bool moveFirst);

    Globals& g_;
    const MapGeometry& m_;
    float offset_;
    bool interpolate_;
    bool placed_ = false;   // a user point is current
    bool down_ = false;     // the plot pen stands at that point's image
    double lon_ = 0, lat_ = 0;
};

}  // namespace vtx
