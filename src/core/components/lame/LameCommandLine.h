#pragma once

#include "LameMapping.h"

#include <QString>

// Applies a LAME-style command line to settings, switch by switch from left to right, so a later switch
// overrides an earlier one and a --preset replaces everything set before it. Understands LAME's common switches:
//   -b N, -B N, -V N, -v, --vbr-old, --vbr-new, --cbr, --abr N, -q N, -h, -f, -m s|j|f|d|m|a, -a,
//   --resample kHz, --lowpass kHz, --highpass kHz, --lowpass-width kHz, --highpass-width kHz (values above 100
//   are taken as Hz), -p, -t, -F, -d, --strictly-enforce-ISO, --nores, --noshort, --short, --athonly, --noath,
//   --athshort, -e n|5|c, --preset NAME, and -S, --silent, --quiet, --nohist, which change nothing here.
// Single-letter switches with a value also take it attached ("-b192", "-mj").
// Raises ComponentError naming the first switch it does not know or whose value is bad; the settings are then
// unchanged. Empty text changes nothing.
void applyLameCommandLine(const QString& commandLine, Mp3SettingValues& values);
