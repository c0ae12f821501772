#pragma once
// The F2 key for the start gate of a network game. Seen through the
// program's own windows always; on X11 also while another program has the
// focus, by reading the keyboard's state at each poll. Wayland keeps the
// keyboard to the focused window, so there only the game's window hears it.

#include "game/puertos.h"

#include <QObject>

class TeclaF2Qt final : public QObject, public TeclaF2 {
public:
    explicit TeclaF2Qt(QObject* parent = nullptr);
    ~TeclaF2Qt() override;
    bool pulsada() override;

protected:
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    bool vista_ = false;       // a key press reached one of our windows
    bool abajoAntes_ = false;  // down at the previous poll
};
