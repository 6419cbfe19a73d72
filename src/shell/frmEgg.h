#pragma once

#include "platform/forms.h"

namespace platform {
class MoviePlayer;
}

namespace shell {

// The hidden game: a window holding the movie player with the game's movie.
class frmEgg : public platform::Form {
    Q_OBJECT
public:
    frmEgg();

private:
    platform::MoviePlayer* ShockwaveFlash1;
};

} // namespace shell
