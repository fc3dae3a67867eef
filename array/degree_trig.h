// Sine and cosine of angles in degrees, exact at the quarter turns.
#pragma once

double SinDeg(double degrees);
double CosDeg(double degrees);
