#pragma once
// The design list of each mode: caption, help context and toolbar filter.
#include "print_app/FBaseSelectDesign.h"

namespace quill {

class TfrmSelectDesignLegacy : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignLegacy(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::Legacy, "Legacy Labels", 1035, 1, host) {}
};

class TfrmSelectDesignVek : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignVek(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::VekLegacy, "Vek Labels", 1034, 1, host) {}
};

// Enter in its grid prints with the current design (the main window
// connects enterPressed to "Print Labels").
class TfrmSelectDesignUser : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignUser(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::Manual, "Manual Labels", 1033, 1, host) {}
};

class TfrmSelectDesignCORVANE : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignCORVANE(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::Corvane, "CORVANE Labels", 1036, 1, host) {}
};

class TfrmSelectDesignCORVANEPWB : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignCORVANEPWB(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::CorvanePWB, "CORVANE PWB Labels", 1037, 1, host) {}
};

class TfrmSelectDesignTamber : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignTamber(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::Tamber, "Tamber Labels", 1038, 1, host) {}
};

// Direct layouts have no printer settings: no Delete Printer Settings button.
class TfrmSelectDesignDirect : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignDirect(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::Direct, "Direct Corvane Labels", 0, 5, host) {}
};

class TfrmSelectDesignDirectORS : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignDirectORS(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::DirectORS, "Direct ORS Labels", 0, 5, host) {}
};

class TfrmSelectDesignCORVANEORS : public TfrmBaseSelectDesign {
public:
    explicit TfrmSelectDesignCORVANEORS(ui::TfrmBaseSideMenu* host)
        : TfrmBaseSelectDesign(TMode::CorvaneORS, "Corvane ORS Labels", 0, 1, host) {}
};

}  // namespace quill
