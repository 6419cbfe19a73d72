#pragma once
// The player control for Flash movies. This platform has no Flash player, so
// the control shows, where the movie would play, that it cannot be played.

#include <QLabel>
#include <QString>

namespace platform {

class MoviePlayer : public QLabel {
    Q_OBJECT
public:
    explicit MoviePlayer(QWidget* parent = nullptr);

    void setMoviePath(const QString& path);
};

} // namespace platform
