#pragma once

// Marks the upper halves of the processor's wide vector registers clean. The codec libraries are built for plain
// SSE; when code that ran before them (Qt's painting and event handling) leaves those halves dirty, some processors
// run the codecs' square roots, divisions and conversions up to twice as slowly, because every SSE instruction then
// depends on the whole register. Call it after event processing and before going back to encoding.
void clearUpperVectorHalves();
