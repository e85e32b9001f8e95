/* The first plot of the README, from C: a parabola as a PNG image, vantix.png.
 *
 *   gcc first_plot.c $(pkg-config --cflags --libs vantix) -o first_plot
 */
#include <vantix.h>

int main(void) {
    float x[101], y[101];
    for (int i = 0; i <= 100; ++i) {
        x[i] = i / 10.0f;
        y[i] = x[i] * x[i];
    }
    metafl("png");     /* device: PNG image; the file is vantix.png */
    scrmod("REVERS");  /* black on white */
    vtxini();          /* open the output, level 1 */
    name("x", "x");
    name("x squared", "y");
    graf(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 100.0f, 0.0f, 20.0f); /* axis system, level 2 */
    curve(x, y, 101);
    titlin("A parabola", 1);
    title();
    vtxfin();          /* write the file, print the end banner */
    return 0;
}
