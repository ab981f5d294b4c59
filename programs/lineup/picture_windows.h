#pragma once

#include "forms/runtime.h"

namespace lineup {

// The coach's picture: a window with no controls, opened by "Auto-afirmarse".
class quendal : public rt::Form {
public:
    quendal() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();
};

// The club's players: a window with no controls, opened by "Recordar Jugadores".
class frmBravos : public rt::Form {
public:
    frmBravos() : rt::Form(layout()) {}
    static const rt::FormSpec& layout();
};

}  // namespace lineup
