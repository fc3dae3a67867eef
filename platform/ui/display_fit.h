// The screen a person's window gets on a display: how many display pixels stand for one pixel
// of the screen, and how large the screen is so that the window fits the display.
#pragma once

struct DisplayFit {
    int width = 0;    // screen pixels; 0: fit the display
    int height = 0;
    int scale = 0;    // display pixels per screen pixel; 0: chosen from the display
};

// Fills what `wanted` leaves open for a display of `displayWidth` x `displayHeight` pixels at
// `dpi` dots per inch (0 when the display does not say).
DisplayFit FitDisplay(int displayWidth, int displayHeight, float dpi, DisplayFit wanted);
