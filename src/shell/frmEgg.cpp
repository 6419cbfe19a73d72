#include "frmEgg.h"

#include "platform/movie_player.h"

#include <QVBoxLayout>

namespace shell {

frmEgg::frmEgg()
{
    setObjectName("frmEgg");
    setWindowTitle("*The* Easter Egg");

    ShockwaveFlash1 = new platform::MoviePlayer(this);
    ShockwaveFlash1->setObjectName("ShockwaveFlash1");
    ShockwaveFlash1->setMoviePath("c:\\program files\\Ostrivale\\data\\fight4.swf");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ShockwaveFlash1);
    setMinimumSize(550, 400);
}

} // namespace shell
