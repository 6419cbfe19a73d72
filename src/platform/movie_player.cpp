#include "movie_player.h"

namespace platform {

MoviePlayer::MoviePlayer(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(24);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(32, 32, 32));
    colours.setColor(QPalette::WindowText, QColor(235, 235, 235));
    setPalette(colours);
}

void MoviePlayer::setMoviePath(const QString& path)
{
    setText(QStringLiteral("The movie \"%1\" cannot be played: there is no Flash player on this computer.")
                .arg(path));
}

} // namespace platform
