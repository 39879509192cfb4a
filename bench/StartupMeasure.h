#pragma once

struct StartupFigures {
    double programMs = 0;
    double bareMs = 0;
    double programMb = 0;
    double bareMb = 0;
    int runs = 0;
    const char* platform = "";
};

// Starts both programs the same way, alternately, `runs` times each, on a private X server when
// Xvfb is installed (otherwise on Qt's offscreen platform): the median time from the spawn to the
// first finished picture on screen, and the median peak resident memory each reports.
StartupFigures MeasureStartup(const char* programPath, const char* barePath, int runs);

// The median wall time, in milliseconds, of a cold run of the program that writes one PNG of the
// window's default picture and exits, with no display.
double MeasureExportMs(const char* programPath, int runs);
