#pragma once

#include "Tmain.h"

#include <memory>

class QApplication;
class Tabout;
class Tconvert;
class TfrmMP3Adv;
class TfrmOGGAdv;
class TfrmWAVAdv;
class Tid3editor;
class Tid3editor_help;
class Toptions;

// Every window of the program, made once in this order and kept for the whole run. The main window owns the
// others; closing it ends the program.
struct ApplicationWindows {
    // Throws StartupAborted when the main window's start-up gives up.
    explicit ApplicationWindows(const MainWindowServices& services);

    std::unique_ptr<Tmain> main;
    Tid3editor* id3editor = nullptr;
    Tconvert* convert = nullptr;
    TfrmWAVAdv* frmWAVAdv = nullptr;
    TfrmMP3Adv* frmMP3Adv = nullptr;
    TfrmOGGAdv* frmOGGAdv = nullptr;
    Tid3editor_help* id3editorHelp = nullptr;
    Toptions* options = nullptr;
    Tabout* about = nullptr;
};

// The whole run: splash, skin, windows, message loop. Returns the process's exit code; non-zero when start-up was
// given up (the main window is then never shown).
int runTonalith(QApplication& application, const MainWindowServices& services);
